#include "settings/SerialSettingsPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>

#include "forms/Messages.h"
#include "settings/PageControls.h"

namespace {

constexpr int kSwitch = 2;

}  // namespace

SerialSettingsPage::SerialSettingsPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    auto* group = new QGroupBox(tr("Serial Communication Setting"), this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const std::array<QString, SerialSwitch::kLists> labels = {
        tr("Hand Shake :"),   tr("Stop Bit :"),         tr("Data Length :"),
        tr("Parity Check :"), tr("Parity Selection :"), tr("Baudrate :")};
    const std::array<QStringList, SerialSwitch::kLists> entries = {
        QStringList{tr("Hardware"), tr("Software")},
        QStringList{tr("1 Stop Bit"), tr("2 Stop Bit")},
        QStringList{QStringLiteral("8"), QStringLiteral("7")},
        QStringList{tr("No Parity"), tr("Parity")},
        QStringList{tr("Even"), tr("Odd")},
        QStringList{tr("By Dip Switch"), QStringLiteral("38400"), QStringLiteral("57600")}};
    const std::array<const char*, SerialSwitch::kLists> names = {
        "handShakeCombo",   "stopBitCombo",         "dataLengthCombo",
        "parityCheckCombo", "paritySelectionCombo", "baudrateCombo"};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new QComboBox(group);
        list->setObjectName(QLatin1String(names[i]));
        list->addItems(entries[i]);
        form->addRow(labels[i], list);
        lists_[i] = list;
    }

    auto* defaults =
        PageControls::Button(tr("Default Setting"), QStringLiteral("serialDefaultButton"), this,
                             this, &SerialSettingsPage::DefaultSetting);
    auto* get = PageControls::Button(tr("Get"), QStringLiteral("serialGetButton"), this, this,
                                     &SerialSettingsPage::Get);
    set_ = PageControls::Button(tr("Set"), QStringLiteral("serialSetButton"), this, this,
                                &SerialSettingsPage::Set);

    // Room around the longer caption, as the other buttons have.
    defaults->setMinimumWidth(defaults->sizeHint().width() +
                              2 * defaults->fontMetrics().averageCharWidth());
    PageControls::Arrange(this, group, {defaults}, {get, set_});

    EnableLists(false);
    set_->setEnabled(false);
    ShowFields();
}

void SerialSettingsPage::ReadForm() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        fields_.selections[i] = lists_[i]->currentIndex();
    }
}

void SerialSettingsPage::ShowFields() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i]->setCurrentIndex(fields_.selections[i]);
    }
}

void SerialSettingsPage::EnableLists(bool enabled) {
    for (QComboBox* list : lists_) {
        list->setEnabled(enabled);
    }
}

void SerialSettingsPage::Get() {
    fields_ = SerialSwitch{};
    ShowFields();
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(kSwitch, SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        context_.messages.Warning(tr("Get serial communication status is faied"));
        return;
    }
    EnableLists(true);
    set_->setEnabled(true);
    fields_ = SerialSwitch::Decode(reply.value);
    ShowFields();
    context_.messages.Information(tr("Get serial communication status is successful"));
}

void SerialSettingsPage::Set() {
    ReadForm();
    const std::optional<std::uint8_t> byte = fields_.Encode();
    if (!byte) {
        context_.messages.Warning(tr("Please choose an entry in every list before Set."));
        return;
    }
    if (!protocol_.WriteSwitch(kSwitch, *byte, false)) {
        context_.messages.Warning(tr("Set serial communication status is faied"));
        return;
    }
    context_.messages.Information(tr("Set serial communication status is successful"));
    context_.messages.Information(tr("Please, turn off the printer and turn on the printer"));
    context_.messages.Information(tr("Please, close application and re-connect printer"));
}

void SerialSettingsPage::DefaultSetting() {
    ReadForm();
    for (int list = SerialSwitch::HandShake; list < SerialSwitch::Baudrate; ++list) {
        fields_.selections[static_cast<std::size_t>(list)] = 0;
    }
    ShowFields();
}
