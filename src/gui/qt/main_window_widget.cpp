#include "gui/qt/main_window_widget.h"

#include <QCloseEvent>
#include <QIcon>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {

MainWindowWidget::MainWindowWidget(MainWindow& rules)
    : List2(new QListWidget(this)),
      Command1(new QPushButton(texts::kAddButton, this)),
      Command3(new QPushButton(texts::kRemoveButton, this)),
      Command4(new WrappingButton(texts::kDeleteButton, this)),
      TrashAction(new QAction(texts::kTrashMenuItem, this)),
      LookFirstAction(new QAction(texts::kLookFirstMenuItem, this)),
      TakeBackAction(new QAction(texts::kTakeBackMenuItem, this)),
      ExcludedFoldersAction(new QAction(texts::kExcludedFoldersMenuItem, this)),
      rules_(rules) {
  setObjectName("Form1");
  setWindowTitle(texts::kMainWindowCaption);
  setWindowIcon(QIcon(":/tarnwick.png"));
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kMainWindow).size());

  List2->setObjectName("List2");
  List2->setGeometry(PixelRect(layout::kMainList));
  List2->setFont(UiFont(layout::kNormalPoints, true));
  List2->setSelectionMode(QAbstractItemView::SingleSelection);
  List2->setStyleSheet("QListWidget { color: black; background: white; }");
  Command1->setObjectName("Command1");
  Command1->setGeometry(PixelRect(layout::kMainAddButton));
  Command3->setObjectName("Command3");
  Command3->setGeometry(PixelRect(layout::kMainRemoveButton));
  Command4->setObjectName("Command4");
  Command4->setGeometry(PixelRect(layout::kMainDeleteButton));
  Command4->setFont(UiFont(layout::kLargePoints, true));
  setTabOrder(List2, Command1);
  setTabOrder(Command1, Command3);
  setTabOrder(Command3, Command4);
  List2->setAccessibleName(texts::kNameListAccessibleName);  // the list shows no caption
  List2->setFocus();  // when the window opens
  LetEnterPressButtons(*this);

  connect(List2, &QListWidget::itemSelectionChanged, this, [this] { rules_.List2Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { rules_.Command1Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { rules_.Command3Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { rules_.Command4Click(); });

  // A right click on the list or on the delete button offers the trash instead of deleting,
  // and a look at what was found first.
  TrashAction->setObjectName("TrashAction");
  LookFirstAction->setObjectName("LookFirstAction");
  TakeBackAction->setObjectName("TakeBackAction");
  TakeBackAction->setEnabled(false);
  ExcludedFoldersAction->setObjectName("ExcludedFoldersAction");
  for (QWidget* widget : {static_cast<QWidget*>(List2), static_cast<QWidget*>(Command4)}) {
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    widget->addAction(TrashAction);
    widget->addAction(LookFirstAction);
    widget->addAction(TakeBackAction);
    widget->addAction(ExcludedFoldersAction);
  }
  connect(TakeBackAction, &QAction::triggered, this, [this] { rules_.TakeBackItemClick(); });
  connect(ExcludedFoldersAction, &QAction::triggered, this,
          [this] { rules_.ExcludedFoldersItemClick(); });
  BindSwitch(TrashAction, [this] { rules_.TrashItemClick(); });
  BindSwitch(LookFirstAction, [this] { rules_.LookFirstItemClick(); });
}

// The rules set the check mark; a click only asks them.
void MainWindowWidget::BindSwitch(QAction* action, std::function<void()> click) {
  action->setCheckable(true);
  connect(action, &QAction::triggered, this, [action, click = std::move(click)] {
    action->setChecked(!action->isChecked());
    click();
  });
}

void MainWindowWidget::SetTrashChecked(bool checked) { TrashAction->setChecked(checked); }

void MainWindowWidget::SetLookFirstChecked(bool checked) { LookFirstAction->setChecked(checked); }

void MainWindowWidget::SetEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker blocker(List2);
  List2->clear();
  for (const auto& entry : entries) List2->addItem(QString::fromStdString(entry));
}

void MainWindowWidget::AppendEntry(const std::string& entry) {
  const QSignalBlocker blocker(List2);
  List2->addItem(QString::fromStdString(entry));
}

std::optional<int> MainWindowWidget::SelectedIndex() const {
  if (List2->selectedItems().isEmpty() || List2->currentRow() < 0) return std::nullopt;
  return List2->currentRow();
}

void MainWindowWidget::SetDeleteButtonTip(const std::string& tip) {
  Command4->setToolTip(QString::fromStdString(tip));
}

std::optional<std::string> MainWindowWidget::ChooseFolder(const std::string& caption,
                                                          const std::string& start) {
  return qt::ChooseFolder(this, caption, start);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  event->setAccepted(rules_.Unload());
}

}  // namespace tarnwick::gui::qt
