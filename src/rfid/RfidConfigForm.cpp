#include "rfid/RfidConfigForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "rfid/RfidCommands.h"

namespace {

// A stored position the list has no entry for (an answer out of range) shows as no selection.
void ShowPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position
                                                                    : RfidSettings::kPositionNone);
}

// "Writing Power :" as a name inside a sentence: without its colon.
QString WithoutColon(QString caption) {
    while (!caption.isEmpty() && (caption.back() == QLatin1Char(':') ||
                                  caption.back() == QChar(0xFF1A) || caption.back().isSpace())) {
        caption.chop(1);
    }
    return caption;
}

}  // namespace

RfidConfigForm::RfidConfigForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context), protocol_(context.port, context.pacer) {
    setWindowTitle(tr("RFID Cofiguration"));

    auto* settingGroup = new QGroupBox(tr("RFID Setting"), this);
    settingGroup->setObjectName(QStringLiteral("rfidSettingGroup"));
    tagTypeList_ = Controls::List(settingGroup, "tagTypeList",
                                  {QStringLiteral("GEN2"), QStringLiteral("ISO-B")});
    // Each entry is captioned by the power it sends: position p stands for power p + 1.
    writingPowerList_ =
        Controls::NumberList(settingGroup, "writingPowerList", 1, RfidSettings::kPowerCount);
    transponderPositionEdit_ = Controls::Field(settingGroup, "transponderPositionEdit");
    transponderPositionEdit_->setAlignment(Qt::AlignRight);
    retriesList_ =
        Controls::NumberList(settingGroup, "retriesList", 0, RfidSettings::kRetriesCount - 1);
    labelsList_ =
        Controls::NumberList(settingGroup, "labelsList", 0, RfidSettings::kLabelsCount - 1);
    auto* settingForm = new QFormLayout;
    settingForm->addRow(tr("Tag Type :"), tagTypeList_);
    settingForm->addRow(tr("Writing Power :"), writingPowerList_);
    settingForm->addRow(tr("Transponder Position :"), transponderPositionEdit_);
    settingForm->addRow(tr("Number of retry :"), retriesList_);
    settingForm->addRow(tr("Number of Label :"), labelsList_);
    auto* autoCalibration =
        Controls::Button(settingGroup, tr("Auto Calibration"), "autoCalibrationButton", this,
                         &RfidConfigForm::AutoCalibration);
    auto* settingLayout = new QVBoxLayout(settingGroup);
    settingLayout->addLayout(settingForm);
    settingLayout->addLayout(Controls::Row({}, {autoCalibration}));

    auto* counterBox = new QGroupBox(this);
    counterBox->setObjectName(QStringLiteral("counterBox"));
    validEdit_ = Controls::Field(counterBox, "validEdit");
    voidEdit_ = Controls::Field(counterBox, "voidEdit");
    for (QLineEdit* counter : {validEdit_, voidEdit_}) {
        counter->setReadOnly(true);
        counter->setAlignment(Qt::AlignRight);
    }
    resetButton_ =
        Controls::Button(counterBox, tr("Reset"), "resetButton", this, &RfidConfigForm::Reset);
    auto* counterForm = new QFormLayout;
    counterForm->addRow(tr("RFID Valid :"), validEdit_);
    counterForm->addRow(tr("RFID Void :"), voidEdit_);
    auto* counterLayout = new QVBoxLayout(counterBox);
    counterLayout->addLayout(counterForm);
    counterLayout->addLayout(Controls::Row({}, {resetButton_}));

    // Both boxes' fields start in one column, however long the captions are in a language.
    int captionWidth = 0;
    for (QFormLayout* form : {settingForm, counterForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            captionWidth = std::max(captionWidth,
                                    form->itemAt(row, QFormLayout::LabelRole)->sizeHint().width());
        }
    }
    for (QFormLayout* form : {settingForm, counterForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            form->itemAt(row, QFormLayout::LabelRole)->widget()->setMinimumWidth(captionWidth);
        }
    }

    auto* defaultSetting = Controls::Button(this, tr("Default Setting"), "defaultSettingButton",
                                            this, &RfidConfigForm::DefaultSetting);
    auto* get = Controls::Button(this, tr("Get"), "getButton", this, &RfidConfigForm::Get);
    setButton_ = Controls::Button(this, tr("Set"), "setButton", this, &RfidConfigForm::Set);
    auto* close = Controls::Button(this, tr("Close"), "closeButton", this, &RfidConfigForm::Close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingGroup);
    layout->addWidget(counterBox);
    QHBoxLayout* bottom = Controls::Row({defaultSetting}, {get, setButton_, close});
    // Room between the button that only fills in and the ones that talk to the printer.
    bottom->insertSpacing(1, 3 * fontMetrics().horizontalAdvance(QLatin1Char('M')));
    layout->addLayout(bottom);

    ShowFields();
    EnableSettings(false);
}

