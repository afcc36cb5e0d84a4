#include "CupsDaemon.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kToolTimeoutMs = 10000;
constexpr int kStartTimeoutMs = 10000;

const char kCupsd[] = "/usr/sbin/cupsd";
// The helper cupsd runs every backend through.
const char kCupsExec[] = "/usr/lib/cups/daemon/cups-exec";

// With no arguments cupsd asks a backend which devices it finds: none. Otherwise the job (a file
// argument or standard input) is appended to the queue's output file.
const char kBackend[] = R"(#!/bin/sh
[ $# -eq 0 ] && exit 0
out="@OUT@/$PRINTER"
if [ -n "$6" ]; then cat "$6" >> "$out"; else cat >> "$out"; fi
)";

bool Write(const QString& path, const QByteArray& bytes,
           QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                  QFileDevice::WriteOwner) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.setPermissions(permissions);
}

}  // namespace

const QString CupsDaemon::kNoPausePolicy = QStringLiteral("nopause");

std::unique_ptr<CupsDaemon> CupsDaemon::Start(QString& why) {
    std::unique_ptr<CupsDaemon> daemon(new CupsDaemon);
    if (!daemon->Prepare(why) || !daemon->Launch(why)) {
        return nullptr;
    }
    return daemon;
}

bool CupsDaemon::Prepare(QString& why) {
    if (!dir_.isValid()) {
        why = QStringLiteral("no temporary folder");
        return false;
    }
    for (const char* tool : {kCupsd, kCupsExec}) {
        if (!QFileInfo(QLatin1String(tool)).isExecutable()) {
            why = QStringLiteral("%1 is not installed (packages cups-daemon, cups-client)")
                      .arg(QLatin1String(tool));
            return false;
        }
    }
    const QDir root(dir_.path());
    for (const char* sub : {"conf", "bin/backend", "bin/daemon", "bin/filter", "spool", "cache",
                            "state", "log", "tmp", "out"}) {
        if (!root.mkpath(QLatin1String(sub))) {
            why = QStringLiteral("cannot make %1").arg(QLatin1String(sub));
            return false;
        }
    }
    // The backends write into "out" as root; cupsd itself runs as lp and needs no access there.
    QByteArray backend(kBackend);
    backend.replace("@OUT@", Path(QStringLiteral("out")).toUtf8());
    bool written =
        QFile::copy(QLatin1String(kCupsExec), Path(QStringLiteral("bin/daemon/cups-exec")));
    for (const char* scheme : {"serial", "parallel"}) {
        // Mode 0700, owned by root: cupsd runs such a backend as root.
        written = written &&
                  Write(Path(QStringLiteral("bin/backend/")) + QLatin1String(scheme), backend,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    const QString base = dir_.path();
    QString files = QStringLiteral(
                        "ServerRoot %1/conf\nServerBin %1/bin\nDataDir /usr/share/cups\n"
                        "RequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                        "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                        "PageLog %1/log/page_log\nPrintcap %1/printcap\n")
                        .arg(base);
    if (geteuid() == 0) {
        // cupsd refuses to run its children as root; lp and the administrators' group of root.
        files += QStringLiteral("User lp\nGroup lp\nSystemGroup root\n");
    }
    const QString cupsd =
        QStringLiteral(
            "Listen %1/cups.sock\nLogLevel info\nBrowsing No\nWebInterface No\n"
            "DefaultAuthType None\nMaxJobTime 30\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n"
            "<Policy %2>\n"
            // cupsd always lets a local client through by address: only a user check refuses.
            "  <Limit Pause-Printer Resume-Printer>\n    AuthType Basic\n"
            "    Require user tagwell-nobody\n    Order deny,allow\n  </Limit>\n"
            "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
            .arg(base, kNoPausePolicy);
    written = written && Write(Path(QStringLiteral("conf/cups-files.conf")), files.toUtf8()) &&
              Write(Path(QStringLiteral("conf/cupsd.conf")), cupsd.toUtf8());
    if (!written) {
        why = QStringLiteral("cannot write the configuration into %1").arg(base);
    }
    return written;
}

bool CupsDaemon::Launch(QString& why) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(Path(QStringLiteral("log/cupsd.out")));
    // Should the test program die, cupsd goes with it.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start(
        QLatin1String(kCupsd),
        {QStringLiteral("-f"), QStringLiteral("-c"), Path(QStringLiteral("conf/cupsd.conf")),
         QStringLiteral("-s"), Path(QStringLiteral("conf/cups-files.conf"))});
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        why = QStringLiteral("cupsd did not start: ") + process_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running) {
            break;
        }
        const std::optional<QString> status = Run(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (status && status->contains(QLatin1String("is running"))) {
            return true;
        }
        QThread::msleep(20);
    }
    QFile log(Path(QStringLiteral("log/error_log")));
    log.open(QIODevice::ReadOnly);
    why = QStringLiteral("cupsd did not answer within %1 ms; its log:\n%2")
              .arg(kStartTimeoutMs)
              .arg(QString::fromUtf8(log.readAll().right(2000)));
    return false;
}

CupsDaemon::~CupsDaemon() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
}

std::optional<QString> CupsDaemon::Run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), Server());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool CupsDaemon::AddQueue(const QString& name, const QString& deviceUri,
                          const QString& policy) const {
    QStringList arguments = {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                             deviceUri};
    if (!policy.isEmpty()) {
        arguments << QStringLiteral("-o") << QStringLiteral("printer-op-policy=") + policy;
    }
    return Run(QStringLiteral("lpadmin"), arguments).has_value();
}

std::optional<bool> CupsDaemon::Stopped(const QString& name) const {
    const std::optional<QString> status =
        Run(QStringLiteral("lpstat"), {QStringLiteral("-p"), name});
    if (!status || !status->startsWith(QStringLiteral("printer ") + name + QLatin1Char(' '))) {
        return std::nullopt;
    }
    return status->contains(QLatin1String(" disabled "));
}

bool CupsDaemon::Print(const QString& name, const QByteArray& text) const {
    static int jobs = 0;
    const QString file = Path(QStringLiteral("tmp/job%1.txt").arg(++jobs));
    return Write(file, text,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther) &&
           Run(QStringLiteral("lp"),
               {QStringLiteral("-d"), name, QStringLiteral("-o"), QStringLiteral("raw"), file})
               .has_value();
}

QByteArray CupsDaemon::Output(const QString& name) const {
    QFile file(Path(QStringLiteral("out/")) + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CupsDaemon::WaitForOutput(const QString& name, qsizetype size) const {
    const QDeadlineTimer deadline(kToolTimeoutMs);
    QByteArray output = Output(name);
    while (output.size() < size && !deadline.hasExpired()) {
        QThread::msleep(20);
        output = Output(name);
    }
    return output;
}
