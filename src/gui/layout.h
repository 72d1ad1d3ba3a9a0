// Where each control of each window sits, in twips, for the views of every toolkit.
#pragma once

#include "gui/window_geometry.h"

namespace tarnwick::gui::layout {

// The main window.
inline constexpr TwipsRect kMainWindow{0, 0, 2535, 6225};
inline constexpr TwipsRect kMainList{60, 120, 2415, 3765};
inline constexpr TwipsRect kMainAddButton{60, 4020, 2415, 375};
inline constexpr TwipsRect kMainRemoveButton{60, 4440, 2415, 375};
inline constexpr TwipsRect kMainDeleteButton{60, 4860, 2415, 1335};

// The name entry dialog.
inline constexpr TwipsRect kNameEntry{0, 0, 3600, 975};
inline constexpr TwipsRect kNameEntryText{60, 120, 3495, 360};
inline constexpr TwipsRect kNameEntryCancel{60, 600, 1695, 375};
inline constexpr TwipsRect kNameEntryAccept{1860, 600, 1695, 375};

// The launch window. The label is wider than the window: long paths are cut.
inline constexpr TwipsRect kLaunchWindow{0, 0, 11430, 870};
inline constexpr TwipsRect kLaunchLabel{60, 120, 15315, 255};
inline constexpr TwipsRect kLaunchSearch{60, 420, 5595, 435};
inline constexpr TwipsRect kLaunchAddAndSearch{5820, 420, 5595, 435};

// The progress window of a long delete pass.
inline constexpr TwipsRect kProgressWindow{0, 0, 6000, 1800};
inline constexpr TwipsRect kProgressHeading{120, 120, 5760, 255};
inline constexpr TwipsRect kProgressFolder{120, 390, 5760, 255};
inline constexpr TwipsRect kProgressCounts{120, 720, 5760, 255};
inline constexpr TwipsRect kProgressDeleted{120, 990, 5760, 255};
inline constexpr TwipsRect kProgressBar{120, 1380, 4080, 255};
inline constexpr TwipsRect kProgressCancel{4320, 1320, 1560, 375};

// The window that shows what a pass found (not in the original program: laid out here).
inline constexpr TwipsRect kFoundFilesWindow{0, 0, 9000, 5895};
inline constexpr TwipsRect kFoundLine{120, 120, 8760, 255};
inline constexpr TwipsRect kFoundList{120, 435, 8760, 4800};
inline constexpr TwipsRect kFoundTickAll{120, 5400, 1200, 375};
inline constexpr TwipsRect kFoundTickNone{1440, 5400, 1200, 375};
inline constexpr TwipsRect kFoundDeal{4440, 5400, 2760, 375};
inline constexpr TwipsRect kFoundCancel{7320, 5400, 1560, 375};

// The window that lists the excluded folders (laid out here as well).
inline constexpr TwipsRect kExcludedFoldersWindow{0, 0, 6000, 3495};
inline constexpr TwipsRect kExcludedList{120, 120, 5760, 2760};
inline constexpr TwipsRect kExcludedAdd{120, 3000, 2040, 375};
inline constexpr TwipsRect kExcludedRemove{2280, 3000, 1440, 375};
inline constexpr TwipsRect kExcludedClose{4440, 3000, 1440, 375};

// The window of the kept passes; the window of one pass's files is laid out as the window of
// the found files.
inline constexpr TwipsRect kPassesWindow{0, 0, 9000, 4215};
inline constexpr TwipsRect kPassesList{120, 120, 8760, 3480};
inline constexpr TwipsRect kPassesTakeBack{120, 3720, 1560, 375};
inline constexpr TwipsRect kPassesFiles{1800, 3720, 1560, 375};
inline constexpr TwipsRect kPassesClose{7320, 3720, 1560, 375};

// The window of the plans: their list, the fields of a new plan, the buttons.
inline constexpr TwipsRect kPlansWindow{0, 0, 9000, 4695};
inline constexpr TwipsRect kPlansList{120, 120, 8760, 2880};
inline constexpr TwipsRect kPlanKindLabel{120, 3165, 720, 255};
inline constexpr TwipsRect kPlanKind{840, 3120, 2040, 315};
inline constexpr TwipsRect kPlanDayLabel{3000, 3165, 480, 255};
inline constexpr TwipsRect kPlanDay{3480, 3120, 1560, 315};
inline constexpr TwipsRect kPlanClockLabel{5160, 3165, 840, 255};
inline constexpr TwipsRect kPlanClock{6000, 3120, 720, 315};
inline constexpr TwipsRect kPlanLimitLabel{120, 3585, 1800, 255};
inline constexpr TwipsRect kPlanLimit{1920, 3540, 840, 315};
inline constexpr TwipsRect kPlanAdd{120, 4200, 1560, 375};
inline constexpr TwipsRect kPlanRemove{1800, 4200, 1440, 375};
inline constexpr TwipsRect kPlanRun{3360, 4200, 1800, 375};
inline constexpr TwipsRect kPlanPreview{5280, 4200, 1320, 375};
inline constexpr TwipsRect kPlansClose{7320, 4200, 1560, 375};

// Font sizes in points.
inline constexpr double kNormalPoints = 8.25;
inline constexpr double kLargePoints = 9.75;
// The smallest the big button's caption is made to fit it.
inline constexpr double kSmallestPoints = 6.0;

}  // namespace tarnwick::gui::layout
