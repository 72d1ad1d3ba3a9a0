#include "windows/progress_window.h"

#include <QCloseEvent>
#include <QFontMetrics>

#include "windows/window_helpers.h"

namespace tarnwick::windows {

ProgressWindow::ProgressWindow(QWidget& owner, const std::string& title)
    : QDialog(&owner),
      HeadingLabel(new QLabel("Durchsuche:", this)),
      FolderLabel(new QLabel(this)),
      CountLabel(new QLabel(this)),
      DeletedLabel(new QLabel(this)),
      CancelButton(new QPushButton("Abbrechen", this)) {
  setObjectName("ProgressWindow");
  setWindowTitle(QString::fromStdString(title));
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(8.25));
  setFixedSize(TwipsRect(0, 0, 6000, 1800).size());

  HeadingLabel->setObjectName("HeadingLabel");
  HeadingLabel->setGeometry(TwipsRect(120, 120, 5760, 255));
  FolderLabel->setObjectName("FolderLabel");
  FolderLabel->setGeometry(TwipsRect(120, 390, 5760, 255));
  FolderLabel->setTextFormat(Qt::PlainText);
  CountLabel->setObjectName("CountLabel");
  CountLabel->setGeometry(TwipsRect(120, 720, 5760, 255));
  DeletedLabel->setObjectName("DeletedLabel");
  DeletedLabel->setGeometry(TwipsRect(120, 990, 5760, 255));
  DeletedLabel->hide();
  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(TwipsRect(4320, 1320, 1560, 375));
  connect(CancelButton, &QPushButton::clicked, this, &ProgressWindow::reject);

  // Centred on the window that owns it.
  const QRect ownerFrame = owner.frameGeometry();
  move(ownerFrame.center() - rect().center());
}

void ProgressWindow::ShowWalk(std::string_view folder, uint64_t folders, uint64_t files) {
  ShowFolder(folder);
  ShowCounts(folders, files);
  emit Refreshed();
}

void ProgressWindow::ShowDeletions(std::string_view root, uint64_t folders, uint64_t files,
                                   uint64_t deleted) {
  if (!stopRequested_) HeadingLabel->setText("Lösche die gefundenen Dateien in:");
  ShowFolder(root);
  ShowCounts(folders, files);
  DeletedLabel->setText(QString("Gelöscht: %1").arg(deleted));
  DeletedLabel->show();
  emit Refreshed();
}

void ProgressWindow::ShowCounts(uint64_t folders, uint64_t files) {
  CountLabel->setText(QString("Ordner: %1   Dateien: %2").arg(folders).arg(files));
}

void ProgressWindow::ShowFolder(std::string_view folder) {
  const QString text = QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
  FolderLabel->setText(FolderLabel->fontMetrics().elidedText(text, Qt::ElideMiddle,
                                                             FolderLabel->width()));
}

void ProgressWindow::reject() {
  // Stopping takes until the pass looks again; the window stays so the user sees it end.
  stopRequested_ = true;
  CancelButton->setEnabled(false);
  HeadingLabel->setText("Wird abgebrochen...");
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

}  // namespace tarnwick::windows
