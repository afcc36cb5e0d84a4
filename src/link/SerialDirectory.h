#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

// Maps the port names "COM1:" … "COM10:" onto this machine's serial devices.
//
// A user may pin COM names to devices in PinFile(), one "COM3=/dev/serial/by-id/…" a line (the
// names under /dev/serial/by-id stay the same when an adapter is plugged in elsewhere). The other
// COM names, in order, take the devices found automatically, in this order: USB serial adapters
// (/dev/ttyUSB*, /dev/ttyACM*), Bluetooth serial links (/dev/rfcomm*), built-in and board ports
// (/dev/ttyS* with a UART behind them, /dev/ttyAMA*), then the pseudo-terminals that running
// printer simulators announce in SimulatorLinkFolder() (links "sim-<pid>"). A device that a pin
// names is not given to a second COM name.
class SerialDirectory {
public:
    static constexpr int kComNames = 10;
    using Pins = std::map<int, QString>;  // COM number -> device path

    // The devices found automatically, in COM order, as found now.
    static QStringList Devices();
    // The device that "COMn:" stands for, or an empty text when there is none.
    static QString DeviceFor(const QString& comName);
    // Where a printer simulator puts links to its pseudo-terminals: a folder of the user's own.
    static QString SimulatorLinkFolder();
    // The user's pins: "serial-ports.conf" in Tagwell's folder of the user's configuration.
    static QString PinFile();

    // Ordering and filtering of candidate names, apart from the file system (for tests).
    // The groups one after the other, each in natural order ("ttyUSB2" before "ttyUSB10").
    static QStringList Ordered(const QList<QStringList>& groups);
    static int ComNumber(const QString& comName);  // 1.. for "COMn:", 0 otherwise
    // The pins a pin file's text holds. Blank lines and lines starting with "#" are skipped, and
    // so is a line that is not "COMn=path" (n from 1 to kComNames, "COMn:" also accepted).
    static Pins ReadPins(const QString& text);
    // The device of every COM number 1..kComNames (empty: none): pinned numbers their pin, the
    // others the automatic devices in order, leaving out those a pin names. `sameDevice` tells
    // whether two paths name one device (links resolved).
    static QStringList Assign(
        const Pins& pins, const QStringList& automatic,
        const std::function<bool(const QString&, const QString&)>& sameDevice);
};
