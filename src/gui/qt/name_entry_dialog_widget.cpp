#include "gui/qt/name_entry_dialog_widget.h"

#include <QCloseEvent>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

NameEntryDialogWidget::NameEntryDialogWidget(NameEntryDialog& rules, QWidget& owner)
    : QtWindow(&owner, Qt::Dialog),
      Text1(new QLineEdit(this)),
      Command1(new QPushButton(texts::kCancelButton, this)),
      Command2(new QPushButton(texts::kAcceptButton, this)),
      rules_(rules) {
  setObjectName("Form2");
  setWindowTitle(texts::kNameEntryCaption);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kNameEntry).size());

  Text1->setObjectName("Text1");
  Text1->setGeometry(PixelRect(layout::kNameEntryText));
  Text1->setFont(UiFont(layout::kLargePoints, true));
  Command1->setObjectName("Command1");
  Command1->setGeometry(PixelRect(layout::kNameEntryCancel));
  Command2->setObjectName("Command2");
  Command2->setGeometry(PixelRect(layout::kNameEntryAccept));
  Command2->setFont(UiFont(layout::kNormalPoints, true));
  setTabOrder(Text1, Command1);
  setTabOrder(Command1, Command2);
  Text1->setAccessibleName(texts::kNameEntryCaption);
  LetEnterPressButtons(*this);

  connect(Command2, &QPushButton::clicked, this, [this] { rules_.Command2Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { rules_.Command1Click(); });
}

void NameEntryDialogWidget::FocusText() {
  activateWindow();
  Text1->setFocus();
}

void NameEntryDialogWidget::BringToFront() {
  raise();
  activateWindow();
}

void NameEntryDialogWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  rules_.FrameClosed();
}

}  // namespace tarnwick::gui::qt
