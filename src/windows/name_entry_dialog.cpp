#include "windows/name_entry_dialog.h"

#include "windows/window_helpers.h"

namespace tarnwick::windows {

NameEntryDialog::NameEntryDialog(core::AppState& state, QWidget* owner)
    : QWidget(owner, Qt::Dialog),
      Text1(new QLineEdit(this)),
      Command1(new QPushButton("Abbrechen", this)),
      Command2(new QPushButton("Übernehmen", this)),
      state_(state) {
  setObjectName("Form2");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Dateiname");
  setFont(UiFont(8.25));
  setFixedSize(TwipsRect(0, 0, 3600, 975).size());

  Text1->setObjectName("Text1");
  Text1->setGeometry(TwipsRect(60, 120, 3495, 360));
  Text1->setFont(UiFont(9.75, true));
  Command1->setObjectName("Command1");
  Command1->setGeometry(TwipsRect(60, 600, 1695, 375));
  Command2->setObjectName("Command2");
  Command2->setGeometry(TwipsRect(1860, 600, 1695, 375));
  Command2->setFont(UiFont(8.25, true));
  setTabOrder(Text1, Command1);
  setTabOrder(Command1, Command2);

  connect(Command2, &QPushButton::clicked, this, &NameEntryDialog::Command2Click);
  connect(Command1, &QPushButton::clicked, this, &NameEntryDialog::Command1Click);

  MakeTopmost(*this);
  CenterForm(*this);
}

void NameEntryDialog::Command2Click() {
  state_.NameAccepted = 1;
  state_.PendingName = Text1->text().toStdString();
  close();
}

void NameEntryDialog::Command1Click() {
  Text1->clear();
  close();
}

}  // namespace tarnwick::windows
