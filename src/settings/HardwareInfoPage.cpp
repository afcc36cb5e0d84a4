#include "settings/HardwareInfoPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "settings/PageControls.h"

namespace {

struct TextRules {
    const char* title;
    const char* label;
    const char* name;  // object names: <name>Edit, <name>GetButton, ...
    int limit;
    const char* subject;  // in the Get messages: "<subject> is <text>." or "<subject> is NULL"
    const char* noun;     // in the Set and Initialize messages
    const char* tooLong;
};

const TextRules kTextRules[] = {
    {QT_TRANSLATE_NOOP("HardwareInfoPage", "Hardware Version"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "Version:"), "hardwareVersion", 4,
     QT_TRANSLATE_NOOP("HardwareInfoPage", "H/W version"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "hardware version"),
     QT_TRANSLATE_NOOP("HardwareInfoPage",
                       "Hardware version string can't be more than 4 characters.")},
    {QT_TRANSLATE_NOOP("HardwareInfoPage", "Serial Number"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "Number:"), "serialNumber", 16,
     QT_TRANSLATE_NOOP("HardwareInfoPage", "Serial Number"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "serial number"),
     QT_TRANSLATE_NOOP("HardwareInfoPage",
                       "Serial number string can't be more than 16 characters.")},
    {QT_TRANSLATE_NOOP("HardwareInfoPage", "User Defined Printer ID"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "ID:"), "printerId", 7,
     QT_TRANSLATE_NOOP("HardwareInfoPage", "Printer ID"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "printer ID"),
     QT_TRANSLATE_NOOP("HardwareInfoPage", "Printer ID string can't be more than 7 character.")},
};

const TextRules& RulesFor(HardwareInfoPage::Text which) {
    return kTextRules[static_cast<int>(which)];
}

std::size_t At(HardwareInfoPage::Text which) {
    return static_cast<std::size_t>(which);
}

// The printer takes plain ASCII; a line end or a character it cannot hold would cut the request
// short or be stored as something else.
bool IsStorable(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
            return false;
        }
    }
    return true;
}

}  // namespace

HardwareInfoPage::HardwareInfoPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    auto* layout = new QVBoxLayout(this);
    std::vector<QLabel*> labels;
    for (int i = 0; i < kTexts; ++i) {
        const Text which = static_cast<Text>(i);
        const TextRules& rules = RulesFor(which);
        const QString name = QLatin1String(rules.name);
        auto* group = new QGroupBox(tr(rules.title), this);
        auto* grid = new QGridLayout(group);
        auto* edit = new QLineEdit(group);
        edit->setObjectName(name + QStringLiteral("Edit"));
        auto* label = new QLabel(tr(rules.label), group);
        label->setBuddy(edit);
        labels.push_back(label);
        grid->addWidget(label, 0, 0);
        grid->addWidget(edit, 0, 1);
        grid->setColumnStretch(1, 1);
        int column = 2;
        const auto button = [&](const QString& text, const char* suffix,
                                void (HardwareInfoPage::*action)(Text)) {
            grid->addWidget(Controls::Button(group, text, name + QLatin1String(suffix), this,
                                             [this, which, action] { (this->*action)(which); }),
                            0, column++);
        };
        button(tr("Get"), "GetButton", &HardwareInfoPage::Get);
        button(tr("Set"), "SetButton", &HardwareInfoPage::Set);
        button(tr("Initialize"), "InitialiseButton", &HardwareInfoPage::Initialise);
        connect(edit, &QLineEdit::textChanged, this, [this, which] { LimitLength(which); });
        edits_[At(which)] = edit;
        layout->addWidget(group);
    }
    layout->addStretch();
    // The three edits start at the same place although their labels differ in length.
    int labelWidth = 0;
    for (const QLabel* label : labels) {
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    for (QLabel* label : labels) {
        label->setMinimumWidth(labelWidth);
    }
}

int HardwareInfoPage::Limit(Text which) {
    return RulesFor(which).limit;
}

void HardwareInfoPage::ReadForm() {
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        fields_[i] = edits_[i]->text();
    }
}

void HardwareInfoPage::ShowFields() {
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        if (edits_[i]->text() != fields_[i]) {
            edits_[i]->setText(fields_[i]);
        }
    }
}

void HardwareInfoPage::LimitLength(Text which) {
    ReadForm();
    QString& field = fields_[At(which)];
    const int limit = Limit(which);
    if (field.size() <= limit) {
        return;
    }
    field.truncate(limit);
    ShowFields();
    context_.messages.Warning(tr(RulesFor(which).tooLong));
}

void HardwareInfoPage::Get(Text which) {
    const TextRules& rules = RulesFor(which);
    QString& field = fields_[At(which)];
    field.clear();
    ShowFields();
    const SettingsProtocol::TextReply reply = protocol_.ReadIdentification(which);
    field = QString::fromLatin1(SettingsProtocol::StripLineEnds(reply.text));
    // A serial number may be blank on a printer that never had one; the others may not.
    const bool shown = reply.received && (which == Text::SerialNumber || !field.isEmpty());
    const QString subject = tr(rules.subject);
    PageControls::Report(context_.messages, shown, tr("%1 is %2.").arg(subject, field),
                         tr("%1 is NULL").arg(subject), tr("Information"));
    ShowFields();
}

void HardwareInfoPage::Set(Text which) {
    const TextRules& rules = RulesFor(which);
    ReadForm();
    const QString& field = fields_[At(which)];
    if (!IsStorable(field)) {
        context_.messages.Warning(
            tr("Only letters, digits, spaces and ASCII signs can be stored in the printer."));
        return;
    }
    const QString noun = tr(rules.noun);
    PageControls::Report(context_.messages, protocol_.StoreIdentification(which, field.toLatin1()),
                         tr("Set %1 is successful").arg(noun), tr("Set %1 is failed").arg(noun));
}

void HardwareInfoPage::Initialise(Text which) {
    const TextRules& rules = RulesFor(which);
    ReadForm();
    const QString noun = tr(rules.noun);
    PageControls::Report(context_.messages, protocol_.InitialiseIdentification(which),
                         tr("Initialize %1 is successful").arg(noun),
                         tr("Initialize %1 is failed").arg(noun));
}
