#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <string>

#include "main/Spooler.h"

// A spooler in memory: its queues change as a stop or a start asks, every call is recorded, and
// any queue's change can be refused or fail on demand.
class FakeSpooler : public Spooler {
public:
    std::optional<std::vector<SpoolerQueue>> Queues() override {
        Record(QStringLiteral("list"));
        if (!reachable) {
            return std::nullopt;
        }
        return queues;
    }
    SpoolerChange Stop(const QString& name, const QString& reason) override {
        Record(QStringLiteral("stop ") + name);
        return Change(name, SpoolerQueue::State::Stopped, reason);
    }
    SpoolerChange Start(const QString& name) override {
        Record(QStringLiteral("start ") + name);
        return Change(name, SpoolerQueue::State::Idle, {});
    }

    SpoolerQueue* Find(const QString& name) {
        for (SpoolerQueue& queue : queues) {
            if (queue.name == name) {
                return &queue;
            }
        }
        return nullptr;
    }

    std::vector<SpoolerQueue> queues;
    bool reachable = true;
    std::map<std::string, SpoolerChange> outcome;  // by queue name (default: Done)
    QStringList events;                            // "list", "stop q", "start q"
    std::function<QString()> note;                 // appended to each event, e.g. the port's state

private:
    void Record(const QString& event) { events << (note ? event + note() : event); }
    SpoolerChange Change(const QString& name, SpoolerQueue::State state, const QString& message) {
        const auto given = outcome.find(name.toStdString());
        const SpoolerChange result = given == outcome.end() ? SpoolerChange::Done : given->second;
        SpoolerQueue* queue = Find(name);
        if (!queue) {
            return SpoolerChange::Refused;
        }
        if (result == SpoolerChange::Done) {
            queue->state = state;
            queue->stateMessage = message;
        }
        return result;
    }
};
