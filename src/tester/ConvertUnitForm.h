#pragma once

#include <QDialog>
#include <array>

#include "forms/ToolContext.h"
#include "tester/UnitConversion.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

// "Convert Unit": a small calculator between inches, millimetres and printer dots. It talks to
// no printer; each opening starts from the defaults.
class ConvertUnitForm : public QDialog {
    Q_OBJECT
public:
    struct Direction {
        UnitConversion::Unit from;
        UnitConversion::Unit to;
    };
    // "inch to mm", "inch to dots", "dots to inch", "dots to mm", "mm to inch", "mm to dots".
    static const std::array<Direction, 6>& Directions();

    explicit ConvertUnitForm(const ToolContext& context, QWidget* parent = nullptr);

    void ChooseDirection(int direction);
    void ConvertValue();
    void CloseForm();

private:
    // Reads the input; false (after the message) when it is not a number.
    bool ReadForm();
    void ShowFields();
    void ShowUnits();
    // The direction of the checked radio button.
    const Direction& Chosen() const;

    ToolContext context_;
    float input_ = 0;
    float result_ = 0;
    QButtonGroup* directions_;
    QLineEdit* inputField_;
    QLineEdit* resultField_;
    QLabel* inputUnit_;
    QLabel* resultUnit_;
};
