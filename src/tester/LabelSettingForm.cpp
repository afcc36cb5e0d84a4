#include "tester/LabelSettingForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "forms/Controls.h"
#include "forms/Validation.h"
#include "forms/ValueLabel.h"
#include "tester/LabelSettingBuilder.h"

namespace {

using Unit = UnitConversion::Unit;

// Far beyond any label, and small enough that no size overflows single precision in any unit.
constexpr double kLargestSize = 1e30;

// A group of radio buttons in a row, each standing for the value given.
template <typename Value>
QGroupBox* RadioRow(QWidget* parent, const QString& title, QButtonGroup* group,
                    std::initializer_list<std::pair<QRadioButton*, Value>> radios) {
    auto* box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(box);
    for (const auto& [radio, value] : radios) {
        radio->setParent(box);
        group->addButton(radio, int(value));
        row->addWidget(radio);
    }
    row->addStretch();
    return box;
}

}  // namespace

LabelSettingForm::LabelSettingForm(LabelSettingBuilder& builder, const ToolContext& context,
                                   QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("Label Setting"));

    units_ = new QButtonGroup(this);
    QGroupBox* unitGroup =
        RadioRow<Unit>(this, tr("Unit Setting"), units_,
                       {{Controls::Radio(this, tr("inch"), "inchRadio"), Unit::Inch},
                        {Controls::Radio(this, tr("mm"), "mmRadio"), Unit::Mm},
                        {Controls::Radio(this, tr("dots"), "dotsRadio"), Unit::Dots}});
    connect(units_, &QButtonGroup::idClicked, this, &LabelSettingForm::ChooseUnit);

    media_ = new QButtonGroup(this);
    QGroupBox* mediaGroup = RadioRow<torq::Media>(
        this, tr("Media Type"), media_,
        {{Controls::Radio(this, tr("Gap"), "gapRadio"), torq::Media::Gap},
         {Controls::Radio(this, tr("Continuous"), "continuousRadio"), torq::Media::Continuous},
         {Controls::Radio(this, tr("BlackMark"), "blackMarkRadio"), torq::Media::BlackMark}});

    const std::array<const char*, 4> fieldNames = {"widthField", "lengthField", "marginXField",
                                                   "marginYField"};
    const std::array<const char*, 4> unitNames = {"widthUnit", "lengthUnit", "marginXUnit",
                                                  "marginYUnit"};
    // Wide enough for the longest unit name, so that nothing moves when the unit changes.
    int unitWidth = 0;
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        sizes_[i] = Controls::Field(this, fieldNames[i]);
        unitLabels_[i] = ValueLabel::Make(this, unitNames[i]);
        for (const Unit unit : {Unit::Inch, Unit::Mm, Unit::Dots}) {
            unitWidth = std::max(unitWidth, unitLabels_[i]->fontMetrics().horizontalAdvance(
                                                UnitConversion::Name(unit)));
        }
    }
    for (QLabel* label : unitLabels_) {
        label->setMinimumWidth(unitWidth);
    }

    auto* sizeGroup = new QGroupBox(tr("Width && Length"), this);
    auto* sizeGrid = new QGridLayout(sizeGroup);
    widthOn_ = Controls::Check(sizeGroup, tr("Width  :"), "widthBox");
    lengthOn_ = Controls::Check(sizeGroup, tr("Length :"), "lengthBox");
    sizeGrid->addWidget(widthOn_, 0, 0);
    sizeGrid->addWidget(lengthOn_, 1, 0);

    auto* marginGroup = new QGroupBox(tr("Margin"), this);
    auto* marginGrid = new QGridLayout(marginGroup);
    auto* marginXLabel = new QLabel(tr("X Margin :"), marginGroup);
    auto* marginYLabel = new QLabel(tr("Y Margin :"), marginGroup);
    marginXLabel->setBuddy(sizes_[2]);
    marginYLabel->setBuddy(sizes_[3]);
    marginGrid->addWidget(marginXLabel, 0, 0);
    marginGrid->addWidget(marginYLabel, 1, 0);
    marginOn_ = Controls::Check(marginGroup, tr("Apply"), "marginBox");
    marginGrid->addWidget(marginOn_, 2, 0, 1, 3);

    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        QGridLayout* grid = i < 2 ? sizeGrid : marginGrid;
        QWidget* group = i < 2 ? sizeGroup : marginGroup;
        sizes_[i]->setParent(group);
        unitLabels_[i]->setParent(group);
        grid->addWidget(sizes_[i], int(i % 2), 1);
        grid->addWidget(unitLabels_[i], int(i % 2), 2);
    }
    sizes_[0]->setAccessibleName(tr("Width  :"));
    sizes_[1]->setAccessibleName(tr("Length :"));
    sizeGrid->setRowStretch(2, 1);

    auto* groups = new QGridLayout;
    groups->addWidget(unitGroup, 0, 0);
    groups->addWidget(mediaGroup, 0, 1);
    groups->addWidget(sizeGroup, 1, 0);
    groups->addWidget(marginGroup, 1, 1);
    ShowSettings();
    Arrange(groups, {}, false);
}

void LabelSettingForm::ChooseUnit(int unit) {
    if (!ReadForm()) {
        // The sizes are still in the unit in use: keep it chosen, and the text as typed.
        units_->button(int(builder_.unit))->setChecked(true);
        return;
    }
    builder_.ChangeUnit(Unit(unit));
    ShowSettings();
}

bool LabelSettingForm::ReadForm() {
    if (!BuilderForm::ReadForm()) {
        return false;
    }
    std::array<float, 4> read{};
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        const std::optional<double> value = Validation::ReadNumber(
            sizes_[i]->text(), -kLargestSize, kLargestSize, sizes_[i], Context().messages);
        if (!value) {
            return false;
        }
        read[i] = static_cast<float>(*value);
    }
    builder_.width = read[0];
    builder_.length = read[1];
    builder_.marginX = read[2];
    builder_.marginY = read[3];
    builder_.media = torq::Media(media_->checkedId());
    builder_.widthOn = widthOn_->isChecked();
    builder_.lengthOn = lengthOn_->isChecked();
    builder_.marginOn = marginOn_->isChecked();
    return true;
}

void LabelSettingForm::ShowSettings() {
    units_->button(int(builder_.unit))->setChecked(true);
    media_->button(int(builder_.media))->setChecked(true);
    widthOn_->setChecked(builder_.widthOn);
    lengthOn_->setChecked(builder_.lengthOn);
    marginOn_->setChecked(builder_.marginOn);
    const std::array<float, 4> values = {builder_.width, builder_.length, builder_.marginX,
                                         builder_.marginY};
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        sizes_[i]->setText(UnitConversion::Show(values[i]));
        unitLabels_[i]->setText(UnitConversion::Name(builder_.unit));
    }
}
