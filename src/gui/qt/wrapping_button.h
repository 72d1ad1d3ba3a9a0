// A Qt push button whose caption wraps, for the big delete button.
#pragma once

#include <QPushButton>

namespace tarnwick::gui::qt {

// A push button whose caption wraps over several lines, centred, when it is wider than the
// button, in a smaller font when it would not fit otherwise; text() stays the whole caption.
class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnwick::gui::qt
