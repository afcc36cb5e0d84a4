#pragma once

#include "tester/BuilderForm.h"

class QComboBox;
class QLineEdit;
class StepField;
class VectorTextBuilder;

// "Vector Text Command": the form of a VectorTextBuilder, laid out like the V command.
class VectorTextForm : public BuilderForm {
    Q_OBJECT
public:
    VectorTextForm(VectorTextBuilder& builder, const ToolContext& context, FormRunner run,
                   QWidget* parent = nullptr);

protected:
    bool ReadForm() override;

private:
    void ShowFields();

    VectorTextBuilder& builder_;
    StepField* x_;
    StepField* y_;
    QComboBox* font_;
    StepField* width_;
    StepField* height_;
    StepField* spacing_;
    QComboBox* bold_;
    QComboBox* reverse_;
    QComboBox* italic_;
    QComboBox* rotation_;
    QComboBox* justification_;
    QComboBox* direction_;
    QLineEdit* data_;
};
