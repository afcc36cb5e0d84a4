#include "support/RecordingFileChooser.h"

QString RecordingFileChooser::NextAnswer() {
    if (answers.empty()) {
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString RecordingFileChooser::ChooseOpen(const QStringList& nameFilters) {
    requests.push_back({false, nameFilters, {}});
    return NextAnswer();
}

QString RecordingFileChooser::ChooseSave(const QStringList& nameFilters,
                                         const QString& proposedName) {
    requests.push_back({true, nameFilters, proposedName});
    return NextAnswer();
}
