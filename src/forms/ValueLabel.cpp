#include "forms/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    static QAccessibleInterface* Make(const QString& key, QObject* object) {
        auto* label = qobject_cast<ValueLabel*>(object);
        if (label == nullptr || key != QLatin1String(ValueLabel::staticMetaObject.className())) {
            return nullptr;
        }
        return new ValueLabelAccessible(label);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? static_cast<const QLabel*>(widget())->text() : given;
    }
};

}  // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    // Once for all labels: Qt asks the installed factories before its own.
    static const bool accessible = [] {
        QAccessible::installFactory(&ValueLabelAccessible::Make);
        return true;
    }();
    Q_UNUSED(accessible);
}

ValueLabel* ValueLabel::Make(QWidget* parent, const char* name) {
    auto* label = new ValueLabel(parent);
    label->setObjectName(QLatin1String(name));
    // A value is shown as it is: a file name with "<" in it is not markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}
