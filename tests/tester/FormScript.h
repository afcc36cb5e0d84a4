#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

#include "forms/FormRunner.h"

// Plays the person in front of the forms a window opens: every form that is run gets the next
// step (a form with no step left is left with Escape), and its title is kept.
class FormScript {
public:
    using Step = std::function<void(QDialog& form)>;

    FormRunner Runner() {
        return [this](QDialog& form) {
            titles.push_back(form.windowTitle());
            if (steps.empty()) {
                form.reject();
                return QDialog::Rejected;
            }
            const Step step = std::move(steps.front());
            steps.pop_front();
            step(form);
            return form.result() == QDialog::Accepted ? QDialog::Accepted : QDialog::Rejected;
        };
    }

    std::deque<Step> steps;
    QStringList titles;
};

template <typename T = QWidget>
T* Find(const QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline void Click(const QWidget& parent, const char* name) {
    if (auto* button = Find<QAbstractButton>(parent, name)) {
        button->click();
    }
}

// A step that presses one button of the form.
inline FormScript::Step Press(const char* name) {
    return [name](QDialog& form) { Click(form, name); };
}

// Texts written as plain literals.
inline QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}
