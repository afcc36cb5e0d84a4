#include "tester/ConvertUnitForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Validation.h"
#include "forms/ValueLabel.h"

namespace {

using Unit = UnitConversion::Unit;

// Far beyond any label, and small enough that no result overflows single precision.
constexpr double kLargestInput = 1e30;

}  // namespace

const std::array<ConvertUnitForm::Direction, 6>& ConvertUnitForm::Directions() {
    static const std::array<Direction, 6> directions = {{{Unit::Inch, Unit::Mm},
                                                         {Unit::Inch, Unit::Dots},
                                                         {Unit::Dots, Unit::Inch},
                                                         {Unit::Dots, Unit::Mm},
                                                         {Unit::Mm, Unit::Inch},
                                                         {Unit::Mm, Unit::Dots}}};
    return directions;
}

ConvertUnitForm::ConvertUnitForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("Convert Unit"));

    directions_ = new QButtonGroup(this);
    const std::array<QString, 6> names = {tr("inch to mm"), tr("inch to dots"), tr("dots to inch"),
                                          tr("dots to mm"), tr("mm to inch"),   tr("mm to dots")};
    const std::array<QString, 3> groups = {tr("Inch"), tr("Dots"), tr("Mm")};
    auto* groupRow = new QHBoxLayout;
    for (int g = 0; g < 3; ++g) {
        auto* group = new QGroupBox(groups[std::size_t(g)], this);
        auto* column = new QVBoxLayout(group);
        for (int i = 2 * g; i < 2 * g + 2; ++i) {
            auto* radio = new QRadioButton(names[std::size_t(i)], group);
            radio->setObjectName(QStringLiteral("directionRadio%1").arg(i));
            directions_->addButton(radio, i);
            column->addWidget(radio);
        }
        groupRow->addWidget(group);
    }
    directions_->button(0)->setChecked(true);
    connect(directions_, &QButtonGroup::idClicked, this, &ConvertUnitForm::ChooseDirection);

    inputField_ = Controls::Field(this, "inputField");
    resultField_ = Controls::Field(this, "resultField");
    resultField_->setReadOnly(true);
    inputUnit_ = ValueLabel::Make(this, "inputUnitLabel");
    resultUnit_ = ValueLabel::Make(this, "resultUnitLabel");
    // Wide enough for the longest unit name, so that the row does not move when it changes.
    int unitWidth = 0;
    for (const Unit unit : {Unit::Inch, Unit::Mm, Unit::Dots}) {
        unitWidth = std::max(
            unitWidth, inputUnit_->fontMetrics().horizontalAdvance(UnitConversion::Name(unit)));
    }
    inputUnit_->setMinimumWidth(unitWidth);
    resultUnit_->setMinimumWidth(unitWidth);
    auto* values = new QHBoxLayout;
    values->addWidget(inputField_, 1);
    values->addWidget(inputUnit_);
    values->addSpacing(6);
    values->addWidget(new QLabel(QStringLiteral("="), this));
    values->addSpacing(6);
    values->addWidget(resultField_, 1);
    values->addWidget(resultUnit_);

    QPushButton* convert =
        Controls::Button(this, tr("Convert Unit"), QStringLiteral("convertButton"), this,
                         &ConvertUnitForm::ConvertValue);
    QPushButton* close = Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this,
                                          &ConvertUnitForm::CloseForm);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupRow);
    layout->addLayout(values);
    layout->addLayout(Controls::Row({}, {convert, close}));
    ShowUnits();
    ShowFields();
}

bool ConvertUnitForm::ReadForm() {
    const auto value = Validation::ReadNumber(inputField_->text(), -kLargestInput, kLargestInput,
                                              inputField_, context_.messages);
    if (value) {
        input_ = static_cast<float>(*value);
    }
    return value.has_value();
}

void ConvertUnitForm::ShowFields() {
    inputField_->setText(UnitConversion::Show(input_));
    resultField_->setText(UnitConversion::Show(result_));
}

const ConvertUnitForm::Direction& ConvertUnitForm::Chosen() const {
    return Directions()[std::size_t(directions_->checkedId())];
}

void ConvertUnitForm::ShowUnits() {
    inputUnit_->setText(UnitConversion::Name(Chosen().from));
    resultUnit_->setText(UnitConversion::Name(Chosen().to));
}

void ConvertUnitForm::ChooseDirection(int direction) {
    const bool read = ReadForm();
    directions_->button(direction)->setChecked(true);
    ShowUnits();
    // A wrong input keeps its text, so the person can correct it.
    if (read) {
        ShowFields();
    }
}

void ConvertUnitForm::ConvertValue() {
    if (!ReadForm()) {
        return;
    }
    result_ = UnitConversion::Convert(input_, Chosen().from, Chosen().to);
    ShowFields();
}

void ConvertUnitForm::CloseForm() {
    if (ReadForm()) {
        accept();
    }
}
