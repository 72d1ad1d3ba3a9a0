#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarnwick::testing {

// Runs `action` on the first visible top-level widget named `objectName` (of type T) as soon as
// one appears, from inside whatever event loop is running then: a nested wait or a modal box.
template <typename T>
void WhenShown(const QString& objectName, std::function<void(T*)> action) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, objectName, action] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* match = dynamic_cast<T*>(widget);
      if (match != nullptr && widget->isVisible() && widget->objectName() == objectName) {
        timer->stop();
        timer->deleteLater();
        action(match);
        return;
      }
    }
  });
  timer->start(5);
}

struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Answers the next message box by pressing the button with `answer` as its text, and keeps
// what the box showed in `seen`.
inline void AnswerMessageBox(const QString& objectName, const QString& answer, SeenMessage& seen) {
  WhenShown<QMessageBox>(objectName, [answer, &seen](QMessageBox* box) {
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    QPushButton* chosen = nullptr;
    for (QAbstractButton* button : box->buttons()) {
      seen.buttons << button->text();
      if (button->text() == answer) chosen = qobject_cast<QPushButton*>(button);
    }
    if (chosen != nullptr) chosen->click();
  });
}

}  // namespace tarnwick::testing
