#include "gui/qt/excluded_folders_widget.h"

#include <QCloseEvent>
#include <QFile>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

ExcludedFoldersWidget::ExcludedFoldersWidget(ExcludedFoldersWindow& rules, QWidget& owner)
    : QtWindow(&owner),
      FolderList(new QListWidget(this)),
      AddButton(new QPushButton(texts::kAddFolderButton, this)),
      RemoveButton(new QPushButton(texts::kRemoveFolderButton, this)),
      CloseButton(new QPushButton(texts::kCloseButton, this)),
      rules_(rules) {
  setObjectName("ExcludedFoldersWindow");
  setWindowTitle(texts::kExcludedFoldersCaption);
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kExcludedFoldersWindow).size());

  FolderList->setObjectName("FolderList");
  FolderList->setGeometry(PixelRect(layout::kExcludedList));
  FolderList->setSelectionMode(QAbstractItemView::SingleSelection);
  FolderList->setAccessibleName(texts::kExcludedFoldersCaption);  // the list shows no caption
  AddButton->setObjectName("AddButton");
  AddButton->setGeometry(PixelRect(layout::kExcludedAdd));
  RemoveButton->setObjectName("RemoveButton");
  RemoveButton->setGeometry(PixelRect(layout::kExcludedRemove));
  CloseButton->setObjectName("CloseButton");
  CloseButton->setGeometry(PixelRect(layout::kExcludedClose));
  setTabOrder(FolderList, AddButton);
  setTabOrder(AddButton, RemoveButton);
  setTabOrder(RemoveButton, CloseButton);
  FolderList->setFocus();  // when the window opens, as in the other windows
  ApplyKeyboardRules(*this);

  connect(FolderList, &QListWidget::itemSelectionChanged, this, [this] { rules_.ListClick(); });
  connect(AddButton, &QPushButton::clicked, this, [this] { rules_.AddClick(); });
  connect(RemoveButton, &QPushButton::clicked, this, [this] { rules_.RemoveClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { rules_.CloseClick(); });
}

void ExcludedFoldersWidget::SetEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker quiet(FolderList);  // a refill is no selection by the user
  FolderList->clear();
  for (const std::string& entry : entries) {
    FolderList->addItem(QFile::decodeName(entry.c_str()));  // the file system's own bytes
  }
}

std::optional<int> ExcludedFoldersWidget::SelectedIndex() const {
  const auto selected = FolderList->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return FolderList->row(selected.front());
}

void ExcludedFoldersWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CloseClick();
}

}  // namespace tarnwick::gui::qt
