#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "gui/name_entry_dialog.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// Form2's widgets: a plain window rather than a QDialog, so that neither Enter nor Escape
// closes it.
class NameEntryDialogWidget : public QtWindow<NameEntryDialogView> {
 public:
  NameEntryDialogWidget(NameEntryDialog& rules, QWidget& owner);

  std::string Text() const override { return Text1->text().toStdString(); }
  void SetText(const std::string& text) override { Text1->setText(QString::fromStdString(text)); }
  void FocusText() override;
  void BringToFront() override;

  QLineEdit* const Text1;
  QPushButton* const Command1;  // "Abbrechen"
  QPushButton* const Command2;  // "Übernehmen"

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  NameEntryDialog& rules_;
};

}  // namespace tarnwick::gui::qt
