#include "tester/SampleRun.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include "forms/Pacer.h"
#include "forms/ValueLabel.h"
#include "link/PrinterPort.h"

SampleRun::SampleRun(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progressBar"));
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(160);
    bar_->setRange(0, 1);
    bar_->setValue(0);
    count_ = ValueLabel::Make(this, "progressLabel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 1);
    layout->addWidget(count_);
}

bool SampleRun::Send(int count, const std::function<QByteArray(int)>& write) {
    bar_->setRange(0, std::max(count, 1));
    bar_->setValue(0);
    for (int i = 0; i < count; ++i) {
        count_->setText(tr("Sending %1 of %2").arg(i + 1).arg(count));
        context_.pacer.KeepPainted();
        if (context_.port.Write(write(i)) == 0) {
            count_->setText(
                tr("Stopped: the printer did not take %1 of %2.").arg(i + 1).arg(count));
            return false;
        }
        bar_->setValue(i + 1);
    }
    count_->setText(tr("Sent %1 of %2.").arg(count).arg(count));
    context_.pacer.KeepPainted();
    return true;
}
