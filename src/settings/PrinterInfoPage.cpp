#include "settings/PrinterInfoPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/ValueLabel.h"

PrinterInfoPage::PrinterInfoPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    auto* group = new QGroupBox(tr("Printer Information"), this);
    // The values sit on a plain panel inside the group and have no buddy: a screen reader names
    // an empty label after its group or its buddy, and would read a caption as the value. Each
    // value carries its caption as its description instead.
    auto* values = new QWidget(group);
    (new QVBoxLayout(group))->addWidget(values);
    auto* form = new QFormLayout(values);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    const std::array<QString, kFacts> captions = {
        tr("Model Name :"), tr("Model Type :"), tr("Firmware Version :"), tr("TPH Temperature :")};
    const std::array<const char*, kFacts> names = {"modelNameLabel", "modelTypeLabel",
                                                   "firmwareVersionLabel", "temperatureLabel"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = ValueLabel::Make(values, names[i]);
        label->setAccessibleDescription(captions[i]);
        // The printer's bytes are never read as markup.
        label->setTextFormat(Qt::PlainText);
        // A value is shown as received, its line end as a line break: room for two lines, the
        // value on the first.
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setMargin(3);
        label->setText(QStringLiteral("0\n"));
        label->setMinimumHeight(label->sizeHint().height());
        label->clear();
        auto* caption = new QLabel(captions[i], values);
        // Level with the value's first line.
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setContentsMargins(0, label->margin() + label->frameWidth(), 0, 0);
        form->addRow(caption, label);
        labels_[i] = label;
    }

    auto* get = Controls::Button(this, tr("Get"), QStringLiteral("printerInfoGetButton"), this,
                                 &PrinterInfoPage::Get);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("printerInfoProgress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(get);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(bottom);
    layout->addStretch();
}

void PrinterInfoPage::ShowFields() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        // Every byte as received; a label breaks a line only at a line feed.
        labels_[i]->setText(QString(fields_[i])
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    }
}

void PrinterInfoPage::Advance() {
    progress_->setValue(std::min(progress_->value() + kProgressStep, progress_->maximum()));
}

void PrinterInfoPage::Get() {
    Advance();
    fields_ = {};
    ShowFields();
    std::array<QString, kFacts> read;
    const std::array<QByteArrayView, 3> queries = {SettingsProtocol::kModelNameQuery,
                                                   SettingsProtocol::kModelTypeQuery,
                                                   SettingsProtocol::kFirmwareQuery};
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const SettingsProtocol::TextReply reply = protocol_.QueryText(
            queries[i], SettingsProtocol::kReplyPauseMs, SettingsProtocol::kReplyBufferSize);
        read[i] = QString::fromLatin1(reply.text);
        Advance();
    }
    const SettingsProtocol::TextReply temperature =
        protocol_.QueryText(SettingsProtocol::kHeadTemperatureQuery,
                            SettingsProtocol::kReplyPauseMs, SettingsProtocol::kReplyBufferSize);
    read[HeadTemperature] =
        QString::fromLatin1(SettingsProtocol::StripLineEnds(temperature.text)) + tr(" Celsius");
    progress_->setValue(progress_->maximum());
    if (!temperature.received) {
        context_.messages.Warning(tr("Get printer information is failed"), tr("Warning"));
        context_.messages.Warning(tr("Get printer information is failed."));
        return;
    }
    progress_->setValue(0);
    fields_ = read;
    ShowFields();
    context_.messages.Information(tr("Get printer information is successful."));
}
