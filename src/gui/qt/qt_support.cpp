#include "gui/qt/qt_support.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "texts/texts.h"

namespace tarnwick::gui::qt {
namespace {

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

TwipsSize Twips(QSize pixels) {
  return {float(pixels.width() * kTwipsPerPixel), float(pixels.height() * kTwipsPerPixel)};
}

const QScreen* ScreenOf(const QWidget& window) {
  return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

// Turns Enter on a button into a click of it.
class EnterClicks : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

// Keeps Enter in a list to itself, and lets the first key that moves in a list with nothing
// selected select the current row.
class ListKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* list = static_cast<QAbstractItemView*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    const bool moves = key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home ||
                       key == Qt::Key_End || key == Qt::Key_PageDown || key == Qt::Key_PageUp;
    if (!moves || list->model() == nullptr || list->model()->rowCount() == 0 ||
        list->selectionModel()->hasSelection()) {
      return false;
    }
    QModelIndex row = list->currentIndex();
    if (!row.isValid() || key == Qt::Key_Home) row = list->model()->index(0, 0);
    if (key == Qt::Key_End) row = list->model()->index(list->model()->rowCount() - 1, 0);
    list->setCurrentIndex(row);  // selects it, as a single-selection list does
    list->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect |
                                            QItemSelectionModel::Rows);
    return true;
  }
};

// Shift+F10 opens a widget's own menu, as the Menu key does.
class MenuKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->key() != Qt::Key_F10 || press->modifiers() != Qt::ShiftModifier) return false;
    auto* widget = static_cast<QWidget*>(watched);
    QContextMenuEvent open(QContextMenuEvent::Keyboard, widget->rect().center(),
                           widget->mapToGlobal(widget->rect().center()));
    QCoreApplication::sendEvent(widget, &open);
    return true;
  }
};

}  // namespace

void ApplyKeyboardRules(QWidget& window) {
  auto* enter = new EnterClicks(&window);
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(enter);
  }
  auto* lists = new ListKeys(&window);
  for (QAbstractItemView* list : window.findChildren<QAbstractItemView*>()) {
    list->installEventFilter(lists);
  }
  auto* menuKey = new MenuKey(&window);
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->contextMenuPolicy() == Qt::ActionsContextMenu) widget->installEventFilter(menuKey);
  }
}

void EnableKeepingFocus(QWidget& control, bool enabled, QWidget& fallback) {
  if (!enabled && control.hasFocus()) fallback.setFocus(Qt::TabFocusReason);
  control.setEnabled(enabled);
}

QRect PixelRect(TwipsRect twips) {
  return QRect(ToPixels(twips.left), ToPixels(twips.top), ToPixels(twips.width),
               ToPixels(twips.height));
}

QFont UiFont(double points, bool bold) {
  QFont font;
  font.setFamilies({"MS Sans Serif", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

TwipsSize ScreenTwips(const QWidget& window) {
  const QScreen* screen = ScreenOf(window);
  return screen != nullptr ? Twips(screen->geometry().size()) : TwipsSize{};
}

TwipsSize OuterTwips(const QWidget& window) { return Twips(window.frameGeometry().size()); }

void MoveWindow(QWidget& window, TwipsPosition position) {
  const QScreen* screen = ScreenOf(window);
  const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  window.move(origin.x() + position.left / kTwipsPerPixel,
              origin.y() + position.top / kTwipsPerPixel);
}

void ShowMessageBox(QWidget* owner, const std::string& prompt, MessageKind kind,
                    const std::string& title) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case MessageKind::kInformation: icon = QMessageBox::Information; break;
    case MessageKind::kWarning: icon = QMessageBox::Warning; break;
    case MessageKind::kCritical: icon = QMessageBox::Critical; break;
    case MessageKind::kQuestion: icon = QMessageBox::Question; break;
  }
  QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(prompt),
                  QMessageBox::NoButton, owner);
  box.setObjectName("MessageBox");
  box.addButton(texts::kOkButton, QMessageBox::AcceptRole);
  box.exec();
}

bool AskYesNo(QWidget* owner, const std::string& prompt, const std::string& title) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                  QString::fromStdString(prompt), QMessageBox::NoButton, owner);
  box.setObjectName("QuestionBox");
  QPushButton* yes = box.addButton(texts::kYesButton, QMessageBox::YesRole);
  box.addButton(texts::kNoButton, QMessageBox::NoRole);
  box.exec();
  return box.clickedButton() == yes;
}

std::optional<std::string> ChooseFolder(QWidget* owner, const std::string& caption,
                                        const std::string& start) {
  const QString folder = QFileDialog::getExistingDirectory(
      owner, QString::fromStdString(caption), QFile::decodeName(start.c_str()));
  if (folder.isEmpty()) return std::nullopt;
  return QFile::encodeName(folder).toStdString();
}

}  // namespace tarnwick::gui::qt
