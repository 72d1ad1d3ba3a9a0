// The Win32 views under Wine: wired to the rules, and what only Win32 has (pixel geometry at
// 96 dpi, topmost, the selected font, message box icons, the end of the session).
#include "platform/windows/windows_support.h"  // windows.h first

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include <commctrl.h>

#include "engine/delete_pass.h"
#include "gui/found_files_window.h"
#include "gui/launch_window.h"
#include "gui/main_window.h"
#include "gui/win32/excluded_folders_view.h"
#include "gui/win32/found_files_view.h"
#include "gui/win32/launch_window_view.h"
#include "gui/win32/main_window_view.h"
#include "gui/win32/name_entry_dialog_view.h"
#include "gui/win32/passes_view.h"
#include "gui/win32/plans_view.h"
#include "gui/win32/progress_window_view.h"
#include "gui/win32/win32_toolkit.h"
#include "platform/process/command_line.h"
#include "engine/plan_schedule.h"
#include "support/stand_in_shell_windows.h"
#include "support/task_scheduler_windows.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::gui::win32 {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

std::string TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

RECT ClientPlace(HWND control) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

// What a message box showed.
struct SeenBox {
  std::string title, text;
  HICON icon = nullptr;
};

// Runs `action` on this thread's next top-level window of the class (and caption, when given)
// while the system activates it, from inside the call that shows it: no timer that could look
// too early or too late. The action may read and send; what closes the window it posts, for
// the window's own message loop to take.
class OnActivation {
 public:
  OnActivation(const wchar_t* windowClass, const wchar_t* caption, std::function<void(HWND)> action)
      : windowClass_(windowClass), caption_(caption), action_(std::move(action)) {
    current_ = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId());
  }
  OnActivation(const OnActivation&) = delete;
  OnActivation& operator=(const OnActivation&) = delete;
  ~OnActivation() {
    ::UnhookWindowsHookEx(hook_);
    current_ = nullptr;
    EXPECT_TRUE(seen_) << "no such window was shown";
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_ != nullptr && !current_->seen_) {
      const auto window = reinterpret_cast<HWND>(wParam);
      wchar_t windowClass[64];
      ::GetClassNameW(window, windowClass, 64);
      if (::lstrcmpiW(windowClass, current_->windowClass_) == 0 &&
          (current_->caption_ == nullptr || TextOf(window) == Narrow(current_->caption_))) {
        current_->seen_ = true;
        current_->action_(window);
      }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline OnActivation* current_ = nullptr;
  const wchar_t* windowClass_;
  const wchar_t* caption_;
  std::function<void(HWND)> action_;
  HHOOK hook_ = nullptr;
  bool seen_ = false;
};

// Answers the next message box with `button` (IDOK, IDYES, IDNO), keeping what it showed.
std::unique_ptr<OnActivation> AnswerMessageBox(int button, SeenBox& seen) {
  return std::make_unique<OnActivation>(L"#32770", nullptr, [button, &seen](HWND box) {
    seen.title = TextOf(box);
    ::EnumChildWindows(
        box,
        [](HWND child, LPARAM found) -> BOOL {
          wchar_t kind[16];
          ::GetClassNameW(child, kind, 16);
          if (::lstrcmpiW(kind, L"Static") != 0) return TRUE;
          auto& seen = *reinterpret_cast<SeenBox*>(found);
          if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
          } else if (::GetWindowTextLengthW(child) > 0) {
            seen.text = TextOf(child);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    ::PostMessageW(box, WM_COMMAND, button, 0);
  });
}

class Win32ViewsTest : public ::testing::Test {
 protected:

  MainWindowWin32& Main() { return dynamic_cast<MainWindowWin32&>(mainWindow_.view()); }
  HWND Control(int id) { return ::GetDlgItem(Main().handle(), id); }
  void Click(HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); }
  int Entries() { return static_cast<int>(::SendMessageW(Control(MainWindowWin32::kNameList), LB_GETCOUNT, 0, 0)); }

  TempDir dir_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  Win32Toolkit toolkit_;
  MainWindow mainWindow_{state_, helpers_, toolkit_};
};

TEST_F(Win32ViewsTest, MainWindowIsLaidOutInPixelsAt96Dpi) {
  ASSERT_EQ(Main().dpi(), 96);
  RECT client{};
  ::GetClientRect(Main().handle(), &client);
  EXPECT_EQ(client.right, 169);
  EXPECT_EQ(client.bottom, 415);
  const RECT deleteButton = ClientPlace(Control(MainWindowWin32::kDelete));
  EXPECT_EQ(deleteButton.left, 4);
  EXPECT_EQ(deleteButton.top, 324);
  EXPECT_EQ(deleteButton.right - deleteButton.left, 161);
  EXPECT_EQ(deleteButton.bottom - deleteButton.top, 89);
  EXPECT_EQ(TextOf(Main().handle()), "Kelvane Tarn Wick");
  EXPECT_EQ(TextOf(Control(MainWindowWin32::kDelete)),
            "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen");
  EXPECT_FALSE(::IsWindowEnabled(Control(MainWindowWin32::kDelete)));

  // The bold list font, 8.25 pt, in the face the system really chose.
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(Control(MainWindowWin32::kNameList), WM_GETFONT, 0, 0));
  const HDC dc = ::GetDC(Main().handle());
  ::SelectObject(dc, font);
  wchar_t face[LF_FACESIZE];
  ::GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::ReleaseDC(Main().handle(), dc);
  const std::wstring chosen = face;
  const bool sansSerif = (metrics.tmPitchAndFamily & 0xF0) == FF_SWISS;
  EXPECT_TRUE(chosen == L"MS Sans Serif" || chosen == L"Microsoft Sans Serif" || sansSerif)
      << Narrow(chosen);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11);  // 8.25 pt at 96 dpi
  EXPECT_GE(metrics.tmWeight, FW_BOLD);
}

