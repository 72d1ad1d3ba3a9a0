#pragma once

#include <QLabel>
#include <QPushButton>

#include "gui/launch_window.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// Form3's widgets; every event goes to the launch window's rules.
class LaunchWindowWidget : public QtWindow<LaunchWindowView> {
 public:
  explicit LaunchWindowWidget(LaunchWindow& rules);

  void SetLabel(const std::string& text) override;

  QLabel* const Label1;
  QPushButton* const Command1;  // search this path
  QPushButton* const Command2;  // add the path's file name, then search

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  LaunchWindow& rules_;
};

}  // namespace tarnwick::gui::qt
