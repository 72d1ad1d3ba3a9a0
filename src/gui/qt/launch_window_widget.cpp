#include "gui/qt/launch_window_widget.h"

#include <QCloseEvent>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

LaunchWindowWidget::LaunchWindowWidget(LaunchWindow& rules)
    : PathLabel(new QLabel(this)),
      SearchPathButton(new QPushButton(texts::kSearchPathButton, this)),
      AddNameAndSearchButton(new QPushButton(texts::kAddAndSearchPathButton, this)),
      rules_(rules) {
  setObjectName("LaunchWindow");
  setWindowTitle(texts::kLaunchWindowCaption);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kLaunchWindow).size());

  PathLabel->setObjectName("PathLabel");
  PathLabel->setGeometry(PixelRect(layout::kLaunchLabel));
  PathLabel->setTextFormat(Qt::PlainText);
  SearchPathButton->setObjectName("SearchPathButton");
  SearchPathButton->setGeometry(PixelRect(layout::kLaunchSearch));
  AddNameAndSearchButton->setObjectName("AddNameAndSearchButton");
  AddNameAndSearchButton->setGeometry(PixelRect(layout::kLaunchAddAndSearch));
  setTabOrder(SearchPathButton, AddNameAndSearchButton);
  SearchPathButton->setFocus();  // when the window opens
  ApplyKeyboardRules(*this);

  connect(SearchPathButton, &QPushButton::clicked, this, [this] { rules_.SearchPathClick(); });
  connect(AddNameAndSearchButton, &QPushButton::clicked, this, [this] { rules_.AddNameAndSearchClick(); });
}

void LaunchWindowWidget::SetPath(const std::string& text) {
  // Bytes that are not UTF-8 show as replacement characters; the rules keep the real path.
  PathLabel->setText(QString::fromStdString(text));
}

void LaunchWindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  rules_.FrameClosed();
}

}  // namespace tarnwick::gui::qt