TEST_F(Win32ViewsTest, AddGoesThroughATopmostDialogWhichIgnoresEnterAndEscape) {
  Main().ShowWindow();
  const OnActivation typeAndAccept(L"TarnwickWindow", L"Dateiname", [](HWND dialog) {
    EXPECT_TRUE(::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const HWND text = ::GetDlgItem(dialog, NameEntryDialogWin32::kNameText);
    ::SendMessageW(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Mscreate.dir"));
    // Enter and Escape reach the dialog as IDOK and IDCANCEL, which it leaves alone: the
    // accept button after them still finds it open.
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ::PostMessageW(::GetDlgItem(dialog, NameEntryDialogWin32::kAccept), BM_CLICK, 0, 0);
  });
  Click(Control(MainWindowWin32::kAddName));
  EXPECT_EQ(Entries(), 1);
  EXPECT_EQ(mainWindow_.names().Entries(), std::vector<std::string>{"Mscreate.dir"});
  EXPECT_TRUE(::IsWindowEnabled(Control(MainWindowWin32::kDelete)));
}

TEST_F(Win32ViewsTest, RemoveAsksWithYesAndNoAndTheQuestionIcon) {
  for (const char* name : {"a", "b"}) mainWindow_.names().Append(name);
  mainWindow_.ShowNames();
  ::SendMessageW(Control(MainWindowWin32::kNameList), LB_SETCURSEL, 1, 0);
  ::SendMessageW(Main().handle(), WM_COMMAND, MAKEWPARAM(MainWindowWin32::kNameList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Control(MainWindowWin32::kNameList)));
  EXPECT_TRUE(::IsWindowEnabled(Control(MainWindowWin32::kRemoveName)));
  SeenBox seen;
  {
    const auto answer = AnswerMessageBox(IDYES, seen);
    Click(Control(MainWindowWin32::kRemoveName));
  }
  EXPECT_EQ(seen.text, "Soll der Dateiname 'b' entfernt werden ?");
  EXPECT_EQ(seen.title, "Kelvane Tarn Wick");
  EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, IDI_QUESTION));
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Win32ViewsTest, MessageKindsShowTheirIcons) {
  const std::pair<MessageKind, const wchar_t*> kinds[] = {
      {MessageKind::kInformation, IDI_INFORMATION}, {MessageKind::kWarning, IDI_WARNING},
      {MessageKind::kCritical, IDI_ERROR}, {MessageKind::kQuestion, IDI_QUESTION}};
  for (const auto& [kind, icon] : kinds) {
    SeenBox seen;
    {
      const auto answer = AnswerMessageBox(IDOK, seen);
      Main().ShowMessageBox("Hallo", kind, "Titel");
    }
    EXPECT_EQ(seen.text, "Hallo");
    EXPECT_EQ(seen.title, "Titel");
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, icon));
  }
}

