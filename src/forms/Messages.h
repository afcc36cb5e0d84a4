#pragma once

#include <QString>

// Information and warning boxes with a single OK button. Windows receive one and never call
// QMessageBox themselves, so tests can record what a person would have been shown.
class Messages {
public:
    virtual ~Messages() = default;
    // Success: information icon.
    virtual void Information(const QString& text) = 0;
    // Failure or refusal: exclamation icon.
    virtual void Warning(const QString& text) = 0;
};
