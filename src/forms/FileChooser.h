#pragma once

#include <QString>
#include <QStringList>

// Open and save dialogs. Filters are Qt's name filters, one entry a choice:
// "Text files(*.txt) (*.txt)", "All files(*.*) (*)".
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or an empty text when the user cancelled.
    virtual QString ChooseOpen(const QStringList& nameFilters) = 0;
    virtual QString ChooseSave(const QStringList& nameFilters, const QString& proposedName) = 0;
};
