#include "forms/Pacer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

void WallClockPacer::Pause(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        KeepPainted();
        QThread::msleep(
            static_cast<unsigned long>(std::clamp<qint64>(deadline.remainingTime(), 0, 10)));
    }
}

void WallClockPacer::KeepPainted() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
