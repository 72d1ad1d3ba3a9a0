#include "gui/qt/name_entry_dialog_widget.h"

#include <QCloseEvent>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

NameEntryDialogWidget::NameEntryDialogWidget(NameEntryDialog& rules, QWidget& owner)
    : QtWindow(&owner, Qt::Dialog),
      NameText(new QLineEdit(this)),
      CancelButton(new QPushButton(texts::kCancelButton, this)),
      AcceptButton(new QPushButton(texts::kAcceptButton, this)),
      rules_(rules) {
  setObjectName("NameEntryDialog");
  setWindowTitle(texts::kNameEntryCaption);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kNameEntry).size());

  NameText->setObjectName("NameText");
  NameText->setGeometry(PixelRect(layout::kNameEntryText));
  NameText->setFont(UiFont(layout::kLargePoints, true));
  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(PixelRect(layout::kNameEntryCancel));
  AcceptButton->setObjectName("AcceptButton");
  AcceptButton->setGeometry(PixelRect(layout::kNameEntryAccept));
  AcceptButton->setFont(UiFont(layout::kNormalPoints, true));
  setTabOrder(NameText, CancelButton);
  setTabOrder(CancelButton, AcceptButton);
  NameText->setAccessibleName(texts::kNameEntryCaption);
  ApplyKeyboardRules(*this);

  connect(AcceptButton, &QPushButton::clicked, this, [this] { rules_.AcceptClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { rules_.CancelClick(); });
}

void NameEntryDialogWidget::FocusText() {
  activateWindow();
  NameText->setFocus();
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
