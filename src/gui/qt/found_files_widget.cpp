#include "gui/qt/found_files_widget.h"

#include <QCloseEvent>

#include "gui/layout.h"
#include "gui/qt/qt_support.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

FoundFilesWidget::FoundFilesWidget(FoundFilesWindow& rules, QWidget& owner)
    : QtWindow(&owner),
      FoundLabel(new QLabel(this)),
      FileList(new QListView(this)),
      TickAllButton(new QPushButton(texts::kTickAllButton, this)),
      TickNoneButton(new QPushButton(texts::kTickNoneButton, this)),
      DealButton(new QPushButton(this)),
      CancelButton(new QPushButton(texts::kCancelButton, this)),
      rules_(rules),
      model_(rules) {
  setObjectName("FoundFilesWindow");
  setWindowTitle(texts::kFoundFilesCaption);
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kFoundFilesWindow).size());

  FoundLabel->setObjectName("FoundLabel");
  FoundLabel->setGeometry(PixelRect(layout::kFoundLine));
  FileList->setObjectName("FileList");
  FileList->setGeometry(PixelRect(layout::kFoundList));
  FileList->setModel(&model_);
  FileList->setUniformItemSizes(true);  // rows are laid out without asking for each one
  FileList->setAccessibleName(texts::kFoundFilesAccessibleName);
  TickAllButton->setObjectName("TickAllButton");
  TickAllButton->setGeometry(PixelRect(layout::kFoundTickAll));
  TickNoneButton->setObjectName("TickNoneButton");
  TickNoneButton->setGeometry(PixelRect(layout::kFoundTickNone));
  DealButton->setObjectName("DealButton");
  DealButton->setGeometry(PixelRect(layout::kFoundDeal));
  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(PixelRect(layout::kFoundCancel));
  setTabOrder(FileList, TickAllButton);
  setTabOrder(TickAllButton, TickNoneButton);
  setTabOrder(TickNoneButton, DealButton);
  setTabOrder(DealButton, CancelButton);
  FileList->setFocus();
  ApplyKeyboardRules(*this);

  connect(TickAllButton, &QPushButton::clicked, this, [this] { rules_.AllClick(); });
  connect(TickNoneButton, &QPushButton::clicked, this, [this] { rules_.NoneClick(); });
  connect(DealButton, &QPushButton::clicked, this, [this] { rules_.DealClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { rules_.CancelClick(); });
}

void FoundFilesWidget::SetFoundLine(const std::string& text) {
  FoundLabel->setText(QString::fromStdString(text));
}

void FoundFilesWidget::SetDealCaption(const std::string& caption) {
  DealButton->setText(QString::fromStdString(caption));
}

void FoundFilesWidget::SetRowCount(size_t) { model_.Reset(*FileList); }

void FoundFilesWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CancelClick();
}

}  // namespace tarnwick::gui::qt
