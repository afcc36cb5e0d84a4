#include <QPushButton>

#include "main/MainWindow.h"
#include "screens/Screens.h"
#include "support/FakeSpooler.h"
#include "support/TestRig.h"

namespace {

// A main window whose spooler lives as long as it does, never the machine's own cupsd.
std::unique_ptr<QWidget> MainWindowScene(TestRig& rig, bool connected,
                                         const QString& refusedQueue = {}) {
    rig.platform.nameDevices = !refusedQueue.isEmpty();
    auto* spooler = new FakeSpooler;
    auto window = std::make_unique<MainWindow>(rig.Context(), *spooler);
    QObject::connect(window.get(), &QObject::destroyed, [spooler] { delete spooler; });
    if (!refusedQueue.isEmpty()) {
        SpoolerQueue queue;
        queue.name = refusedQueue;
        queue.deviceUri = QStringLiteral("serial:") +
                          rig.port.DevicePath(PortKind::Serial, QStringLiteral("COM1:"));
        spooler->queues.push_back(queue);
        spooler->outcome[refusedQueue.toStdString()] = SpoolerChange::Refused;
    }
    if (connected) {
        rig.link.Answer("^PI0\r\n", "QX-M43\r\n");
        window->Connect();
    }
    return window;
}

TAGWELL_SCENE("main_disconnected", [](TestRig& rig) { return MainWindowScene(rig, false); });
TAGWELL_SCENE("main_connected", [](TestRig& rig) { return MainWindowScene(rig, true); });
// A CUPS queue on the same port that Tagwell may not stop.
TAGWELL_SCENE("main_connected_queue_busy", [](TestRig& rig) {
    return MainWindowScene(rig, true, QStringLiteral("Label_Printer_Office"));
});

}  // namespace