void RfidConfigForm::EnableSettings(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{tagTypeList_, writingPowerList_, transponderPositionEdit_,
                                         retriesList_, labelsList_, setButton_, resetButton_}) {
        control->setEnabled(enabled);
    }
}

void RfidConfigForm::ReadForm() {
    settings_.tagType = tagTypeList_->currentIndex();
    settings_.powerPosition = writingPowerList_->currentIndex();
    settings_.transponderPosition = transponderPositionEdit_->text();
    settings_.retries = retriesList_->currentIndex();
    settings_.labels = labelsList_->currentIndex();
    settings_.valid = validEdit_->text();
    settings_.voided = voidEdit_->text();
}

void RfidConfigForm::ShowFields() {
    ShowPosition(tagTypeList_, settings_.tagType);
    ShowPosition(writingPowerList_, settings_.powerPosition);
    transponderPositionEdit_->setText(settings_.transponderPosition);
    ShowPosition(retriesList_, settings_.retries);
    ShowPosition(labelsList_, settings_.labels);
    validEdit_->setText(settings_.valid);
    voidEdit_->setText(settings_.voided);
}

bool RfidConfigForm::CheckSendable() {
    // No encoder takes a power of 0 or a count of -1; no tag type is allowed (three numbers).
    // Checked in the order the fields stand, so the focus lands on the first one to mend.
    const auto chosen = [this](QComboBox* list, const QString& caption) {
        if (list->currentIndex() >= 0) {
            return true;
        }
        context_.messages.Warning(
            tr("Choose an entry in \"%1\" first.").arg(WithoutColon(caption)));
        list->setFocus();
        return false;
    };
    if (!chosen(writingPowerList_, tr("Writing Power :"))) {
        return false;
    }
    if (!RfidCommands::IsPrintableAscii(settings_.transponderPosition)) {
        context_.messages.Warning(
            tr("The transponder position may hold only ASCII letters, digits and signs."));
        transponderPositionEdit_->setFocus();
        return false;
    }
    return chosen(retriesList_, tr("Number of retry :")) &&
           chosen(labelsList_, tr("Number of Label :"));
}

void RfidConfigForm::Get() {
    // Every answer is stored as it comes; only the last one says whether the encoder answered.
    RfidProtocol::Reply reply;
    for (int item = 1; item <= RfidCommands::kQueryCount; ++item) {
        reply = protocol_.Query(item);
        settings_.TakeReply(item, reply.text);
    }
    if (reply.count == 0) {
        context_.messages.Warning(tr("Get RFID setting is faied"));
        return;
    }
    ShowFields();
    if (!setButton_->isEnabled()) {
        EnableSettings(true);
    }
    context_.messages.Information(tr("Get RFID setting is successful"));
}

void RfidConfigForm::Set() {
    ReadForm();
    if (!CheckSendable()) {
        return;
    }
    RfidCommands::Settings command;
    if (settings_.tagType >= 0) {
        command.tagType =
            settings_.tagType == 0 ? RfidCommands::TagType::Gen2 : RfidCommands::TagType::IsoB;
    }
    command.retries = settings_.retries;
    command.labels = settings_.labels;
    command.power = settings_.powerPosition + 1;
    // Plain ASCII by now: one byte per character.
    command.transponderPosition = settings_.transponderPosition.toLatin1();
    if (protocol_.Send(RfidCommands::SetSettings(command))) {
        context_.messages.Information(tr("Set RFID setting is successful"));
    } else {
        context_.messages.Warning(tr("Set RFID setting is faied"));
    }
}

void RfidConfigForm::DefaultSetting() {
    // The five settings only: the counters are the printer's, not defaults.
    const RfidSettings defaults = RfidSettings::Defaults();
    settings_.tagType = defaults.tagType;
    settings_.powerPosition = defaults.powerPosition;
    settings_.transponderPosition = defaults.transponderPosition;
    settings_.retries = defaults.retries;
    settings_.labels = defaults.labels;
    ShowFields();
}

void RfidConfigForm::Reset() {
    if (protocol_.Send(RfidCommands::ResetCounters())) {
        context_.messages.Information(tr("Reset RFID Valid and Void is successful"));
        settings_.valid = settings_.voided = QStringLiteral("0");
    } else {
        context_.messages.Warning(tr("Reset RFID Valid and Void is faied"));
    }
    ShowFields();
}

void RfidConfigForm::AutoCalibration() {
    if (protocol_.Send(RfidCommands::AutoCalibration())) {
        context_.messages.Information(tr("Auto calibration is successful"));
    } else {
        context_.messages.Warning(tr("Auto calibration is faied"));
    }
}

void RfidConfigForm::Close() {
    ReadForm();
    accept();
}
