#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "main/ConnectFailure.h"
#include "main/MainWindow.h"
#include "screens/Screens.h"
#include "support/FakeSpooler.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

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

// USB chosen, with a supported printer plugged in.
TAGWELL_SCENE("main_usb_connected", [](TestRig& rig) {
    rig.platform.usbPrinter = UsbPrinter{QStringLiteral("/dev/usb/lp0"), 3};
    auto window = MainWindowScene(rig, false);
    Find<QRadioButton>(*window, "usbRadio")->setChecked(true);
    rig.link.Answer("^PI0\r\n", "QX-M43\r\n");
    static_cast<MainWindow&>(*window).Connect();
    return window;
});
// The box a Connect gives when the USB printer cannot be opened: the message and why.
std::unique_ptr<QWidget> UsbFailureBox(DeviceFault fault) {
    const QString text = QCoreApplication::translate(
                             "MainWindow", "Cannot open port! Please check printer and cable.") +
                         QStringLiteral("\n\n") +
                         ConnectFailure::Details(PortKind::Usb, QStringLiteral("USB"),
                                                 {fault, QStringLiteral("/dev/usb/lp0"), 0});
    return std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tagwell"), text,
                                         QMessageBox::Ok);
}
// Another program holds the printer; the user is not in the group "lp".
TAGWELL_SCENE("main_usb_busy_box", [](TestRig&) { return UsbFailureBox(DeviceFault::Busy); });
TAGWELL_SCENE("main_usb_permission_box",
              [](TestRig&) { return UsbFailureBox(DeviceFault::Permission); });

}  // namespace
