#pragma once

#include <QCoreApplication>

#include "forms/Messages.h"

// The real boxes, modal over the active window.
class BoxMessages : public Messages {
    Q_DECLARE_TR_FUNCTIONS(BoxMessages)
public:
    void Show(Kind kind, const QString& text, const QString& caption) override;
};

// For a button whose window this version does not have yet: an information box saying so.
void ShowNotYetAvailable(Messages& messages);
