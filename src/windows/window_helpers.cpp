#include "windows/window_helpers.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tarnwick::windows {
namespace {

// Nearest whole number, ties to the even neighbour; nothing outside the 32-bit range.
std::optional<int64_t> Nearest(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
  return static_cast<int64_t>(rounded);
}

std::optional<int32_t> HalfDifference(double outer, double inner) {
  const auto a = Nearest(outer);
  const auto b = Nearest(inner);
  if (!a || !b) return std::nullopt;
  const int64_t difference = *a / 2 - *b / 2;  // integer division truncates toward zero
  if (difference < INT32_MIN || difference > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(difference);
}

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

}  // namespace

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

std::optional<TwipsPosition> CenteredPosition(float screenWidth, float screenHeight,
                                              float windowWidth, float windowHeight) {
  const double usableHeight = static_cast<double>(screenHeight) * 0.85;
  if (!std::isfinite(usableHeight)) return std::nullopt;
  const auto top = HalfDifference(usableHeight, windowHeight);
  const auto left = HalfDifference(screenWidth, windowWidth);
  if (!top || !left) return std::nullopt;
  return TwipsPosition{std::max(*top, 0), std::max(*left, 0)};
}

void CenterForm(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize outer = window.frameGeometry().size();
  const auto position =
      CenteredPosition(float(area.width() * kTwipsPerPixel), float(area.height() * kTwipsPerPixel),
                       float(outer.width() * kTwipsPerPixel), float(outer.height() * kTwipsPerPixel));
  if (!position) return;
  window.move(area.left() + position->left / kTwipsPerPixel,
              area.top() + position->top / kTwipsPerPixel);
}

void MakeTopmost(QWidget& window) {
  window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  QCoreApplication::processEvents();
}

void ShowMessage(QWidget* parent, const std::string& prompt, int16_t kind, std::string& title,
                 const core::AppState& state) {
  if (title.empty()) title = state.AppTitle;
  QMessageBox::Icon icon;
  switch (kind) {
    case 1: icon = QMessageBox::Information; break;
    case 2: icon = QMessageBox::Warning; break;
    case 3: icon = QMessageBox::Critical; break;
    case 4: icon = QMessageBox::Question; break;
    default: return;
  }
  QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(prompt),
                  QMessageBox::NoButton, parent);
  box.setObjectName("MessageBox");
  box.addButton("OK", QMessageBox::AcceptRole);
  box.exec();
}

bool AskYesNo(QWidget* parent, const std::string& prompt, const std::string& title) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                  QString::fromStdString(prompt), QMessageBox::NoButton, parent);
  box.setObjectName("QuestionBox");
  QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
  box.addButton("Nein", QMessageBox::NoRole);
  box.exec();
  return box.clickedButton() == yes;
}

QFont UiFont(double points, bool bold) {
  QFont font;
  font.setFamilies({"MS Sans Serif", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace tarnwick::windows
