#pragma once

#include "forms/FileChooser.h"

// A name filter as the dialog applies it: extensions match in either case, and "*.*" matches
// every file, also one without a dot, as users of such lists expect.
QString DialogNameFilter(const QString& nameFilter);

// The real open and save dialogs, modal over the active window.
class DialogFileChooser : public FileChooser {
public:
    QString ChooseOpen(const QStringList& nameFilters) override;
    QString ChooseSave(const QStringList& nameFilters, const QString& proposedName) override;
};
