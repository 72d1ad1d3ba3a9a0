// The launch window in Qt: the path and the two ways on.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "gui/launch_window.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// Every event goes to the launch window's rules.
class LaunchWindowWidget : public QtWindow<LaunchWindowView> {
 public:
  explicit LaunchWindowWidget(LaunchWindow& rules);

  void SetPath(const std::string& text) override;

  QLabel* const PathLabel;
  QPushButton* const SearchPathButton;
  QPushButton* const AddNameAndSearchButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  LaunchWindow& rules_;
};

}  // namespace tarnwick::gui::qt
