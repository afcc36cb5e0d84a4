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

QStringList SerialDirectory::Ordered(const QList<QStringList>& groups) {
    QStringList ordered;
    for (const QStringList& group : groups) {
        ordered += NaturalSorted(group);
    }
    return ordered;
}

QString SerialDirectory::PinFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tagwell/serial-ports.conf");
}

QStringList SerialDirectory::Devices() {
    QStringList builtIn = DevicesMatching({QStringLiteral("ttyS*")});
    builtIn.erase(std::remove_if(builtIn.begin(), builtIn.end(),
                                 [](const QString& path) { return !HasUart(path); }),
                  builtIn.end());
    QStringList devices =
        Ordered({DevicesMatching({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}),
                 DevicesMatching({QStringLiteral("rfcomm*")}), builtIn,
                 DevicesMatching({QStringLiteral("ttyAMA*")})});
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

SerialDirectory::Pins SerialDirectory::ReadPins(const QString& text) {
    Pins pins;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const int number = ComNumber(line.left(equals).trimmed());
        const QString path = line.mid(equals + 1).trimmed();
        if (equals > 0 && number >= 1 && number <= kComNames && !path.isEmpty()) {
            pins[number] = path;
        }
    }
    return pins;
}

QStringList SerialDirectory::Assign(
    const Pins& pins, const QStringList& automatic,
    const std::function<bool(const QString&, const QString&)>& sameDevice) {
    QStringList free;
    for (const QString& device : automatic) {
        const bool pinned = std::any_of(pins.begin(), pins.end(), [&](const auto& pin) {
            return sameDevice(pin.second, device);
        });
        if (!pinned) {
            free << device;
        }
    }
    QStringList devices;
    qsizetype next = 0;
    for (int number = 1; number <= kComNames; ++number) {
        if (const auto pin = pins.find(number); pin != pins.end()) {
            devices << pin->second;
        } else {
            devices << (next < free.size() ? free[next++] : QString());
        }
    }
    return devices;
}

QString SerialDirectory::DeviceFor(const QString& comName) {
    const int number = ComNumber(comName);
    if (number < 1 || number > kComNames) {
        return {};
    }
    Pins pins;
    QFile file(PinFile());
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        pins = ReadPins(QString::fromUtf8(file.readAll()));
    }
    const auto sameDevice = [](const QString& a, const QString& b) {
        const QString canonicalA = QFileInfo(a).canonicalFilePath();
        return a == b || (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath());
    };
    return Assign(pins, Devices(), sameDevice)[number - 1];
}
