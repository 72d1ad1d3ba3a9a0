#include "windows/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QIcon>
#include <optional>

#include "core/name_list_store.h"
#include "engine/delete_pass.h"
#include "windows/pass_progress.h"
#include "windows/window_helpers.h"

namespace tarnwick::windows {
MainWindow::MainWindow(core::AppState& state, engine::HelperObjects& helpers)
    : List2(new QListWidget(this)),
      Command1(new QPushButton("neuer Dateiname...", this)),
      Command3(new QPushButton("Dateiname entfernen...", this)),
      Command4(new WrappingButton("Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen",
                                  this)),
      state_(state),
      helpers_(helpers) {
  setObjectName("Form1");
  setWindowTitle(core::kApplicationCaption);
  setWindowIcon(QIcon(":/tarnwick.png"));
  setFont(UiFont(8.25));
  setFixedSize(TwipsRect(0, 0, 2535, 6225).size());

  List2->setObjectName("List2");
  List2->setGeometry(TwipsRect(60, 120, 2415, 3765));
  List2->setFont(UiFont(8.25, true));
  List2->setSelectionMode(QAbstractItemView::SingleSelection);
  List2->setStyleSheet("QListWidget { color: black; background: white; }");
  Command1->setObjectName("Command1");
  Command1->setGeometry(TwipsRect(60, 4020, 2415, 375));
  Command3->setObjectName("Command3");
  Command3->setGeometry(TwipsRect(60, 4440, 2415, 375));
  Command3->setEnabled(false);
  Command4->setObjectName("Command4");
  Command4->setGeometry(TwipsRect(60, 4860, 2415, 1335));
  Command4->setFont(UiFont(9.75, true));
  Command4->setEnabled(false);
  setTabOrder(List2, Command1);
  setTabOrder(Command1, Command3);
  setTabOrder(Command3, Command4);

  connect(List2, &QListWidget::itemSelectionChanged, this, &MainWindow::List2Click);
  connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1Click);
  connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3Click);
  connect(Command4, &QPushButton::clicked, this, &MainWindow::Command4Click);

  CenterForm(*this);
}

void MainWindow::ShowNames() {
  const QSignalBlocker blocker(List2);
  List2->clear();
  for (const auto& name : names_.Entries()) List2->addItem(QString::fromStdString(name));
  UpdateDeleteButton();
}

void MainWindow::AppendName(const std::string& name) {
  if (!names_.Append(name)) return;
  const QSignalBlocker blocker(List2);
  List2->addItem(QString::fromStdString(name));
  UpdateDeleteButton();
}

void MainWindow::UpdateDeleteButton() { Command4->setEnabled(names_.Count() > 0); }

void MainWindow::List2Click() {
  const int row = List2->currentRow();
  const bool selected = row >= 0 && row < names_.Count() && !List2->selectedItems().isEmpty();
  Command3->setEnabled(selected && !names_.At(static_cast<int16_t>(row)).empty());
}

void MainWindow::Command1Click() {
  if (dialog_) {
    // One wait at a time: a second click brings the open dialog to the front.
    dialog_->raise();
    dialog_->activateWindow();
    return;
  }
  state_.NameAccepted = 0;
  dialog_ = new NameEntryDialog(state_, this);
  dialog_->Text1->clear();
  QEventLoop wait;
  connect(dialog_, &QObject::destroyed, &wait, &QEventLoop::quit);
  dialog_->show();
  dialog_->activateWindow();
  dialog_->Text1->setFocus();
  wait.exec();  // sleeps until events arrive; other handlers run meanwhile
  if (!closing_ && state_.NameAccepted == 1) AppendName(state_.PendingName);
}

void MainWindow::Command3Click() {
  const int row = List2->currentRow();
  if (row < 0 || row >= names_.Count() || List2->selectedItems().isEmpty()) return;
  const std::string name = names_.At(static_cast<int16_t>(row));
  if (name.empty()) return;
  if (!AskYesNo(this, "Soll der Dateiname '" + name + "' entfernt werden ?",
                core::kApplicationCaption)) {
    return;
  }
  names_.RemoveEvery(name);
  // The remove button keeps its state until the next selection.
  ShowNames();
}

void MainWindow::Command4Click() {
  if (passRunning_) return;  // a pass is already running further down this stack
  passRunning_ = true;
  std::optional<engine::DeleteReport> report;
  {
    PassProgress progress(*this, state_.AppTitle, state_.SearchRoot, progressDelay_, closing_,
                          [this](ProgressWindow* window) { emit progressWindowOpened(window); });
    report = engine::DeleteListedFiles(state_.SearchRoot, names_, helpers_, progress);
  }
  passRunning_ = false;
  if (!report || closing_) return;
  std::string title;
  ShowMessage(this, report->Text(), report->MessageKind(), title, state_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  if (core::SaveNameList(state_, names_)) {
    std::string title;
    ShowMessage(this, "Die Liste konnte nicht gespeichert werden: " + state_.SettingsPath, 3,
                title, state_);
  }
  // Ends every event loop, the waits of an add action or a delete pass included.
  QCoreApplication::exit(0);
}

}  // namespace tarnwick::windows
