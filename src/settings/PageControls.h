#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>
#include <initializer_list>

class Messages;

// Pieces every settings page is made of.
namespace PageControls {

// A button named for tests. Enter in a list or field never presses it: each one talks to the
// printer.
QPushButton* Button(const QString& text, const QString& name, QWidget* parent);

template <typename Receiver, typename Slot>
QPushButton* Button(const QString& text, const QString& name, QWidget* parent, Receiver* receiver,
                    Slot slot) {
    QPushButton* button = Button(text, name, parent);
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

// A page of one group above a row of buttons: `left` at its start, `right` at its end.
void Arrange(QWidget* page, QWidget* group, std::initializer_list<QWidget*> left,
             std::initializer_list<QWidget*> right);

// The outcome of an exchange: information on success, warning on failure.
void Report(Messages& messages, bool success, const QString& successText,
            const QString& failureText);

}  // namespace PageControls
