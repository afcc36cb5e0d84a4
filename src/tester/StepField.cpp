#include "tester/StepField.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QLocale>
#include <cmath>

#include "forms/Validation.h"

namespace {

// What a screen reader sees of a step field. Qt's own spin box interface reads the "value",
// "minimum" and "maximum" properties of a QSpinBox, which this field has not, and offers no
// step actions; this one reads the field itself.
class StepFieldAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit StepFieldAccessible(StepField* field)
        : QAccessibleWidget(field, QAccessible::SpinBox) {}

    static QAccessibleInterface* Make(const QString& key, QObject* object) {
        auto* field = qobject_cast<StepField*>(object);
        if (field == nullptr || key != QLatin1String(StepField::staticMetaObject.className())) {
            return nullptr;
        }
        return new StepFieldAccessible(field);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Field()->Text() : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override {
        const auto number = Field()->WholeNumber();
        return number ? QVariant(*number) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (isNumber && std::isfinite(number) && Usable()) {
            Field()->SetNumber(number);
        }
    }
    QVariant maximumValue() const override { return Field()->High(); }
    QVariant minimumValue() const override { return Field()->Low(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == increaseAction() || name == decreaseAction()) {
            if (Usable()) {
                Field()->stepBy(name == increaseAction() ? 1 : -1);
            }
            return;
        }
        QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == increaseAction()) {
            return {QStringLiteral("Up")};
        }
        if (name == decreaseAction()) {
            return {QStringLiteral("Down")};
        }
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    StepField* Field() const { return static_cast<StepField*>(widget()); }
    bool Usable() const { return Field()->isEnabled() && !Field()->isReadOnly(); }
};

}  // namespace

StepField::StepField(int low, int high, QWidget* parent)
    : QAbstractSpinBox(parent), low_(low), high_(high) {
    // Once for all fields: Qt asks the installed factories before its own.
    static const bool accessible = [] {
        QAccessible::installFactory(&StepFieldAccessible::Make);
        return true;
    }();
    Q_UNUSED(accessible);
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

std::optional<double> StepField::WholeNumber() const {
    const auto number = Validation::ParseNumber(Text());
    if (!number) {
        return std::nullopt;
    }
    return std::trunc(*number);
}

void StepField::stepBy(int steps) {
    const auto number = WholeNumber();
    // Clamped, so that a huge number typed into the field cannot overflow the step.
    const double start = number ? std::clamp(*number, -1e9, 1e9) : double(low_);
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
