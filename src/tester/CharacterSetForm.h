#pragma once

#include <QDialog>

#include "forms/ToolContext.h"
#include "tester/CharacterSetSample.h"

class QComboBox;
class QLabel;
class QRadioButton;
class SampleRun;
class StepField;

// "Character Set Command": prints the printer's characters under a chosen international set and
// code table. It inserts nothing into the editor; each opening starts from the defaults.
class CharacterSetForm : public QDialog {
    Q_OBJECT
public:
    explicit CharacterSetForm(const ToolContext& context, QWidget* parent = nullptr);

    void ChooseFontKind(CharacterSetSample::FontKind kind);
    void Print(CharacterSetSample::Sample sample);
    void CloseForm();

private:
    // Reads the controls into the sample; false, after the first wrong field's message, when one
    // is wrong (the sample keeps its values then).
    bool ReadForm();
    void ShowFields();
    // The radio buttons, the font list and the two sizes as the font kind has them.
    void ShowFontKind();

    ToolContext context_;
    CharacterSetSample sample_;
    QComboBox* internationalList_;
    QComboBox* tableList_;
    QRadioButton* bitmapRadio_;
    QRadioButton* vectorRadio_;
    StepField* xField_;
    StepField* yField_;
    QComboBox* fontList_;
    QLabel* upperLabel_;
    QLabel* lowerLabel_;
    StepField* upperField_;
    StepField* lowerField_;
    SampleRun* run_;
};
