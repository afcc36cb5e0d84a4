#pragma once

#include <QString>
#include <optional>
#include <vector>

// What the print spooler says about one of its local queues.
struct SpoolerQueue {
    enum class State { Idle, Processing, Stopped };

    QString name;
    QString deviceUri;  // e.g. "serial:/dev/ttyUSB0?baud=9600"
    State state = State::Idle;
    QString stateMessage;  // the reason given when the queue was stopped, if any
};

// How a request to change a queue ended.
enum class SpoolerChange {
    Done,
    Refused,  // not allowed (no administrative rights) or no such queue: skip it
    Failed,   // anything else: the spooler is in trouble, leave the rest alone
};

// The platform's print spooler, as far as taking a device away from it goes. The real one talks
// to cupsd; tests use a scripted fake.
class Spooler {
public:
    virtual ~Spooler() = default;
    // Every local queue (no remote queues, no classes), in the spooler's order; nothing when the
    // spooler cannot be reached.
    virtual std::optional<std::vector<SpoolerQueue>> Queues() = 0;
    // Stops the queue's processing with `reason` as its state message; it keeps accepting jobs.
    virtual SpoolerChange Stop(const QString& name, const QString& reason) = 0;
    // Lets a stopped queue print again.
    virtual SpoolerChange Start(const QString& name) = 0;
};