// Each window opens with its first control focused, Tab walks its controls in their order,
// and a control without a caption of its own takes its name from the label before it.
TEST_F(Win32ViewsTest, TheKeyboardReachesEveryControlInOrder) {
  mainWindow_.names().Append("a");
  mainWindow_.ShowNames();
  Main().ShowWindow();
  ::SetActiveWindow(Main().handle());
  EXPECT_EQ(::GetFocus(), Control(MainWindowWin32::kNameList));
  const HWND label = ::GetWindow(Control(MainWindowWin32::kNameList), GW_HWNDPREV);
  EXPECT_EQ(TextOf(label), "Dateinamen");
  std::vector<int> order;
  for (HWND control = ::GetFocus(); order.size() < 4;
       control = ::GetNextDlgTabItem(Main().handle(), control, FALSE)) {
    order.push_back(::GetDlgCtrlID(control));
  }
  // The remove button is disabled; after the delete button the list again.
  EXPECT_EQ(order, (std::vector<int>{MainWindowWin32::kNameList, MainWindowWin32::kAddName,
                                     MainWindowWin32::kDelete, MainWindowWin32::kNameList}));

  LaunchWindow launch(state_, toolkit_, mainWindow_);
  auto& launchView = dynamic_cast<Win32Window&>(launch.view());
  launch.view().ShowWindow();
  ::SetActiveWindow(launchView.handle());
  EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), LaunchWindowWin32::kSearchPath);
  EXPECT_TRUE(::GetWindowLongW(::GetFocus(), GWL_STYLE) & BS_MULTILINE);  // captions wrap
  ::SendMessageW(launchView.handle(), WM_COMMAND, IDOK, 0);  // Enter presses the focused button
  EXPECT_FALSE(::IsWindowVisible(launchView.handle()));
  EXPECT_TRUE(::IsWindowVisible(Main().handle()));
}

// The text of `item` in the menu bar, and its state there.
std::string MenuText(HWND window, UINT item) {
  wchar_t text[64] = {};
  ::GetMenuStringW(::GetMenu(window), item, text, 64, MF_BYCOMMAND);
  return Narrow(text);
}

