#pragma once

#include <QCoreApplication>
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

// The real boxes, modal over the active window.
class BoxMessages : public Messages {
    Q_DECLARE_TR_FUNCTIONS(BoxMessages)
public:
    void Information(const QString& text) override;
    void Warning(const QString& text) override;
};

// For a button whose window this version does not have yet: an information box saying so.
void ShowNotYetAvailable(Messages& messages);
