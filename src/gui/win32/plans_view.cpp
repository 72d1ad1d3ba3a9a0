#include "gui/win32/plans_view.h"

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

PlansWin32::PlansWin32(Win32Toolkit& toolkit, PlansWindow& rules, HWND owner) : Win32View(toolkit) {
  Create(texts::kPlansCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner, layout::kPlansWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  NameNextControl(texts::kPlansCaption);
  list_ = AddControl(L"LISTBOX", "",
                     WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                     WS_EX_CLIENTEDGE, layout::kPlansList, kPlanList, normal);
  // Each label comes just before its field: its mnemonic moves there, and a screen reader
  // names the field by it.
  AddControl(L"STATIC", texts::kPlanKindLabel, 0, 0, layout::kPlanKindLabel, -1, normal);
  const HWND kind = AddControl(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                               layout::kPlanKind, kKind, normal);
  AddControl(L"STATIC", texts::kPlanDayLabel, 0, 0, layout::kPlanDayLabel, -1, normal);
  const HWND day = AddControl(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                              layout::kPlanDay, kDay, normal);
  AddControl(L"STATIC", texts::kPlanClockLabel, 0, 0, layout::kPlanClockLabel, -1, normal);
  AddControl(L"EDIT", texts::kPlanDefaultClock, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
             layout::kPlanClock, kClock, normal);
  AddControl(L"STATIC", texts::kPlanLimitLabel, 0, 0, layout::kPlanLimitLabel, -1, normal);
  AddControl(L"EDIT", std::to_string(core::kDefaultPlanLimit), WS_TABSTOP | ES_AUTOHSCROLL,
             WS_EX_CLIENTEDGE, layout::kPlanLimit, kLimit, normal);
  for (const char* text : texts::kPlanKinds) {
    ::SendMessageW(kind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  }
  for (int weekday = 0; weekday < 7; ++weekday) {
    ::SendMessageW(day, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Wide(core::WeekdayName(weekday)).c_str()));
  }
  ::SendMessageW(kind, CB_SETCURSEL, 0, 0);
  ::SendMessageW(day, CB_SETCURSEL, 0, 0);
  const std::pair<const char*, std::pair<TwipsRect, int>> buttons[] = {
      {texts::kPlanAddButton, {layout::kPlanAdd, kAdd}},
      {texts::kPlanRemoveButton, {layout::kPlanRemove, kRemove}},
      {texts::kPlanRunButton, {layout::kPlanRun, kRun}},
      {texts::kPlanPreviewButton, {layout::kPlanPreview, kPreview}},
      {texts::kCloseButton, {layout::kPlansClose, kClose}}};
  for (const auto& [text, place] : buttons) {
    AddControl(L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, 0, place.first, place.second, normal);
  }
  MakeModalOver(owner);
  OnCommand(
      kPlanList, [&rules] { rules.ListClick(); }, LBN_SELCHANGE);
  OnCommand(kAdd, [&rules] { rules.AddClick(); });
  OnCommand(kRemove, [&rules] { rules.RemoveClick(); });
  OnCommand(kRun, [&rules] { rules.RunClick(); });
  OnCommand(kPreview, [&rules] { rules.PreviewClick(); });
  OnCommand(kClose, [&rules] { rules.CloseClick(); });
  OnClose([&rules] { rules.CloseClick(); });
}

void PlansWin32::SetRows(const std::vector<std::string>& rows) {
  ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows) {
    ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
  }
  // A long row scrolls sideways rather than being cut.
  ::SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(Pixels(30000)), 0);
}

std::optional<int> PlansWin32::SelectedIndex() const {
  const LRESULT selected = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<int>(selected);
}

void PlansWin32::EnablePlanButtons(bool enabled) {
  for (const int button : {kRemove, kRun, kPreview}) {
    EnableControl(::GetDlgItem(handle(), button), enabled, list_);
  }
}

int PlansWin32::Selection(int comboBox) const {
  return static_cast<int>(::SendMessageW(::GetDlgItem(handle(), comboBox), CB_GETCURSEL, 0, 0));
}

std::string PlansWin32::TextOf(int edit) const {
  return TextOfControl(::GetDlgItem(handle(), edit));
}

}  // namespace tarnwick::gui::win32
