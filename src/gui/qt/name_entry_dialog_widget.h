// The name entry dialog in Qt: its text box and two buttons.
#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "gui/name_entry_dialog.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// A plain window rather than a QDialog, so that neither Enter nor Escape closes it.
class NameEntryDialogWidget : public QtWindow<NameEntryDialogView> {
 public:
  NameEntryDialogWidget(NameEntryDialog& rules, QWidget& owner);

  std::string Text() const override { return NameText->text().toStdString(); }
  void SetText(const std::string& text) override { NameText->setText(QString::fromStdString(text)); }
  void FocusText() override;
  void BringToFront() override;

  QLineEdit* const NameText;
  QPushButton* const CancelButton;
  QPushButton* const AcceptButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  NameEntryDialog& rules_;
};

}  // namespace tarnwick::gui::qt
