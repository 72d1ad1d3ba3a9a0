#include "gui/qt/passes_widget.h"

#include <QCloseEvent>
#include <QHeaderView>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

PassesWidget::PassesWidget(PassesWindow& rules, QWidget& owner)
    : QtWindow(&owner),
      PassList(new QTreeWidget(this)),
      TakeBackButton(new QPushButton(texts::kTakeBackButton, this)),
      FilesButton(new QPushButton(texts::kFilesButton, this)),
      CloseButton(new QPushButton(texts::kCloseButton, this)),
      rules_(rules) {
  setObjectName("PassesWindow");
  setWindowTitle(texts::kPassesCaption);
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kPassesWindow).size());

  PassList->setObjectName("PassList");
  PassList->setGeometry(PixelRect(layout::kPassesList));
  PassList->setRootIsDecorated(false);
  PassList->setSelectionMode(QAbstractItemView::SingleSelection);
  PassList->setAccessibleName(texts::kPassesAccessibleName);
  QStringList headers;
  for (const char* column : texts::kPassesColumns) headers << column;
  PassList->setHeaderLabels(headers);
  PassList->header()->setStretchLastSection(false);
  PassList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  PassList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  PassList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  PassList->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
  TakeBackButton->setObjectName("TakeBackButton");
  TakeBackButton->setGeometry(PixelRect(layout::kPassesTakeBack));
  FilesButton->setObjectName("FilesButton");
  FilesButton->setGeometry(PixelRect(layout::kPassesFiles));
  CloseButton->setObjectName("CloseButton");
  CloseButton->setGeometry(PixelRect(layout::kPassesClose));
  setTabOrder(PassList, TakeBackButton);
  setTabOrder(TakeBackButton, FilesButton);
  setTabOrder(FilesButton, CloseButton);
  PassList->setFocus();
  ApplyKeyboardRules(*this);

  connect(PassList, &QTreeWidget::itemSelectionChanged, this, [this] { rules_.ListClick(); });
  connect(TakeBackButton, &QPushButton::clicked, this, [this] { rules_.TakeBackClick(); });
  connect(FilesButton, &QPushButton::clicked, this, [this] { rules_.FilesClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { rules_.CloseClick(); });
}

void PassesWidget::SetRows(const std::vector<std::vector<std::string>>& rows,
                           std::optional<int> selected) {
  const QSignalBlocker quiet(PassList);  // a refill is no selection by the user
  PassList->clear();
  for (const auto& row : rows) {
    QStringList columns;
    for (const std::string& column : row) columns << QString::fromStdString(column);
    PassList->addTopLevelItem(new QTreeWidgetItem(columns));
  }
  if (selected) PassList->setCurrentItem(PassList->topLevelItem(*selected));
}

std::optional<int> PassesWidget::SelectedIndex() const {
  const auto selected = PassList->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return PassList->indexOfTopLevelItem(selected.front());
}

void PassesWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CloseClick();
}

PassFilesWidget::PassFilesWidget(PassFilesWindow& rules, QWidget& owner)
    : QtWindow(&owner),
      Line(new QLabel(texts::kPassFilesLine, this)),
      FileList(new QListView(this)),
      TickAllButton(new QPushButton(texts::kTickAllButton, this)),
      TickNoneButton(new QPushButton(texts::kTickNoneButton, this)),
      TakeBackButton(new QPushButton(texts::kTakeBackButton, this)),
      CloseButton(new QPushButton(texts::kCloseButton, this)),
      rules_(rules),
      model_(rules) {
  setObjectName("PassFilesWindow");
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kFoundFilesWindow).size());

  Line->setObjectName("Line");
  Line->setGeometry(PixelRect(layout::kFoundLine));
  FileList->setObjectName("FileList");
  FileList->setGeometry(PixelRect(layout::kFoundList));
  FileList->setModel(&model_);
  FileList->setUniformItemSizes(true);
  FileList->setAccessibleName(texts::kPassFilesAccessibleName);
  TickAllButton->setObjectName("TickAllButton");
  TickAllButton->setGeometry(PixelRect(layout::kFoundTickAll));
  TickNoneButton->setObjectName("TickNoneButton");
  TickNoneButton->setGeometry(PixelRect(layout::kFoundTickNone));
  TakeBackButton->setObjectName("TakeBackButton");
  TakeBackButton->setGeometry(PixelRect(layout::kFoundDeal));
  CloseButton->setObjectName("CloseButton");
  CloseButton->setGeometry(PixelRect(layout::kFoundCancel));
  setTabOrder(FileList, TickAllButton);
  setTabOrder(TickAllButton, TickNoneButton);
  setTabOrder(TickNoneButton, TakeBackButton);
  setTabOrder(TakeBackButton, CloseButton);
  FileList->setFocus();
  ApplyKeyboardRules(*this);

  connect(TickAllButton, &QPushButton::clicked, this, [this] { rules_.AllClick(); });
  connect(TickNoneButton, &QPushButton::clicked, this, [this] { rules_.NoneClick(); });
  connect(TakeBackButton, &QPushButton::clicked, this, [this] { rules_.TakeBackClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { rules_.CloseClick(); });
}

void PassFilesWidget::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void PassFilesWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CloseClick();
}

}  // namespace tarnwick::gui::qt
