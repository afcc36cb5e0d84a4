#include "tester/Barcode1DForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Validation.h"
#include "tester/Barcode1DBuilder.h"
#include "tester/CommandLayout.h"
#include "tester/StepField.h"

Barcode1DForm::Barcode1DForm(Barcode1DBuilder& builder, const ToolContext& context, QWidget* parent)
    : BuilderForm(builder, context, parent),
      builder_(builder),
      quietZoneCheck_(new QCheckBox(tr("Q-Zone"), this)),
      quietZoneField_(StepField::Make(this, "quietZoneField", 0, 20)) {
    setWindowTitle(tr("1D Barcode Command"));
    // Names of symbologies, the same in every language.
    const std::vector<Controls::Entry<int>> symbologies = {
        {QStringLiteral("Code39"), 0}, {QStringLiteral("Code128"), 1},
        {QStringLiteral("I2of5"), 2},  {QStringLiteral("Codabar"), 3},
        {QStringLiteral("Code93"), 4}, {QStringLiteral("UPC-A"), 5},
        {QStringLiteral("UPC-E"), 6},  {QStringLiteral("EAN13"), 7},
        {QStringLiteral("EAN8"), 8},   {QStringLiteral("UCC/EAN128"), 9},
    };
    // Positions have no range check beyond their step controls.
    torq::Barcode1D& f = builder.fields;
    CommandLayout command(this, QStringLiteral("B1"));
    command.Add(tr("X pos"), Bind(StepField::Make(this, "xField", 0, 1000), f.x));
    command.Add(tr("Y pos"), Bind(StepField::Make(this, "yField", 0, 1000), f.y));
    command.Add(
        tr("Barcode"),
        Bind(Controls::List(this, QStringLiteral("symbologyList"), symbologies), f.symbology));
    command.Add(tr("N-Bar W"), Bind(StepField::Make(this, "narrowField", 1, 100), f.narrowWidth));
    command.Add(tr("W-Bar W"), Bind(StepField::Make(this, "wideField", 1, 100), f.wideWidth));
    command.Add(tr("Height"), Bind(StepField::Make(this, "heightField", 0, 1000), f.height));
    command.Add(
        tr("Rotation"),
        Bind(Controls::List(this, QStringLiteral("rotationList"), Rotations()), f.rotation));
    command.Add(tr("HRI"), Bind(Controls::List(this, QStringLiteral("hriList"), OffOn()), f.hri));
    quietZoneCheck_->setObjectName(QStringLiteral("quietZoneCheck"));
    // Its caption is the check box, which is no label a screen reader would name it by.
    quietZoneField_->setAccessibleName(tr("Q-Zone"));
    command.Add(quietZoneCheck_, Bind(quietZoneField_, builder.quietZone));
    command.AddData(Bind(Controls::Field(this, "dataField"), f.data));

    Arrange(command.Layout(), {ConvertButton()});
    quietZoneCheck_->setChecked(builder.quietZoneOn);
    quietZoneField_->setEnabled(builder.quietZoneOn);
    connect(quietZoneCheck_, &QCheckBox::toggled, this, &Barcode1DForm::SwitchQuietZone);
}

bool Barcode1DForm::ReadForm() {
    // The check box cannot be wrong: it is taken once every field has been read.
    if (!BuilderForm::ReadForm()) {
        return false;
    }
    builder_.quietZoneOn = quietZoneCheck_->isChecked();
    return true;
}

void Barcode1DForm::SwitchQuietZone(bool on) {
    quietZoneField_->setEnabled(on);
    // A switched-off field cannot be corrected, so it must not hold what reading the form
    // refuses: it shows the number it kept instead.
    if (!on && !Validation::ParseInteger(quietZoneField_->Text())) {
        quietZoneField_->SetText(QString::number(builder_.quietZone));
    }
}
