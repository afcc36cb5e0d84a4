#include "main/ConnectFailure.h"

#include <cstring>

QString ConnectFailure::DeviceGroup(PortKind kind) {
    return kind == PortKind::Serial ? QStringLiteral("dialout") : QStringLiteral("lp");
}

QString ConnectFailure::Details(PortKind kind, const QString& portName,
                                const OpenFailure& failure) {
    const QString& path = failure.path;
    switch (failure.fault) {
        case DeviceFault::None:
            break;
        case DeviceFault::NotFound:
            return path.isEmpty() ? tr("No device stands for %1 on this computer.").arg(portName)
                                  : tr("%1 does not exist.").arg(path);
        case DeviceFault::NoUsbPrinter:
            return tr("No supported USB printer is connected.");
        case DeviceFault::Permission: {
            QString text = tr("You may not open %1: add your user to the group \"%2\" and log in "
                              "again.")
                               .arg(path, DeviceGroup(kind));
            if (kind != PortKind::Serial) {
                // Printers are given to the group by Tagwell's rule, not by the system's own.
                text += QLatin1Char(' ') +
                        tr("Tagwell's udev rule (60-tagwell-printers.rules, in its package) gives "
                           "that group the printer.");
            }
            return text;
        }
        case DeviceFault::Busy:
            return tr("%1 is held by another program (a print queue or another Tagwell, say). "
                      "Close it and connect again.")
                .arg(path);
        case DeviceFault::Other:
            return failure.error != 0
                       ? tr("%1 could not be opened: %2.")
                             .arg(path, QString::fromLocal8Bit(std::strerror(failure.error)))
                       : tr("%1 could not be opened.").arg(path);
    }
    return {};
}
