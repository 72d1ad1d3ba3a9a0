#include "gui/qt/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarnwick::gui::qt {

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
  const QRect textArea = rect().adjusted(margin, margin, -margin, -margin);
  painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                       text(), QPalette::ButtonText);
}

}  // namespace tarnwick::gui::qt
