#include "windows/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarnwick::windows {

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

}  // namespace tarnwick::windows
