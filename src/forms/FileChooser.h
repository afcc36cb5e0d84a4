#pragma once

#include <QString>
#include <QStringList>

// Open and save dialogs. Filter lists are written the way the windows describe them:
// "Text files(*.txt)|*.txt|All files(*.*)|*.*||" (description, patterns, description, ...).
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or an empty text when the user cancelled.
    virtual QString ChooseOpen(const QString& filterList) = 0;
    virtual QString ChooseSave(const QString& filterList, const QString& proposedName) = 0;
};

// The name filters of a Qt file dialog for a filter list. Extensions match in either case, and
// "*.*" matches every file, also one without a dot, as users of such lists expect.
QStringList NameFilters(const QString& filterList);

class DialogFileChooser : public FileChooser {
public:
    QString ChooseOpen(const QString& filterList) override;
    QString ChooseSave(const QString& filterList, const QString& proposedName) override;
};
