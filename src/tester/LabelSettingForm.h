#pragma once

#include <array>

#include "tester/BuilderForm.h"
#include "tester/UnitConversion.h"

class LabelSettingBuilder;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

// "Label Setting": label width, length with the media kind, and margins, entered in inches,
// millimetres or dots, over a LabelSettingBuilder. It has no test print.
class LabelSettingForm : public BuilderForm {
    Q_OBJECT
public:
    LabelSettingForm(LabelSettingBuilder& builder, const ToolContext& context,
                     QWidget* parent = nullptr);

    // Reads the form and shows the four sizes converted to the unit chosen.
    void ChooseUnit(int unit);

protected:
    bool ReadForm() override;

private:
    void ShowSettings();

    LabelSettingBuilder& builder_;
    QButtonGroup* units_;
    QButtonGroup* media_;
    QCheckBox* widthOn_;
    QCheckBox* lengthOn_;
    QCheckBox* marginOn_;
    // Width, length, x margin, y margin: the fields and the unit labels beside them.
    std::array<QLineEdit*, 4> sizes_{};
    std::array<QLabel*, 4> unitLabels_{};
};
