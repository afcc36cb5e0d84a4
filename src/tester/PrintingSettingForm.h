#pragma once

#include "tester/BuilderForm.h"

class PrintingSettingBuilder;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;

// "Printing Setting": speed, density and direction of printing, each with its "Apply" box, over
// a PrintingSettingBuilder.
class PrintingSettingForm : public BuilderForm {
    Q_OBJECT
public:
    PrintingSettingForm(PrintingSettingBuilder& builder, const ToolContext& context,
                        QWidget* parent = nullptr);

protected:
    bool ReadForm() override;

private:
    void ShowSettings();
    void ShowDensity(int density);

    PrintingSettingBuilder& builder_;
    QButtonGroup* speeds_;
    QCheckBox* applySpeed_;
    QSlider* density_;
    QLabel* densityValue_;
    QCheckBox* applyDensity_;
    QButtonGroup* directions_;
    QCheckBox* applyDirection_;
};
