#include "tester/PrintingSettingForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <array>

#include "forms/ValueLabel.h"
#include "tester/PrintingSettingBuilder.h"

PrintingSettingForm::PrintingSettingForm(PrintingSettingBuilder& builder,
                                         const ToolContext& context, QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("Printing Setting"));

    auto* speedGroup = new QGroupBox(tr("Speed"), this);
    auto* speedColumn = new QVBoxLayout(speedGroup);
    speeds_ = new QButtonGroup(this);
    const std::array<QString, PrintingSettingBuilder::kSpeeds> speedTexts = {
        tr("2.5 ips"), tr("3.0 ips"), tr("4.0 ips"), tr("5.0 ips"), tr("6.0 ips")};
    for (int i = 0; i < PrintingSettingBuilder::kSpeeds; ++i) {
        QRadioButton* radio = Controls::Radio(speedGroup, speedTexts[std::size_t(i)],
                                              QStringLiteral("speedRadio%1").arg(i));
        speeds_->addButton(radio, i);
        speedColumn->addWidget(radio);
    }
    speedColumn->addStretch();
    applySpeed_ = Controls::Check(speedGroup, tr("Apply"), "applySpeedBox");
    speedColumn->addWidget(applySpeed_);

    // The slider holds the density itself, so the strongest print (20) stands at the top and
    // assistive technology reads the density.
    auto* densityGroup = new QGroupBox(tr("Density"), this);
    auto* densityColumn = new QVBoxLayout(densityGroup);
    density_ = new QSlider(Qt::Vertical, densityGroup);
    density_->setObjectName(QStringLiteral("densitySlider"));
    density_->setAccessibleName(tr("Density(0~20)"));
    density_->setRange(0, PrintingSettingBuilder::kHighestDensity);
    density_->setSingleStep(1);
    density_->setPageStep(5);
    density_->setTickInterval(1);
    density_->setTickPosition(QSlider::TicksBothSides);
    // Room for the 21 ticks to stand apart.
    density_->setMinimumHeight(7 * (PrintingSettingBuilder::kHighestDensity + 1));
    densityValue_ = ValueLabel::Make(densityGroup, "densityValue");
    densityValue_->setMinimumWidth(densityValue_->fontMetrics().horizontalAdvance(
        QString::number(PrintingSettingBuilder::kHighestDensity)));
    connect(density_, &QSlider::valueChanged, this, &PrintingSettingForm::ShowDensity);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(density_);
    sliderRow->addWidget(densityValue_);
    densityColumn->addWidget(new QLabel(tr("Density(0~20)"), densityGroup));
    densityColumn->addLayout(sliderRow, 1);
    applyDensity_ = Controls::Check(densityGroup, tr("Apply"), "applyDensityBox");
    densityColumn->addWidget(applyDensity_);

    auto* directionGroup = new QGroupBox(tr("Direction"), this);
    auto* directionColumn = new QVBoxLayout(directionGroup);
    directions_ = new QButtonGroup(this);
    directions_->addButton(Controls::Radio(directionGroup, tr("Top"), QStringLiteral("topRadio")),
                           int(torq::Direction::Top));
    directions_->addButton(
        Controls::Radio(directionGroup, tr("Bottom"), QStringLiteral("bottomRadio")),
        int(torq::Direction::Bottom));
    for (QAbstractButton* radio : directions_->buttons()) {
        directionColumn->addWidget(radio);
    }
    directionColumn->addStretch();
    applyDirection_ = Controls::Check(directionGroup, tr("Apply"), "applyDirectionBox");
    directionColumn->addWidget(applyDirection_);

    auto* groups = new QHBoxLayout;
    groups->addWidget(speedGroup);
    groups->addWidget(densityGroup);
    groups->addWidget(directionGroup);
    ShowSettings();
    Arrange(groups, {});
}

bool PrintingSettingForm::ReadForm() {
    if (!BuilderForm::ReadForm()) {
        return false;
    }
    builder_.speed = speeds_->checkedId();
    builder_.applySpeed = applySpeed_->isChecked();
    builder_.density = density_->value();
    builder_.applyDensity = applyDensity_->isChecked();
    builder_.direction = torq::Direction(directions_->checkedId());
    builder_.applyDirection = applyDirection_->isChecked();
    return true;
}

void PrintingSettingForm::ShowSettings() {
    speeds_->button(builder_.speed)->setChecked(true);
    applySpeed_->setChecked(builder_.applySpeed);
    density_->setValue(builder_.density);
    ShowDensity(builder_.density);
    applyDensity_->setChecked(builder_.applyDensity);
    directions_->button(int(builder_.direction))->setChecked(true);
    applyDirection_->setChecked(builder_.applyDirection);
}

void PrintingSettingForm::ShowDensity(int density) {
    densityValue_->setText(QString::number(density));
}