// The menu bar: its menus with their mnemonics, the trash's item checked as the rules say, and
// the big button's caption following the mode.
TEST_F(Win32ViewsTest, TheMenuBarHoldsEverySwitchAndWindow) {
  const HMENU bar = ::GetMenu(Main().handle());
  ASSERT_NE(bar, nullptr);
  wchar_t text[32] = {};
  ::GetMenuStringW(bar, 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(Narrow(text), "&Optionen");
  ::GetMenuStringW(bar, 1, text, 32, MF_BYPOSITION);
  EXPECT_EQ(Narrow(text), "&Verlauf");
  RECT client{};
  ::GetClientRect(Main().handle(), &client);
  EXPECT_EQ(client.bottom, 415);  // the client area keeps its size below the menu bar
  const UINT trash = MainWindowWin32::MenuCommand(MenuItem::kTrash);
  EXPECT_EQ(MenuText(Main().handle(), trash), "In den &Papierkorb verschieben statt löschen");
  EXPECT_EQ(MenuText(Main().handle(), MainWindowWin32::MenuCommand(MenuItem::kPasses)),
            "&Durchgänge...");
  ::SendMessageW(Main().handle(), WM_COMMAND, trash, 0);
  EXPECT_TRUE(state_.UseTrash);
  EXPECT_TRUE(::GetMenuState(bar, trash, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(TextOf(Control(MainWindowWin32::kDelete)),
            "Jetzt rekursiv nach den gelisteten Dateinamen suchen und in den Papierkorb "
            "verschieben");
}

// Its item in the menu bar opens the window, modal; a selection enables "Entfernen", which
// removes the folder by keyboard and leaves the focus on the list, and Escape closes the
// window, the main window active again and taking keys.
TEST_F(Win32ViewsTest, TheExcludedFoldersWindowRemovesByKeyboardAndEscapeLeavesIt) {
  EXPECT_EQ(MenuText(Main().handle(), MainWindowWin32::MenuCommand(MenuItem::kExcludedFolders)),
            "&Ausgenommene Ordner...");
  mainWindow_.excludedFolders().Append("C:\\a");
  mainWindow_.excludedFolders().Append("C:\\b");
  Main().ShowWindow();
  ::SetActiveWindow(Main().handle());
  int rowsBefore = 0, rowsAfter = 0;
  bool modal = false, removeBefore = true, removeAfterSelection = false, listFocused = false;
  {
    OnActivation window(L"TarnwickWindow", L"Ausgenommene Ordner", [&](HWND shown) {
      const HWND list = ::GetDlgItem(shown, ExcludedFoldersWin32::kFolderList);
      const HWND remove = ::GetDlgItem(shown, ExcludedFoldersWin32::kRemove);
      modal = !::IsWindowEnabled(Main().handle());
      rowsBefore = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
      removeBefore = ::IsWindowEnabled(remove);
      ::SendMessageW(list, LB_SETCURSEL, 0, 0);
      ::SendMessageW(shown, WM_COMMAND, MAKEWPARAM(ExcludedFoldersWin32::kFolderList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
      removeAfterSelection = ::IsWindowEnabled(remove);
      ::SetFocus(remove);
      ::SendMessageW(shown, WM_COMMAND, IDOK, 0);  // Enter, on the focused button
      rowsAfter = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
      listFocused = ::GetFocus() == list;
      ::PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);  // Escape
    });
    ::SendMessageW(Main().handle(), WM_COMMAND,
                   MainWindowWin32::MenuCommand(MenuItem::kExcludedFolders), 0);
  }
  EXPECT_TRUE(modal);
  EXPECT_EQ(rowsBefore, 2);
  EXPECT_FALSE(removeBefore);
  EXPECT_TRUE(removeAfterSelection);
  EXPECT_EQ(rowsAfter, 1);
  EXPECT_TRUE(listFocused);
  EXPECT_TRUE(::IsWindowEnabled(Main().handle()));
  EXPECT_EQ(::GetActiveWindow(), Main().handle());
  EXPECT_EQ(mainWindow_.excludedFolders().Entries(), std::vector<std::string>{"C:\\b"});
}

// A plan is a task of Wine's Task Scheduler; "Regelmäßig bereinigen" lists it, and "Entfernen",
// pressed by keyboard, removes the plan and its task and leaves the focus on the list.
TEST_F(Win32ViewsTest, ThePlansWindowRemovesAPlanAndItsTask) {
  core::Plan plan;
  plan.folder = dir_ / "root";
  plan.identity = *platform::IdentityOfFolder(plan.folder);
  plan.time = *core::DailyAt("03:00");
  ASSERT_TRUE(engine::AddPlan(state_, plan).added);
  const std::string task = engine::ScheduledRunOf(state_, plan).name;
  EXPECT_EQ(tarnwick::testing::RegisteredPath(task), L"\\Tarnwick\\" + Wide(task));
  EXPECT_EQ(MenuText(Main().handle(), MainWindowWin32::MenuCommand(MenuItem::kPlans)),
            "&Regelmäßig bereinigen...");
  Main().ShowWindow();
  ::SetActiveWindow(Main().handle());
  int rowsBefore = 0, rowsAfter = 0;
  bool listFocused = false;
  {
    OnActivation window(L"TarnwickWindow", L"Regelmäßig bereinigen", [&](HWND shown) {
      const HWND list = ::GetDlgItem(shown, PlansWin32::kPlanList);
      rowsBefore = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
      ::SendMessageW(list, LB_SETCURSEL, 0, 0);
      ::SendMessageW(shown, WM_COMMAND, MAKEWPARAM(PlansWin32::kPlanList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
      ::SetFocus(::GetDlgItem(shown, PlansWin32::kRemove));
      ::SendMessageW(shown, WM_COMMAND, IDOK, 0);  // Enter, on the focused button
      rowsAfter = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
      listFocused = ::GetFocus() == list;
      ::PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);  // Escape
    });
    ::SendMessageW(Main().handle(), WM_COMMAND, MainWindowWin32::MenuCommand(MenuItem::kPlans), 0);
  }
  EXPECT_EQ(rowsBefore, 1);
  EXPECT_EQ(rowsAfter, 0);
  EXPECT_TRUE(listFocused);
  EXPECT_EQ(tarnwick::testing::RegisteredPath(task), L"");
}

// A pass to the stand-in shell's Recycle Bin is kept: "Durchgänge" lists it, "Dateien..."
// shows its files, Space unticks one, and "Zurückholen" brings back the other.
TEST_F(Win32ViewsTest, ThePassesWindowsTakeBackFileByFile) {
  using tarnwick::testing::Fate;
  fs::create_directories(dir_ / "bin");
  const platform::FileOperationMaker shell =
      platform::ReplaceFileOperationMaker([this](IFileOperation** operation) {
        *operation = new tarnwick::testing::StandInOperation({Fate::kRecycle, Fate::kRecycle},
                                                             S_OK, -1, Wide(dir_ / "bin"));
        return S_OK;
      });
  WriteFile(dir_ / "root\\0.log", "0");
  WriteFile(dir_ / "root\\1.log", "1");
  for (const char* name : {"0.log", "1.log"}) mainWindow_.names().Append(name);
  state_.UseTrash = true;
  SeenBox report;
  {
    const auto answer = AnswerMessageBox(IDOK, report);
    Click(Control(MainWindowWin32::kDelete));
  }
  platform::ReplaceFileOperationMaker(shell);
  ASSERT_FALSE(fs::exists(dir_ / "root\\0.log"));
  EXPECT_TRUE(report.text.ends_with("Zurückholen: Verlauf > Durchgänge"));
  int passRows = 0, fileRows = 0;
  SeenBox takenBack;
  // One window after the other, each looked for once the one before is open.
  std::unique_ptr<OnActivation> files, answer;
  {
    OnActivation passes(L"TarnwickWindow", L"Durchgänge", [&](HWND shown) {
      const HWND list = ::GetDlgItem(shown, PassesWin32::kPassList);
      passRows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
      files = std::make_unique<OnActivation>(
          L"TarnwickWindow", L"Dateien des Durchgangs 1", [&](HWND filesShown) {
            const HWND fileList = ::GetDlgItem(filesShown, PassFilesWin32::kFileList);
            fileRows = static_cast<int>(::SendMessageW(fileList, LVM_GETITEMCOUNT, 0, 0));
            ::SendMessageW(fileList, WM_KEYDOWN, VK_SPACE, 0);  // the first row, focused
            answer = AnswerMessageBox(IDOK, takenBack);
            ::PostMessageW(::GetDlgItem(filesShown, PassFilesWin32::kDeal), BM_CLICK, 0, 0);
            ::PostMessageW(filesShown, WM_COMMAND, IDCANCEL, 0);
          });
      ::PostMessageW(::GetDlgItem(shown, PassesWin32::kFiles), BM_CLICK, 0, 0);
      ::PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);  // once the files' window is closed
    });
    ::SendMessageW(Main().handle(), WM_COMMAND, MainWindowWin32::MenuCommand(MenuItem::kPasses),
                   0);
  }
  files.reset();
  answer.reset();
  EXPECT_EQ(passRows, 1);
  EXPECT_EQ(fileRows, 2);
  EXPECT_EQ(takenBack.text, "Es wurden '1' Dateien zurückgeholt.");
  EXPECT_EQ(fs::exists(dir_ / "root\\0.log") + fs::exists(dir_ / "root\\1.log"), 1);
  EXPECT_TRUE(::IsWindowEnabled(Main().handle()));
}

// The look: its item in the menu bar reaches the rule; in the window Space toggles the focused
// row's check box, drawn from the rules' tick, and the deal button hands the choice back.
TEST_F(Win32ViewsTest, TheFoundFilesWindowTogglesByKeyboardAndDealsWithTheTickedFiles) {
  ::SendMessageW(Main().handle(), WM_COMMAND, MainWindowWin32::MenuCommand(MenuItem::kLookFirst),
                 0);
  EXPECT_TRUE(state_.LookFirst);
  WriteFile(dir_ / "root\\a\\Setup.log", "");
  WriteFile(dir_ / "root\\b\\Setup.log", "");
  engine::PassRequest request;
  request.root = state_.SearchRoot;
  request.names.Append("Setup.log");
  engine::DeleteReport report;
  std::vector<size_t> matches = engine::FindListedFiles(request, helpers_, report);
  ASSERT_EQ(matches.size(), 2u);
  const std::vector<size_t> found = matches;
  std::string line, deal;
  UINT before = 0, after = 0;
  bool chosen = false;
  {
    FoundFilesWindow rules(toolkit_, mainWindow_.view(), helpers_.resultList, found, false);
    const HWND window = dynamic_cast<FoundFilesWin32&>(rules.view()).handle();
    EXPECT_FALSE(::IsWindowEnabled(Main().handle()));  // modal
    line = TextOf(::GetDlgItem(window, FoundFilesWin32::kLine));
    deal = TextOf(::GetDlgItem(window, FoundFilesWin32::kDeal));
    const HWND list = ::GetDlgItem(window, FoundFilesWin32::kFileList);
    const auto checkImage = [list] {
      return static_cast<UINT>(::SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK));
    };
    before = checkImage();
    ::SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);  // the first row, focused
    after = checkImage();
    ::PostMessageW(window, WM_COMMAND, FoundFilesWin32::kDeal, 0);  // taken once it is shown
    chosen = rules.Choose(matches);
  }
  EXPECT_EQ(line, "Es wurden '2' Dateien gefunden.");
  EXPECT_EQ(deal, "Löschen");
  EXPECT_EQ(before, INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(after, INDEXTOSTATEIMAGEMASK(1));
  EXPECT_TRUE(chosen);
  EXPECT_EQ(matches, std::vector<size_t>{found[1]});
  EXPECT_TRUE(::IsWindowEnabled(Main().handle()));
}

// A file the shell deleted though the Recycle Bin was asked for is said so in the report, on
// its own line and with the warning sign, never counted as moved.
TEST_F(Win32ViewsTest, TheReportSaysWhatTheShellDeletedInsteadOfRecycling) {
  using tarnwick::testing::Fate;
  const platform::FileOperationMaker shell =
      platform::ReplaceFileOperationMaker([](IFileOperation** operation) {
        *operation = new tarnwick::testing::StandInOperation({Fate::kDeleteForGood}, S_OK, -1);
        return S_OK;
      });
  WriteFile(dir_ / "root\\0.log", "");
  mainWindow_.names().Append("0.log");
  state_.UseTrash = true;
  SeenBox seen;
  {
    const auto answer = AnswerMessageBox(IDOK, seen);
    Click(Control(MainWindowWin32::kDelete));
  }
  platform::ReplaceFileOperationMaker(shell);
  EXPECT_EQ(seen.text,
            "Es wurden '0' Dateien gefunden und in den Papierkorb verschoben.   \n"
            "'1' Dateien wurden endgültig gelöscht, obwohl der Papierkorb gewählt war.\n\n" +
                (dir_ / "root\\0.log") + ": endgültig gelöscht statt in den Papierkorb verschoben");
  EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, IDI_WARNING));
}

TEST_F(Win32ViewsTest, TheEndOfTheSessionSavesTheListOnce) {
  mainWindow_.names().Append("Mscreate.dir");
  EXPECT_EQ(::SendMessageW(Main().handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  ::SendMessageW(Main().handle(), WM_ENDSESSION, TRUE, 0);
  MSG quit;  // the program ends: the thread's loop is asked to quit
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  ASSERT_TRUE(fs::exists(state_.SettingsPath));
  fs::remove(state_.SettingsPath);
  ::SendMessageW(Main().handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(fs::exists(state_.SettingsPath));
}

TEST_F(Win32ViewsTest, ProgressWindowButtonEscapeAndFrameAskThePassToStop) {
  const std::vector<std::function<void(HWND)>> stops = {
      [](HWND w) { ::SendMessageW(::GetDlgItem(w, ProgressWindowWin32::kCancel), BM_CLICK, 0, 0); },
      [](HWND w) { ::SendMessageW(w, WM_COMMAND, IDCANCEL, 0); },  // Escape
      [](HWND w) { ::SendMessageW(w, WM_CLOSE, 0, 0); },
      [](HWND w) {  // Enter on the focused button
        ::SetFocus(::GetDlgItem(w, ProgressWindowWin32::kCancel));
        ::SendMessageW(w, WM_COMMAND, IDOK, 0);
      },
  };
  for (const auto& stop : stops) {
    const bool closing = false;
    PassProgress progress(toolkit_, mainWindow_.view(), "Titel", "C:\\", false,
                          std::chrono::hours(1), closing);
    {
      ProgressWindowWin32 window(toolkit_, progress, Main().handle(), "Titel");
      EXPECT_FALSE(::IsWindowEnabled(Main().handle()));  // modal
      stop(window.handle());
      EXPECT_TRUE(progress.StopRequested());
    }
    EXPECT_TRUE(::IsWindowEnabled(Main().handle()));
  }
}

TEST(TextAfterProgramName, RemovesOnePairOfQuotesAroundAllOfIt) {
  const struct {
    const wchar_t* line;
    const char* text;
  } cases[] = {
      {L"tarnwick.exe C:\\Setup", "C:\\Setup"},
      {L"\"C:\\Program Files\\tarnwick.exe\" \"C:\\Neuer Ordner\"", "C:\\Neuer Ordner"},
      {L"tarnwick.exe \"C:\\a\" \"C:\\b\"", "\"C:\\a\" \"C:\\b\""},  // not one pair around all
      {L"tarnwick.exe \"C:\\Setup", "\"C:\\Setup"},
      {L"tarnwick.exe", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::TextAfterProgramName(c.line), c.text);
}

}  // namespace
}  // namespace tarnwick::gui::win32
