// What every Qt view shares: twips to pixels, the interface font, Enter on buttons, the folder
// chooser, message boxes, and the window base the views build on.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>
#include <optional>
#include <string>

#include "gui/toolkit.h"

namespace tarnwick::gui::qt {

// Twips to Qt's device-independent pixels, which keep the ratio of 96 dpi on high-dpi screens.
QRect PixelRect(TwipsRect twips);

// The interface font: MS Sans Serif where it exists, else a sans-serif face of the same size.
QFont UiFont(double points, bool bold = false);

// How the keyboard works in every window, as it does in the Windows program: Enter presses the
// focused push button, as Space does, and no button is a default that Enter elsewhere would
// press; Enter in a list does nothing; in a list with nothing selected the first arrow, Home or
// End key selects the current row rather than the one after it; Shift+F10 opens a widget's
// own menu, as the Menu key does. Call once the window's widgets are made.
void ApplyKeyboardRules(QWidget& window);

// Enables or disables `control`, never leaving the focus on a disabled one: when it has the
// focus, the focus moves on first, to `fallback`.
void EnableKeepingFocus(QWidget& control, bool enabled, QWidget& fallback);

// The platform's folder chooser over `owner`, opening at `start`; nothing when it was
// cancelled. The folder comes as the file system's own bytes.
std::optional<std::string> ChooseFolder(QWidget* owner, const std::string& caption,
                                        const std::string& start);

// A top-level Qt widget (or dialog: `Base`) as the rules see a window; `View` is the window's
// view interface.
template <typename View, typename Base = QWidget>
class QtWindow : public Base, public View {
 public:
  using Base::Base;

  // The focus is shown from the start, not only once Tab was pressed: the keyboard is as much
  // the way in as the mouse.
  void ShowWindow() override {
    this->setAttribute(Qt::WA_KeyboardFocusChange, true);
    this->show();
  }
  void CloseWindow() override { this->hide(); }
  TwipsSize ScreenSize() const override;
  TwipsSize OuterSize() const override;
  void MoveTo(TwipsPosition position) override;
  void SetTopmost() override { this->setWindowFlag(Qt::WindowStaysOnTopHint, true); }
  void ShowMessageBox(const std::string& prompt, MessageKind kind,
                      const std::string& title) override;
  bool AskYesNo(const std::string& prompt, const std::string& title) override;
};

// The parts of QtWindow that do not depend on the view interface.
TwipsSize ScreenTwips(const QWidget& window);
TwipsSize OuterTwips(const QWidget& window);
void MoveWindow(QWidget& window, TwipsPosition position);
void ShowMessageBox(QWidget* owner, const std::string& prompt, MessageKind kind,
                    const std::string& title);
bool AskYesNo(QWidget* owner, const std::string& prompt, const std::string& title);

template <typename View, typename Base>
TwipsSize QtWindow<View, Base>::ScreenSize() const { return ScreenTwips(*this); }
template <typename View, typename Base>
TwipsSize QtWindow<View, Base>::OuterSize() const { return OuterTwips(*this); }
template <typename View, typename Base>
void QtWindow<View, Base>::MoveTo(TwipsPosition position) { MoveWindow(*this, position); }
template <typename View, typename Base>
void QtWindow<View, Base>::ShowMessageBox(const std::string& prompt, MessageKind kind,
                                          const std::string& title) {
  qt::ShowMessageBox(this, prompt, kind, title);
}
template <typename View, typename Base>
bool QtWindow<View, Base>::AskYesNo(const std::string& prompt, const std::string& title) {
  return qt::AskYesNo(this, prompt, title);
}

}  // namespace tarnwick::gui::qt
