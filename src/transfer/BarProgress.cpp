#include "transfer/BarProgress.h"

#include <QProgressBar>
#include <algorithm>

TransferProgress BarProgress(QProgressBar* bar) {
    TransferProgress progress;
    progress.setRange = [bar](int maximum) { bar->setRange(0, std::max(maximum, 1)); };
    progress.setValue = [bar](int value) { bar->setValue(std::min(value, bar->maximum())); };
    progress.step = [bar] { bar->setValue(std::min(bar->value() + 1, bar->maximum())); };
    return progress;
}

QProgressBar* TransferBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("progressBar"));
    bar->setTextVisible(false);
    bar->setRange(0, 1);
    bar->setValue(0);
    return bar;
}
