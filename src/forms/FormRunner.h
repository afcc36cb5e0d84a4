#pragma once

#include <QDialog>
#include <functional>

// Shows a form modally and returns how it was left: Accepted or Rejected. Every window opens the
// forms it shows through one (tool windows, the image viewer, the builder forms), so that tests
// can drive a form where a person would, and nothing blocks.
using FormRunner = std::function<QDialog::DialogCode(QDialog& form)>;

// The real one: QDialog::exec().
QDialog::DialogCode RunModal(QDialog& form);
