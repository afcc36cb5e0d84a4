#pragma once

#include <QAbstractSpinBox>
#include <QString>
#include <optional>

// A number field with a step control. The field takes any text, so that a form can read it and
// say what is wrong; stepping starts from the whole part of the number shown (from the low end
// when there is none) and cycles: past one end it continues at the other. Assistive technology
// sees it as a spin box whose value is that whole part, with actions that step like the arrows.
class StepField : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit StepField(int low, int high, QWidget* parent = nullptr);
    // The one way the forms make a step field: named like every other control (see Controls).
    static StepField* Make(QWidget* parent, const char* name, int low, int high);

    void SetRange(int low, int high);
    int Low() const { return low_; }
    int High() const { return high_; }
    // Only digits may be typed (a count, say).
    void SetDigitsOnly(bool digitsOnly) { digitsOnly_ = digitsOnly; }

    QString Text() const;
    void SetText(const QString& text);
    // Shows a number in the shortest form that reads back the same (20, 20.9, -5).
    void SetNumber(double value);
    // The whole part of the number shown; nothing when the text is no number.
    std::optional<double> WholeNumber() const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int low_;
    int high_;
    bool digitsOnly_ = false;
};
