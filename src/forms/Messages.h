#pragma once

#include <QString>

// Information and warning boxes with a single OK button. Windows receive one and never call
// QMessageBox themselves, so tests can record what a person would have been shown.
class Messages {
public:
    enum class Kind {
        Information,  // success: information icon
        Warning,      // failure or refusal: exclamation icon
    };

    virtual ~Messages() = default;
    // `caption` is the box's title where a window names one; empty: the program's name.
    virtual void Show(Kind kind, const QString& text, const QString& caption) = 0;

    void Information(const QString& text, const QString& caption = {}) {
        Show(Kind::Information, text, caption);
    }
    void Warning(const QString& text, const QString& caption = {}) {
        Show(Kind::Warning, text, caption);
    }
};
