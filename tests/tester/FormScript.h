#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "forms/FormRunner.h"
#include "support/Widgets.h"
#include "tester/StepField.h"

// Plays the person in front of the forms a window opens: every form that is run gets the next
// step (a form with no step left is left with Escape), and its title is kept. The form is left
// as the step left it: accepted only when the step accepted it.
class FormScript {
public:
    using Step = std::function<void(QDialog& form)>;

    FormRunner Runner() {
        return [this](QDialog& form) {
            titles.push_back(form.windowTitle());
            if (steps.empty()) {
                QTest::keyClick(&form, Qt::Key_Escape);
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

// A step that presses one button of the form.
inline FormScript::Step Press(const char* name) {
    return [name](QDialog& form) { Click(form, name); };
}
