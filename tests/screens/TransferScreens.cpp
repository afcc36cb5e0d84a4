#include <QDir>
#include <QFile>
#include <QPushButton>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "transfer/FileTransferWindow.h"

namespace {

TAGWELL_SCENE("transfer_window", [](TestRig& rig) {
    // A fixed path, so that every run's pictures show the same one.
    const QString path = QDir::tempPath() + QStringLiteral("/tagwell-screens-labels.bin");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QByteArray(123456, 'x'));
        file.close();
    }
    auto window = std::make_unique<FileTransferWindow>(rig.Context());
    rig.files.answers.push_back(path);
    window->findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
    return window;
});

TAGWELL_SCENE("transfer_window_empty",
              [](TestRig& rig) { return std::make_unique<FileTransferWindow>(rig.Context()); });

}  // namespace
