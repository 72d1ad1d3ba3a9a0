#include "gui/qt/main_window_widget.h"

#include <QCloseEvent>
#include <QIcon>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

MainWindowWidget::MainWindowWidget(MainWindow& rules)
    : NamesList(new QListWidget(this)),
      AddNameButton(new QPushButton(texts::kAddButton, this)),
      RemoveNameButton(new QPushButton(texts::kRemoveButton, this)),
      DeleteButton(new WrappingButton(texts::kDeleteButton, this)),
      rules_(rules) {
  setObjectName("MainWindow");
  setWindowTitle(texts::kMainWindowCaption);
  setWindowIcon(QIcon(":/tarnwick.png"));
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kMainWindow).size());

  NamesList->setObjectName("NamesList");
  NamesList->setGeometry(PixelRect(layout::kMainList));
  NamesList->setFont(UiFont(layout::kNormalPoints, true));
  NamesList->setSelectionMode(QAbstractItemView::SingleSelection);
  NamesList->setStyleSheet("QListWidget { color: black; background: white; }");
  AddNameButton->setObjectName("AddNameButton");
  AddNameButton->setGeometry(PixelRect(layout::kMainAddButton));
  RemoveNameButton->setObjectName("RemoveNameButton");
  RemoveNameButton->setGeometry(PixelRect(layout::kMainRemoveButton));
  DeleteButton->setObjectName("DeleteButton");
  DeleteButton->setGeometry(PixelRect(layout::kMainDeleteButton));
  DeleteButton->setFont(UiFont(layout::kLargePoints, true));
  setTabOrder(NamesList, AddNameButton);
  setTabOrder(AddNameButton, RemoveNameButton);
  setTabOrder(RemoveNameButton, DeleteButton);
  NamesList->setAccessibleName(texts::kNameListAccessibleName);  // the list shows no caption
  NamesList->setFocus();  // when the window opens
  LetEnterPressButtons(*this);

  connect(NamesList, &QListWidget::itemSelectionChanged, this, [this] { rules_.NameListClick(); });
  connect(AddNameButton, &QPushButton::clicked, this, [this] { rules_.AddNameClick(); });
  connect(RemoveNameButton, &QPushButton::clicked, this, [this] { rules_.RemoveNameClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { rules_.DeleteClick(); });
  MakeActions();
}

void MainWindowWidget::MakeActions() {
  for (const MenuItemEntry& entry : kMainWindowMenu) {
    auto* action = new QAction(entry.text, this);
    action->setCheckable(entry.checkable);
    connect(action, &QAction::triggered, this, [this, action, item = entry.item] {
      // The rules set the check mark; a click only asks them.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      rules_.MenuItemClick(item);
    });
    actions_[entry.item] = action;
  }
  // A right click on the list or on the delete button offers the items.
  for (QWidget* widget : {static_cast<QWidget*>(NamesList), static_cast<QWidget*>(DeleteButton)}) {
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const MenuItemEntry& entry : kMainWindowMenu) widget->addAction(Action(entry.item));
  }
  Action(MenuItem::kTakeBack)->setEnabled(false);
}

void MainWindowWidget::SetEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker blocker(NamesList);
  NamesList->clear();
  for (const auto& entry : entries) NamesList->addItem(QString::fromStdString(entry));
}

void MainWindowWidget::AppendEntry(const std::string& entry) {
  const QSignalBlocker blocker(NamesList);
  NamesList->addItem(QString::fromStdString(entry));
}

std::optional<int> MainWindowWidget::SelectedIndex() const {
  if (NamesList->selectedItems().isEmpty() || NamesList->currentRow() < 0) return std::nullopt;
  return NamesList->currentRow();
}

void MainWindowWidget::SetDeleteButtonTip(const std::string& tip) {
  DeleteButton->setToolTip(QString::fromStdString(tip));
}

std::optional<std::string> MainWindowWidget::ChooseFolder(const std::string& caption,
                                                          const std::string& start) {
  return qt::ChooseFolder(this, caption, start);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  event->setAccepted(rules_.Unload());
}

}  // namespace tarnwick::gui::qt
