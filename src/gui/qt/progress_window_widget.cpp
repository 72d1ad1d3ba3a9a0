#include "gui/qt/progress_window_widget.h"

#include <QCloseEvent>
#include <QFontMetrics>

#include "gui/layout.h"
#include "gui/qt/qt_support.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

ProgressWindowWidget::ProgressWindowWidget(PassProgress& rules, QWidget& owner,
                                           const std::string& title)
    : QDialog(&owner),
      HeadingLabel(new QLabel(this)),
      FolderLabel(new QLabel(this)),
      CountLabel(new QLabel(this)),
      DeletedLabel(new QLabel(this)),
      Bar(new QProgressBar(this)),
      CancelButton(new QPushButton(texts::kCancelButton, this)),
      rules_(rules) {
  setObjectName("ProgressWindow");
  setWindowTitle(QString::fromStdString(title));
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kProgressWindow).size());

  HeadingLabel->setObjectName("HeadingLabel");
  HeadingLabel->setGeometry(PixelRect(layout::kProgressHeading));
  FolderLabel->setObjectName("FolderLabel");
  FolderLabel->setGeometry(PixelRect(layout::kProgressFolder));
  FolderLabel->setTextFormat(Qt::PlainText);
  CountLabel->setObjectName("CountLabel");
  CountLabel->setGeometry(PixelRect(layout::kProgressCounts));
  DeletedLabel->setObjectName("DeletedLabel");
  DeletedLabel->setGeometry(PixelRect(layout::kProgressDeleted));
  DeletedLabel->hide();
  Bar->setObjectName("Bar");
  Bar->setGeometry(PixelRect(layout::kProgressBar));
  Bar->setTextVisible(false);
  Bar->setAccessibleName(texts::kProgressBarAccessibleName);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(PixelRect(layout::kProgressCancel));
  connect(CancelButton, &QPushButton::clicked, this, [this] { rules_.CancelClick(); });
  ApplyKeyboardRules(*this);

  const QRect ownerFrame = owner.frameGeometry();
  move(ownerFrame.center() - rect().center());
}

void ProgressWindowWidget::SetHeading(const std::string& text) {
  HeadingLabel->setText(QString::fromStdString(text));
}

void ProgressWindowWidget::SetFolder(std::string_view folder) {
  const QString text = QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
  FolderLabel->setText(
      FolderLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, FolderLabel->width()));
}

void ProgressWindowWidget::SetCounts(const std::string& text) {
  CountLabel->setText(QString::fromStdString(text));
}

void ProgressWindowWidget::SetDeleted(const std::string& text) {
  DeletedLabel->setText(QString::fromStdString(text));
  DeletedLabel->show();
}

void ProgressWindowWidget::SetProgress(std::optional<double> done) {
  constexpr int kSteps = 1000;
  if (!done) {
    Bar->setRange(0, 0);  // Qt's busy bar
    return;
  }
  Bar->setRange(0, kSteps);
  Bar->setValue(static_cast<int>(*done * kSteps));
}

void ProgressWindowWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CancelClick();
}

}  // namespace tarnwick::gui::qt
