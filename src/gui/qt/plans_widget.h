// The window "Regelmäßig bereinigen" in Qt.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/plans_window.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// "Regelmäßig bereinigen", modal over the main window; Escape and the frame close it.
class PlansWidget : public QtWindow<PlansView, QDialog> {
 public:
  PlansWidget(PlansWindow& rules, QWidget& owner);

  void SetRows(const std::vector<std::string>& rows) override;
  std::optional<int> SelectedIndex() const override;
  void EnablePlanButtons(bool enabled) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return qt::ChooseFolder(this, caption, start);
  }
  int KindIndex() const override { return KindBox->currentIndex(); }
  int DayIndex() const override { return DayBox->currentIndex(); }
  std::string ClockText() const override { return ClockEdit->text().toStdString(); }
  std::string LimitText() const override { return LimitEdit->text().toStdString(); }

  QListWidget* const PlanList;
  QComboBox* const KindBox;
  QComboBox* const DayBox;
  QLineEdit* const ClockEdit;
  QLineEdit* const LimitEdit;
  QPushButton* const AddButton;
  QPushButton* const RemoveButton;
  QPushButton* const RunButton;
  QPushButton* const PreviewButton;
  QPushButton* const CloseButton;

 protected:
  void reject() override { rules_.CloseClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  PlansWindow& rules_;
};

}  // namespace tarnwick::gui::qt
