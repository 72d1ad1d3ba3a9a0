#include "gui/qt/main_window_widget.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QShortcut>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

MainWindowWidget::MainWindowWidget(MainWindow& rules)
    : MenuBar(new QMenuBar(this)),
      Client(new QWidget(this)),
      NamesList(new QListWidget(Client)),
      AddNameButton(new QPushButton(texts::kAddButton, Client)),
      RemoveNameButton(new QPushButton(texts::kRemoveButton, Client)),
      DeleteButton(new WrappingButton(texts::kDeleteButton, Client)),
      rules_(rules) {
  setObjectName("MainWindow");
  setWindowTitle(texts::kMainWindowCaption);
  setWindowIcon(QIcon(":/tarnwick.png"));
  setFont(UiFont(layout::kNormalPoints));

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

  connect(NamesList, &QListWidget::itemSelectionChanged, this, [this] { rules_.NameListClick(); });
  connect(AddNameButton, &QPushButton::clicked, this, [this] { rules_.AddNameClick(); });
  connect(RemoveNameButton, &QPushButton::clicked, this, [this] { rules_.RemoveNameClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { rules_.DeleteClick(); });
  MakeMenus();

  // The client area keeps its described size; the menu bar stands above it.
  const QSize client = PixelRect(layout::kMainWindow).size();
  const int bar = MenuBar->sizeHint().height();
  MenuBar->setGeometry(0, 0, client.width(), bar);
  Client->setGeometry(0, bar, client.width(), client.height());
  setFixedSize(client.width(), bar + client.height());
  NamesList->setFocus();  // when the window opens
  ApplyKeyboardRules(*this);
}

void MainWindowWidget::MakeMenus() {
  std::map<BarMenu, QMenu*> menus;
  for (const BarMenuEntry& entry : kMenuBar) {
    menus[entry.menu] = MenuBar->addMenu(entry.text);
  }
  for (const MenuItemEntry& entry : kMainWindowMenu) {
    auto* action = new QAction(entry.text, this);
    action->setCheckable(entry.checkable);
    connect(action, &QAction::triggered, this, [this, action, item = entry.item] {
      // The rules set the check mark; a click only asks them.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      rules_.MenuItemClick(item);
    });
    actions_[entry.item] = action;
    menus.at(entry.menu)->addAction(action);
  }
  // A right click on the list or on the delete button offers the items of its own menu.
  for (QWidget* widget : {static_cast<QWidget*>(NamesList), static_cast<QWidget*>(DeleteButton)}) {
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const MenuItem item : kContextMenu) widget->addAction(Action(item));
  }
  Action(MenuItem::kTakeBack)->setEnabled(false);
  // F10 opens the menu bar, as it does in the desktops' own programs.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, this, [this] {
    MenuBar->setActiveAction(MenuBar->actions().front());
  });
}

void MainWindowWidget::EnableRemoveButton(bool enabled) {
  EnableKeepingFocus(*RemoveNameButton, enabled, *NamesList);
}

void MainWindowWidget::EnableDeleteButton(bool enabled) {
  EnableKeepingFocus(*DeleteButton, enabled, *NamesList);
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

void MainWindowWidget::SetDeleteButtonCaption(const std::string& caption) {
  DeleteButton->setText(QString::fromStdString(caption));
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
