#pragma once

#include <QString>
#include <QStringList>
#include <map>

#include "main/Spooler.h"

// Takes a serial or parallel device away from the spooler while Tagwell holds it: every local
// queue printing to that device is stopped (its jobs wait, none is lost) and later started again.
// Only queues that were running and are still held by us are started; a queue that was stopped
// before, that someone stopped or started meanwhile, or whose device changed, is left alone.
class SpoolerRedirection {
public:
    // What a queue was like when we first took its device.
    struct SavedQueue {
        QString deviceUri;
        SpoolerQueue::State state = SpoolerQueue::State::Idle;
        bool stoppedByUs = false;
    };

    // The state message of the queues we stop: it tells an administrator why, and tells a later
    // restore that the queue is still stopped by us rather than by someone else.
    static const QString kStopReason;

    explicit SpoolerRedirection(Spooler& spooler) : spooler_(spooler) {}

    // Stops the queues printing to `devicePath`. Gives the names of those that still print to it
    // (not allowed to stop them, or left alone after a failure).
    QStringList RedirectSpoolerPrinters(const QString& devicePath);
    // Starts the queues we stopped. A queue the spooler would not start now stays recorded for a
    // later call.
    void RestoreSpoolerPrinters();

    // Queue name -> what it was before we took its device.
    const std::map<QString, SavedQueue>& SavedPrinterPorts() const { return saved_; }

    // The device file a device URI prints to ("serial:/dev/ttyS0?baud=9600" -> "/dev/ttyS0");
    // empty for a network URI.
    static QString DevicePathOf(const QString& deviceUri);
    // Whether two device paths name the same device (also through a symbolic link).
    static bool SameDevice(const QString& a, const QString& b);

private:
    static bool HeldByUs(const SpoolerQueue& queue);

    Spooler& spooler_;
    std::map<QString, SavedQueue> saved_;
};
