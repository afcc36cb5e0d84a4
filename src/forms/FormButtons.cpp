#include "forms/FormButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

QPushButton* FormButtons::Make(QWidget* parent, const QString& text, const char* name) {
    return Make(parent, text, QString::fromLatin1(name));
}

QPushButton* FormButtons::Make(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
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
