#include "forms/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace Controls {

QPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
    return Button(parent, text, QString::fromLatin1(name));
}

QLineEdit* Field(QWidget* parent, const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    return field;
}

QLineEdit* Field(QWidget* parent, const char* name, const QString& text) {
    return Field(parent, QString::fromLatin1(name), text);
}

QLineEdit* DigitsField(QWidget* parent, const char* name, int digits) {
    QLineEdit* field = Field(parent, name);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
    field->setMaxLength(digits);
    return field;
}

QRadioButton* Radio(QWidget* parent, const QString& text, const QString& name) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QRadioButton* Radio(QWidget* parent, const QString& text, const char* name) {
    return Radio(parent, text, QString::fromLatin1(name));
}

QCheckBox* Check(QWidget* parent, const QString& text, const char* name) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox* NumberList(QWidget* parent, const char* name, int from, int to) {
    std::vector<Entry<int>> entries;
    for (int number = from; number <= to; ++number) {
        entries.push_back({QString::number(number), number});
    }
    return List(parent, name, entries);
}

QComboBox* List(QWidget* parent, const QString& name, const QStringList& texts) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(texts);
    return list;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& texts) {
    return List(parent, QString::fromLatin1(name), texts);
}

QComboBox* ValueList(QWidget* parent, const QString& name,
                     const std::vector<std::pair<QString, QVariant>>& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const auto& [text, value] : entries) {
        list->addItem(text, value);
    }
    return list;
}

bool Choose(QComboBox* list, const QVariant& value) {
    const int index = list->findData(value);
    if (index < 0) {
        return false;
    }
    list->setCurrentIndex(index);
    return true;
}

QHBoxLayout* Row(const QList<QWidget*>& left, const QList<QWidget*>& right) {
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

}  // namespace Controls
