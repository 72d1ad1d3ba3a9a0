#include "windows/launch_window.h"

#include <QCloseEvent>

#include "core/path_helpers.h"
#include "windows/window_helpers.h"

namespace tarnwick::windows {

LaunchWindow::LaunchWindow(core::AppState& state, MainWindow& mainWindow)
    : Label1(new QLabel(this)),
      Command1(new QPushButton("Pfad durchsuchen und gelistete Dateinamen finden und löschen", this)),
      Command2(new QPushButton("Dateiname zur Liste und Pfad durchsuchen und Dateiname löschen",
                               this)),
      state_(state),
      mainWindow_(mainWindow) {
  setObjectName("Form3");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Kelvane Brimlet");
  setFont(UiFont(8.25));
  setFixedSize(TwipsRect(0, 0, 11430, 870).size());

  Label1->setObjectName("Label1");
  Label1->setGeometry(TwipsRect(60, 120, 15315, 255));  // wider than the window: long paths are cut
  Label1->setTextFormat(Qt::PlainText);
  Command1->setObjectName("Command1");
  Command1->setGeometry(TwipsRect(60, 420, 5595, 435));
  Command2->setObjectName("Command2");
  Command2->setGeometry(TwipsRect(5820, 420, 5595, 435));
  setTabOrder(Command1, Command2);

  connect(Command1, &QPushButton::clicked, this, &LaunchWindow::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &LaunchWindow::Command2Click);
  CenterForm(*this);
}

void LaunchWindow::SetLabel(const std::string& path) {
  label_ = path;
  Label1->setText(QString::fromStdString(path));
}

void LaunchWindow::Command1Click() {
  state_.SearchRoot = label_;
  core::EnsureTrailingBackslash(state_.SearchRoot);
  ContinueIntoMainWindow();
}

void LaunchWindow::Command2Click() {
  state_.PendingName = std::string(core::FileNamePart(label_));
  mainWindow_.AppendName(state_.PendingName);
  ContinueIntoMainWindow();
}

void LaunchWindow::ContinueIntoMainWindow() {
  continued_ = true;
  mainWindow_.show();
  close();
}

void LaunchWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Closed by its frame: no window would be left, so the program ends as the main window does.
  if (!continued_) mainWindow_.close();
}

}  // namespace tarnwick::windows
