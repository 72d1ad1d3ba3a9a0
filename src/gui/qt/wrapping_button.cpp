#include "gui/qt/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "gui/layout.h"

namespace tarnwick::gui::qt {

namespace {

constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;

// The button's font, made smaller step by step until the wrapped caption fits the area: a
// longer caption (the trash's) keeps every word instead of losing its last line.
QFont FittingFont(QFont font, const QRect& area, const QString& text) {
  while (font.pointSizeF() > layout::kSmallestPoints) {
    const QRect needed = QFontMetrics(font).boundingRect(area, kFlags, text);
    if (needed.height() <= area.height() && needed.width() <= area.width()) break;
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  return font;
}

}  // namespace

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
  const QRect textArea = rect().adjusted(margin, margin, -margin, -margin);
  painter.setFont(FittingFont(font(), textArea, text()));
  painter.drawItemText(textArea, kFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace tarnwick::gui::qt
