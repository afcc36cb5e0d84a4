#include <QApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>

#include "app/AppIcon.h"
#include "forms/BoxMessages.h"
#include "forms/DialogFileChooser.h"
#include "forms/Pacer.h"
#include "forms/ToolContext.h"
#include "forms/Translations.h"
#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "main/FormsPortHost.h"
#include "main/MainWindow.h"
#include "tagwell/Version.h"

namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The socket layer's start-up: a printer that drops the connection must never end the process
// with SIGPIPE.
bool StartSocketLayer() {
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    return sigaction(SIGPIPE, &ignore, nullptr) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("Tagwell needs a graphical display, and none was found (DISPLAY is not set).\n",
                   stderr);
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    QApplication::setApplicationVersion(QLatin1String(kTagwellVersion));
    QApplication::setWindowIcon(AppIcon());
    // Ties the windows to the installed menu entry (and its icon) on Wayland desktops.
    QGuiApplication::setDesktopFileName(QStringLiteral("tagwell"));
    InstallTranslations(application, QLocale::system());

    BoxMessages messages;
    if (!StartSocketLayer()) {
        messages.Warning(QCoreApplication::translate(
            "main", "The network layer could not be started. Tagwell ends."));
        return 1;
    }
    WallClockPacer pacer;
    DialogFileChooser files;
    FormsPortHost host(messages, pacer);
    SystemPortPlatform platform([&pacer] { pacer.KeepPainted(); });
    PrinterPort port(platform, host);

    MainWindow window(ToolContext{port, messages, files, pacer});
    window.exec();
    return 0;
}
