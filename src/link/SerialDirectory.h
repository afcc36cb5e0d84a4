#pragma once

#include <QString>
#include <QStringList>

// Maps the port names "COM1:" … "COM10:" onto this machine's serial devices: COMn is the n-th
// device of the list USB serial adapters (/dev/ttyUSB*, /dev/ttyACM*), then built-in ports
// (/dev/ttyS* with a UART behind them), then the pseudo-terminals that running printer simulators
// announce in SimulatorLinkFolder() (links "sim-<pid>").
class SerialDirectory {
public:
    // The device paths in COM order, as found now.
    static QStringList Devices();
    // The device that "COMn:" stands for, or an empty text when there is none.
    static QString DeviceFor(const QString& comName);
    // Where a printer simulator puts links to its pseudo-terminals: a folder of the user's own.
    static QString SimulatorLinkFolder();

    // Ordering and filtering of candidate names, apart from the file system (for tests).
    static QStringList Ordered(const QStringList& adapters, const QStringList& builtIn);
    static int ComNumber(const QString& comName);  // 1.. for "COMn:", 0 otherwise
};
