#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// A cupsd of the test's own: its configuration, spool, cache, state and logs in a temporary
// folder, listening on its own domain socket only, never touching the system's CUPS. Its "serial"
// and "parallel" backends append each job to Output(queue). Ended (and waited for) when destroyed.
class CupsDaemon {
public:
    // The name of the operation policy that refuses to stop or start a queue.
    static const QString kNoPausePolicy;

    // Nothing, with the reason in `why`, when cupsd cannot be started here.
    static std::unique_ptr<CupsDaemon> Start(QString& why);
    ~CupsDaemon();
    CupsDaemon(const CupsDaemon&) = delete;
    CupsDaemon& operator=(const CupsDaemon&) = delete;

    QString Server() const { return dir_.filePath(QStringLiteral("cups.sock")); }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Runs a CUPS client tool ("lpadmin", "lp", "lpstat", "cupsenable" ...) against this daemon;
    // its standard output, or nothing when it failed or took longer than 10 s.
    std::optional<QString> Run(const QString& tool, const QStringList& arguments) const;
    // A new queue on `deviceUri`, accepting and enabled; `policy` names its operation policy.
    bool AddQueue(const QString& name, const QString& deviceUri, const QString& policy = {}) const;
    // Whether lpstat reports the queue stopped ("disabled"); nothing when it has no such queue.
    std::optional<bool> Stopped(const QString& name) const;
    // Submits `text` as a raw job to the queue.
    bool Print(const QString& name, const QByteArray& text) const;
    // What the queue's backend wrote so far.
    QByteArray Output(const QString& name) const;
    // Waits (10 s at most) until the backend of `name` wrote at least `size` bytes.
    QByteArray WaitForOutput(const QString& name, qsizetype size) const;

private:
    CupsDaemon() = default;
    bool Prepare(QString& why);
    bool Launch(QString& why);

    QTemporaryDir dir_;
    QProcess process_;
};
