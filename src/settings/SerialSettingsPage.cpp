#include "settings/SerialSettingsPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <optional>
#include <vector>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "settings/PageControls.h"

namespace {

using Entries = std::vector<Controls::Entry<int>>;

}  // namespace

SerialSettingsPage::SerialSettingsPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    auto* group = new QGroupBox(tr("Serial Communication Setting"), this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Each entry carries its SerialSwitch selection.
    const struct {
        QString label;
        const char* name;
        Entries entries;
    } lists[SerialSwitch::kLists] = {
        {tr("Hand Shake :"), "handShakeCombo", Entries{{tr("Hardware"), 0}, {tr("Software"), 1}}},
        {tr("Stop Bit :"), "stopBitCombo", Entries{{tr("1 Stop Bit"), 0}, {tr("2 Stop Bit"), 1}}},
        {tr("Data Length :"), "dataLengthCombo",
         Entries{{QStringLiteral("8"), 0}, {QStringLiteral("7"), 1}}},
        {tr("Parity Check :"), "parityCheckCombo",
         Entries{{tr("No Parity"), 0}, {tr("Parity"), 1}}},
        {tr("Parity Selection :"), "paritySelectionCombo",
         Entries{{tr("Even"), 0}, {tr("Odd"), 1}}},
        {tr("Baudrate :"), "baudrateCombo",
         Entries{
             {tr("By Dip Switch"), 0}, {QStringLiteral("38400"), 1}, {QStringLiteral("57600"), 2}}},
    };
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i] = Controls::List(group, QLatin1String(lists[i].name), lists[i].entries);
        form->addRow(lists[i].label, lists_[i]);
    }

    auto* defaults =
        Controls::Button(this, tr("Default Setting"), QStringLiteral("serialDefaultButton"), this,
                         &SerialSettingsPage::DefaultSetting);
    auto* get = Controls::Button(this, tr("Get"), QStringLiteral("serialGetButton"), this,
                                 &SerialSettingsPage::Get);
    set_ = Controls::Button(this, tr("Set"), QStringLiteral("serialSetButton"), this,
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
        fields_.selections[i] = Controls::Selected<int>(lists_[i]).value_or(-1);
    }
}

void SerialSettingsPage::ShowFields() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const int selection = fields_.selections[i];
        Controls::Select(lists_[i], selection < 0 ? std::nullopt : std::optional<int>(selection));
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
    const SettingsProtocol::SwitchReply reply = protocol_.ReadSwitch(
        SettingsProtocol::MemorySwitch::SerialLine, SettingsProtocol::kReplyPauseMs);
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
    if (!protocol_.WriteSwitch(SettingsProtocol::MemorySwitch::SerialLine, *byte, false)) {
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
