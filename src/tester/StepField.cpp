#include "tester/StepField.h"

#include <QLineEdit>
#include <QLocale>
#include <cmath>

#include "forms/Validation.h"

StepField::StepField(int low, int high, QWidget* parent)
    : QAbstractSpinBox(parent), low_(low), high_(high) {
    setWrapping(true);
    setAccelerated(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

StepField* StepField::Make(QWidget* parent, const char* name, int low, int high) {
    auto* field = new StepField(low, high, parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

void StepField::SetRange(int low, int high) {
    low_ = low;
    high_ = high;
}

QString StepField::Text() const {
    return lineEdit()->text();
}

void StepField::SetText(const QString& text) {
    lineEdit()->setText(text);
}

void StepField::SetNumber(double value) {
    SetText(QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void StepField::stepBy(int steps) {
    const auto number = Validation::ParseNumber(Text());
    // Clamped first, so that a huge number typed into the field cannot overflow the step.
    const double start = number ? std::trunc(std::clamp(*number, -1e9, 1e9)) : double(low_);
    const qint64 span = qint64(high_) - low_ + 1;
    qint64 value = qint64(start) + steps;
    if (value > high_ || value < low_) {
        // Cycles like a step control that wraps: one past the top is the bottom.
        if (start > high_ || start < low_) {
            value = steps > 0 ? low_ : high_;
        } else {
            value = low_ + (((value - low_) % span) + span) % span;
        }
    }
    SetText(QString::number(value));
    lineEdit()->selectAll();
}

QValidator::State StepField::validate(QString& input, int&) const {
    if (digitsOnly_) {
        for (const QChar c : input) {
            if (!c.isDigit()) {
                return QValidator::Invalid;
            }
        }
    }
    return QValidator::Acceptable;
}

QSize StepField::sizeHint() const {
    // Wide enough for the largest number of the range, like a spin box.
    QSize size = QAbstractSpinBox::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    const int digits = std::max(QString::number(low_).size(), QString::number(high_).size()) + 1;
    const int wanted = metrics.horizontalAdvance(QString(digits, QLatin1Char('0')));
    const int current = metrics.horizontalAdvance(QStringLiteral("0"));
    size.setWidth(size.width() + std::max(0, wanted - current));
    return size;
}

QAbstractSpinBox::StepEnabled StepField::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}
