#include "main/SpoolerRedirection.h"

#include <QFileInfo>
#include <QUrl>
#include <algorithm>

const QString SpoolerRedirection::kStopReason =
    QStringLiteral("Tagwell holds this device; the queue starts again when it lets go.");

QStringList SpoolerRedirection::RedirectSpoolerPrinters(const QString& devicePath) {
    QStringList stillUsing;
    if (devicePath.isEmpty()) {
        return stillUsing;
    }
    const std::optional<std::vector<SpoolerQueue>> queues = spooler_.Queues();
    if (!queues) {
        return stillUsing;  // no spooler running: nothing competes for the device
    }
    bool changing = true;
    for (const SpoolerQueue& queue : *queues) {
        if (!SameDevice(DevicePathOf(queue.deviceUri), devicePath)) {
            continue;
        }
        const auto known = saved_.find(queue.name);
        if (known != saved_.end() && known->second.state != SpoolerQueue::State::Stopped &&
            HeldByUs(queue)) {
            // Still stopped by an earlier attempt (a Connect that could not open the port): the
            // first record keeps the state to give back.
            continue;
        }
        // Recorded before anything changes, so that a restore knows it whatever happens next.
        SavedQueue& saved = saved_[queue.name];
        saved = {queue.deviceUri, queue.state, false};
        if (queue.state == SpoolerQueue::State::Stopped) {
            continue;  // someone else's stop: not ours to start later
        }
        if (!changing) {
            stillUsing << queue.name;
            continue;
        }
        switch (spooler_.Stop(queue.name, kStopReason)) {
            case SpoolerChange::Done:
                saved.stoppedByUs = true;
                break;
            case SpoolerChange::Refused:
                stillUsing << queue.name;
                break;
            case SpoolerChange::Failed:
                changing = false;
                stillUsing << queue.name;
                break;
        }
    }
    return stillUsing;
}

void SpoolerRedirection::RestoreSpoolerPrinters() {
    if (saved_.empty()) {
        return;
    }
    const std::optional<std::vector<SpoolerQueue>> queues = spooler_.Queues();
    if (!queues) {
        return;  // kept: a later restore may reach the spooler
    }
    bool changing = true;
    for (auto entry = saved_.begin(); entry != saved_.end();) {
        const QString& name = entry->first;
        const SavedQueue& saved = entry->second;
        const auto current =
            std::find_if(queues->begin(), queues->end(),
                         [&](const SpoolerQueue& queue) { return queue.name == name; });
        // Only a queue that ran before and still carries our stop: one that was stopped already,
        // was started or stopped again by someone else, was pointed at another device or was
        // deleted is the administrator's now.
        const bool ours = current != queues->end() && saved.state != SpoolerQueue::State::Stopped &&
                          current->deviceUri == saved.deviceUri && HeldByUs(*current);
        if (!ours) {
            entry = saved_.erase(entry);
            continue;
        }
        if (changing) {
            const SpoolerChange change = spooler_.Start(name);
            if (change == SpoolerChange::Done) {
                entry = saved_.erase(entry);
                continue;
            }
            changing = change != SpoolerChange::Failed;
        }
        ++entry;  // not started: a later restore tries again
    }
}

bool SpoolerRedirection::HeldByUs(const SpoolerQueue& queue) {
    return queue.state == SpoolerQueue::State::Stopped && queue.stateMessage == kStopReason;
}

QString SpoolerRedirection::DevicePathOf(const QString& deviceUri) {
    const qsizetype colon = deviceUri.indexOf(QLatin1Char(':'));
    if (colon <= 0) {
        return {};
    }
    QString path = deviceUri.mid(colon + 1);
    if (path.startsWith(QLatin1String("//"))) {
        if (!path.startsWith(QLatin1String("///"))) {
            return {};  // "scheme://host/...": a network printer, not a device file
        }
        path.remove(0, 2);
    }
    for (const QChar end : {QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = path.indexOf(end);
        if (at >= 0) {
            path.truncate(at);
        }
    }
    path = QUrl::fromPercentEncoding(path.toUtf8());
    return path.startsWith(QLatin1Char('/')) ? path : QString();
}

bool SpoolerRedirection::SameDevice(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    if (a == b) {
        return true;
    }
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}
