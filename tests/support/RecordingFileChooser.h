#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "forms/FileChooser.h"

// Answers file dialogs from a script (an empty answer, or none left, is a cancel) and keeps what
// was asked.
class RecordingFileChooser : public FileChooser {
public:
    struct Request {
        bool save = false;
        QStringList nameFilters;
        QString proposedName;
    };

    QString ChooseOpen(const QStringList& nameFilters) override;
    QString ChooseSave(const QStringList& nameFilters, const QString& proposedName) override;

    std::deque<QString> answers;
    std::vector<Request> requests;

private:
    QString NextAnswer();
};
