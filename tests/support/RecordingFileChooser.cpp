#include "support/RecordingFileChooser.h"

QString RecordingFileChooser::NextAnswer() {
    if (answers.empty()) {
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString RecordingFileChooser::ChooseOpen(const QString& filterList) {
    requests.push_back({false, filterList, {}});
    return NextAnswer();
}

QString RecordingFileChooser::ChooseSave(const QString& filterList, const QString& proposedName) {
    requests.push_back({true, filterList, proposedName});
    return NextAnswer();
}
