#pragma once

#include <QComboBox>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <optional>

#include "forms/Controls.h"

class Messages;
class QWidget;

// How every settings page lays out its controls, reports an exchange and shows its lists.
namespace PageControls {

// A page of one group above a row of buttons: `left` at its start, `right` at its end.
void Arrange(QWidget* page, QWidget* group, std::initializer_list<QWidget*> left,
             std::initializer_list<QWidget*> right);

// The outcome of an exchange: information on success, warning on failure. An empty caption is
// the program's name.
void Report(Messages& messages, bool success, const QString& successText,
            const QString& failureText, const QString& successCaption = {});

// The value the list's current entry carries; nothing while no entry is chosen.
template <typename Value>
std::optional<Value> Selected(const QComboBox* list) {
    if (list->currentIndex() < 0) {
        return std::nullopt;
    }
    return Controls::Chosen<Value>(list);
}

// Chooses the entry that carries `value`; none for nothing or a value no entry carries.
template <typename Value>
void Select(QComboBox* list, const std::optional<Value>& value) {
    if (!value || !Controls::Choose(list, QVariant::fromValue(*value))) {
        list->setCurrentIndex(-1);
    }
}

}  // namespace PageControls
