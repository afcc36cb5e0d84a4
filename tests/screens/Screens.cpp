// Takes a picture of every window in English and in Japanese:
//   tagwell_screens <folder> [name-filter]
// Pictures are <folder>/<scene>_en.png and <folder>/<scene>_ja.png. Not run by CTest.
#include "screens/Screens.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>
#include <cstdio>
#include <map>
#include <string>

#include "forms/Translations.h"
#include "support/TestRig.h"

namespace {

std::map<std::string, SceneMaker>& Scenes() {
    static std::map<std::string, SceneMaker> scenes;
    return scenes;
}

void RemoveTranslators() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

}  // namespace

bool AddScene(const char* name, SceneMaker make) {
    Scenes()[name] = std::move(make);
    return true;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    if (argc < 2) {
        std::fputs("usage: tagwell_screens <folder> [name-filter]\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const char* language : {"en", "ja"}) {
        RemoveTranslators();
        if (std::string(language) == "ja") {
            InstallTranslations(application, QLocale(QStringLiteral("ja_JP")));
        }
        for (const auto& [name, make] : Scenes()) {
            const QString sceneName = QString::fromStdString(name);
            if (!filter.isEmpty() && !sceneName.contains(filter)) {
                continue;
            }
            TestRig rig;
            std::unique_ptr<QWidget> widget = make(rig);
            widget->show();
            widget->adjustSize();
            QApplication::processEvents();
            const QString file = folder.filePath(
                QStringLiteral("%1_%2.png").arg(sceneName, QLatin1String(language)));
            widget->grab().save(file);
            std::printf("%s\n", qPrintable(file));
        }
    }
    return 0;
}
