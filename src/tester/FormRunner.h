#pragma once

#include <functional>

class QDialog;

// Shows a form modally and returns once it is left. Windows of the tester open every form
// through one, so that tests can drive a form where a person would (and nothing blocks).
using FormRunner = std::function<void(QDialog& form)>;

// The real one: QDialog::exec().
void RunModal(QDialog& form);
