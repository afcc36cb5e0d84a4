#include "tester/FormButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

QPushButton* FormButtons::Make(QWidget* parent, const QString& text, const char* name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* FormButtons::Row(const QList<QWidget*>& left, const QList<QWidget*>& right) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : left) {
        row->addWidget(widget);
    }
    row->addStretch();
    for (QWidget* widget : right) {
        row->addWidget(widget);
    }
    return row;
}
