#include "gui/qt/plans_widget.h"

#include <QCloseEvent>
#include <QLabel>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::qt {
namespace {

// A label that gives its field a name and, through its mnemonic, the keyboard's way there.
void Label(QWidget* window, const char* text, const TwipsRect& place, QWidget* field) {
  auto* label = new QLabel(QString::fromUtf8(text), window);
  label->setGeometry(PixelRect(place));
  label->setBuddy(field);
  field->setAccessibleName(label->text().remove('&').remove(':'));
}

}  // namespace

PlansWidget::PlansWidget(PlansWindow& rules, QWidget& owner)
    : QtWindow(&owner),
      PlanList(new QListWidget(this)),
      KindBox(new QComboBox(this)),
      DayBox(new QComboBox(this)),
      ClockEdit(new QLineEdit(texts::kPlanDefaultClock, this)),
      LimitEdit(new QLineEdit(QString::number(core::kDefaultPlanLimit), this)),
      AddButton(new QPushButton(QString::fromUtf8(texts::kPlanAddButton), this)),
      RemoveButton(new QPushButton(QString::fromUtf8(texts::kPlanRemoveButton), this)),
      RunButton(new QPushButton(QString::fromUtf8(texts::kPlanRunButton), this)),
      PreviewButton(new QPushButton(QString::fromUtf8(texts::kPlanPreviewButton), this)),
      CloseButton(new QPushButton(QString::fromUtf8(texts::kCloseButton), this)),
      rules_(rules) {
  setObjectName("PlansWindow");
  setWindowTitle(QString::fromUtf8(texts::kPlansCaption));
  setWindowModality(Qt::ApplicationModal);
  setFont(UiFont(layout::kNormalPoints));
  setFixedSize(PixelRect(layout::kPlansWindow).size());

  PlanList->setObjectName("PlanList");
  PlanList->setGeometry(PixelRect(layout::kPlansList));
  PlanList->setSelectionMode(QAbstractItemView::SingleSelection);
  PlanList->setAccessibleName(QString::fromUtf8(texts::kPlansCaption));
  for (const char* kind : texts::kPlanKinds) KindBox->addItem(QString::fromUtf8(kind));
  for (int day = 0; day < 7; ++day) DayBox->addItem(QString::fromUtf8(core::WeekdayName(day)));
  const std::pair<QWidget*, const char*> names[] = {
      {KindBox, "KindBox"},        {DayBox, "DayBox"},
      {ClockEdit, "ClockEdit"},    {LimitEdit, "LimitEdit"},
      {AddButton, "AddButton"},    {RemoveButton, "RemoveButton"},
      {RunButton, "RunButton"},    {PreviewButton, "PreviewButton"},
      {CloseButton, "CloseButton"}};
  for (const auto& [widget, name] : names) widget->setObjectName(name);
  KindBox->setGeometry(PixelRect(layout::kPlanKind));
  DayBox->setGeometry(PixelRect(layout::kPlanDay));
  ClockEdit->setGeometry(PixelRect(layout::kPlanClock));
  LimitEdit->setGeometry(PixelRect(layout::kPlanLimit));
  Label(this, texts::kPlanKindLabel, layout::kPlanKindLabel, KindBox);
  Label(this, texts::kPlanDayLabel, layout::kPlanDayLabel, DayBox);
  Label(this, texts::kPlanClockLabel, layout::kPlanClockLabel, ClockEdit);
  Label(this, texts::kPlanLimitLabel, layout::kPlanLimitLabel, LimitEdit);
  AddButton->setGeometry(PixelRect(layout::kPlanAdd));
  RemoveButton->setGeometry(PixelRect(layout::kPlanRemove));
  RunButton->setGeometry(PixelRect(layout::kPlanRun));
  PreviewButton->setGeometry(PixelRect(layout::kPlanPreview));
  CloseButton->setGeometry(PixelRect(layout::kPlansClose));
  QWidget* const order[] = {PlanList,  KindBox,      DayBox,    ClockEdit,     LimitEdit,
                            AddButton, RemoveButton, RunButton, PreviewButton, CloseButton};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  PlanList->setFocus();  // when the window opens, as in the other windows
  ApplyKeyboardRules(*this);

  connect(PlanList, &QListWidget::itemSelectionChanged, this, [this] { rules_.ListClick(); });
  connect(AddButton, &QPushButton::clicked, this, [this] { rules_.AddClick(); });
  connect(RemoveButton, &QPushButton::clicked, this, [this] { rules_.RemoveClick(); });
  connect(RunButton, &QPushButton::clicked, this, [this] { rules_.RunClick(); });
  connect(PreviewButton, &QPushButton::clicked, this, [this] { rules_.PreviewClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { rules_.CloseClick(); });
}

void PlansWidget::SetRows(const std::vector<std::string>& rows) {
  const QSignalBlocker quiet(PlanList);  // a refill is no selection by the user
  PlanList->clear();
  for (const std::string& row : rows) PlanList->addItem(QString::fromStdString(row));
}

std::optional<int> PlansWidget::SelectedIndex() const {
  const auto selected = PlanList->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return PlanList->row(selected.front());
}

void PlansWidget::EnablePlanButtons(bool enabled) {
  for (QPushButton* button : {RemoveButton, RunButton, PreviewButton}) {
    EnableKeepingFocus(*button, enabled, *PlanList);
  }
}

void PlansWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  rules_.CloseClick();
}

}  // namespace tarnwick::gui::qt
