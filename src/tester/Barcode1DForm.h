#pragma once

#include "tester/BuilderForm.h"

class Barcode1DBuilder;
class QCheckBox;

// "1D Barcode Command": the form of a Barcode1DBuilder, laid out like the B1 command. The
// "Q-Zone" check box switches the quiet-zone field on and off.
class Barcode1DForm : public BuilderForm {
    Q_OBJECT
public:
    Barcode1DForm(Barcode1DBuilder& builder, const ToolContext& context, QWidget* parent = nullptr);

protected:
    bool ReadForm() override;

private:
    void SwitchQuietZone(bool on);

    Barcode1DBuilder& builder_;
    QCheckBox* quietZoneCheck_;
    StepField* quietZoneField_;
};
