#include "gui/qt/launch_window_widget.h"

#include <QCloseEvent>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

LaunchWindowWidget::LaunchWindowWidget(LaunchWindow& rules)
    : Label1(new QLabel(this)),
      Command1(new QPushButton(texts::kSearchPathButton, this)),
      Command2(new QPushButton(texts::kAddAndSearchPathButton, this)),
      rules_(rules) {
  setObjectName("Form3");
  setWindowTitle(texts::kLaunchWindowCaption);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kLaunchWindow).size());

  Label1->setObjectName("Label1");
  Label1->setGeometry(PixelRect(layout::kLaunchLabel));
  Label1->setTextFormat(Qt::PlainText);
  Command1->setObjectName("Command1");
  Command1->setGeometry(PixelRect(layout::kLaunchSearch));
  Command2->setObjectName("Command2");
  Command2->setGeometry(PixelRect(layout::kLaunchAddAndSearch));
  setTabOrder(Command1, Command2);
  Command1->setFocus();  // when the window opens
  LetEnterPressButtons(*this);

  connect(Command1, &QPushButton::clicked, this, [this] { rules_.Command1Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { rules_.Command2Click(); });
}

void LaunchWindowWidget::SetLabel(const std::string& text) {
  // Bytes that are not UTF-8 show as replacement characters; the rules keep the real path.
  Label1->setText(QString::fromStdString(text));
}

void LaunchWindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  rules_.FrameClosed();
}

}  // namespace tarnwick::gui::qt
