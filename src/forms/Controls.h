#pragma once

#include <QComboBox>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

// The controls every window is made of, made one way: each carries a stable object name (tests
// and assistive technology find it by that name), buttons never press on Enter by surprise, and
// a list carries the value of each entry as its item data.
namespace Controls {

// A button. Enter belongs to the fields and the editor: it never presses a button by surprise.
QPushButton* Button(QWidget* parent, const QString& text, const QString& name);
QPushButton* Button(QWidget* parent, const QString& text, const char* name);

// A button whose click calls `slot` on `receiver`.
template <typename Receiver, typename Slot>
QPushButton* Button(QWidget* parent, const QString& text, const QString& name, Receiver* receiver,
                    Slot slot) {
    QPushButton* button = Button(parent, text, name);
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

template <typename Receiver, typename Slot>
QPushButton* Button(QWidget* parent, const QString& text, const char* name, Receiver* receiver,
                    Slot slot) {
    return Button(parent, text, QString::fromLatin1(name), receiver, slot);
}

// A one-line text field.
QLineEdit* Field(QWidget* parent, const QString& name, const QString& text = {});
QLineEdit* Field(QWidget* parent, const char* name, const QString& text = {});
// A field for up to `digits` decimal digits and nothing else (no sign, no blank); an emptied
// field is for the reading of the form to refuse.
QLineEdit* DigitsField(QWidget* parent, const char* name, int digits);

// A radio button and a check box.
QRadioButton* Radio(QWidget* parent, const QString& text, const QString& name);
QRadioButton* Radio(QWidget* parent, const QString& text, const char* name);
QCheckBox* Check(QWidget* parent, const QString& text, const char* name);

// A list of the numbers `from` to `to`, each entry carrying its number as item data.
QComboBox* NumberList(QWidget* parent, const char* name, int from, int to);

// A list of texts; the position of an entry is its value.
QComboBox* List(QWidget* parent, const QString& name, const QStringList& texts);
QComboBox* List(QWidget* parent, const char* name, const QStringList& texts);

// A list whose entries each carry a value as item data: one table gives the text shown and the
// value it stands for.
template <typename Value>
struct Entry {
    QString text;
    Value value;
};
QComboBox* ValueList(QWidget* parent, const QString& name,
                     const std::vector<std::pair<QString, QVariant>>& entries);
template <typename Value>
QComboBox* List(QWidget* parent, const QString& name, const std::vector<Entry<Value>>& entries) {
    std::vector<std::pair<QString, QVariant>> items;
    for (const Entry<Value>& entry : entries) {
        items.emplace_back(entry.text, QVariant::fromValue(entry.value));
    }
    return ValueList(parent, name, items);
}
template <typename Value>
QComboBox* List(QWidget* parent, const char* name, const std::vector<Entry<Value>>& entries) {
    return List(parent, QString::fromLatin1(name), entries);
}
// The value the current entry of a list carries.
template <typename Value>
Value Chosen(const QComboBox* list);
// Chooses the entry that carries `value`; false (and no change) when no entry carries it.
bool Choose(QComboBox* list, const QVariant& value);
// For a list that may have no entry chosen: the value the current entry carries, or nothing.
template <typename Value>
std::optional<Value> Selected(const QComboBox* list);
// Chooses the entry that carries `value`; none for nothing or a value no entry carries.
template <typename Value>
void Select(QComboBox* list, const std::optional<Value>& value);

// A row with `left` at its left end and `right` at its right end.
QHBoxLayout* Row(const QList<QWidget*>& left, const QList<QWidget*>& right);

}  // namespace Controls

template <typename Value>
Value Controls::Chosen(const QComboBox* list) {
    return list->currentData().template value<Value>();
}

template <typename Value>
std::optional<Value> Controls::Selected(const QComboBox* list) {
    if (list->currentIndex() < 0) {
        return std::nullopt;
    }
    return Chosen<Value>(list);
}

template <typename Value>
void Controls::Select(QComboBox* list, const std::optional<Value>& value) {
    if (!value || !Choose(list, QVariant::fromValue(*value))) {
        list->setCurrentIndex(-1);
    }
}
