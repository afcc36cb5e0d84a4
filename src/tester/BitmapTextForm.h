#pragma once

#include "tester/BuilderForm.h"

class BitmapTextBuilder;
class QComboBox;
class QLineEdit;
class StepField;

// "Bitmap Text Command": the form of a BitmapTextBuilder, laid out like the T command.
class BitmapTextForm : public BuilderForm {
    Q_OBJECT
public:
    BitmapTextForm(BitmapTextBuilder& builder, const ToolContext& context, FormRunner run,
                   QWidget* parent = nullptr);

    void OpenFontFinder();

protected:
    bool ReadForm() override;

private:
    void ShowFields();

    BitmapTextBuilder& builder_;
    StepField* x_;
    StepField* y_;
    QComboBox* font_;
    StepField* hMulti_;
    StepField* vMulti_;
    StepField* spacing_;
    QComboBox* rotation_;
    QComboBox* reverse_;
    QComboBox* bold_;
    QLineEdit* data_;
};
