#include "link/SerialDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace {

// "/dev/ttyUSB2" before "/dev/ttyUSB10": by the name without its number, then by the number.
QStringList NaturalSorted(QStringList names) {
    const auto split = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name[digits - 1].isDigit()) {
            --digits;
        }
        return std::pair(name.first(digits), name.mid(digits).toLongLong());
    };
    std::sort(names.begin(), names.end(),
              [&split](const QString& a, const QString& b) { return split(a) < split(b); });
    return names;
}

QStringList DevicesMatching(const QStringList& patterns) {
    QStringList paths;
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& name : dev.entryList(patterns, QDir::System)) {
        paths << dev.filePath(name);
    }
    return NaturalSorted(paths);
}

// Built-in ports the kernel names but that have no UART (type 0) are left out.
bool HasUart(const QString& devicePath) {
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(QFileInfo(devicePath).fileName()));
    if (!type.open(QIODevice::ReadOnly)) {
        return false;
    }
    return type.readAll().trimmed() != "0";
}

// A link "sim-<pid>" counts while the simulator that made it still runs: a killed simulator
// leaves its link behind, and its terminal's number may since belong to someone else.
bool SimulatorStillRuns(const QFileInfo& link) {
    const QString name = link.fileName();
    if (!name.startsWith(QStringLiteral("sim-"))) {
        return false;
    }
    QFile command(QStringLiteral("/proc/%1/comm").arg(name.mid(4)));
    return command.open(QIODevice::ReadOnly) && command.readAll().startsWith("tagwell-printer");
}

}  // namespace

QString SerialDirectory::SimulatorLinkFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tagwell-serial");
}

QStringList SerialDirectory::Ordered(const QStringList& adapters, const QStringList& builtIn) {
    return NaturalSorted(adapters) + NaturalSorted(builtIn);
}

QStringList SerialDirectory::Devices() {
    const QStringList adapters =
        DevicesMatching({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")});
    QStringList builtIn = DevicesMatching({QStringLiteral("ttyS*")});
    builtIn.erase(std::remove_if(builtIn.begin(), builtIn.end(),
                                 [](const QString& path) { return !HasUart(path); }),
                  builtIn.end());
    QStringList devices = Ordered(adapters, builtIn);
    const QDir links(SimulatorLinkFolder());
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (link.isSymLink() && link.symLinkTarget().startsWith(QStringLiteral("/dev/pts/")) &&
            QFileInfo::exists(link.symLinkTarget()) && SimulatorStillRuns(link)) {
            devices << link.filePath();
        }
    }
    return devices;
}

int SerialDirectory::ComNumber(const QString& comName) {
    if (!comName.startsWith(QStringLiteral("COM"))) {
        return 0;
    }
    QString digits = comName.mid(3);
    if (digits.endsWith(QLatin1Char(':'))) {
        digits.chop(1);
    }
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number > 0 ? number : 0;
}

QString SerialDirectory::DeviceFor(const QString& comName) {
    const int number = ComNumber(comName);
    const QStringList devices = Devices();
    return number > 0 && number <= devices.size() ? devices[number - 1] : QString();
}
