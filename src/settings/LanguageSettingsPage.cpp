#include "settings/LanguageSettingsPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <vector>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "settings/PageControls.h"

namespace {

// A switch value and the entry that shows it.
struct Choice {
    std::uint8_t value;
    const char* text;
};

const Choice kCodePages[] = {
    {0x00, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Factory Default CodePage")},
    {0x01, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC437 - USA")},
    {0x02, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC850 - Latin 1")},
    {0x03, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC852 - Latin 2")},
    {0x04, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC860 - Portuguese")},
    {0x05, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC863 - Canadian French")},
    {0x06, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC865 - Nordic")},
    {0x07, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1252 - Latin I")},
    {0x08, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC865 + WPC1252 - European Combined")},
    {0x09, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC857 - Turkish")},
    {0x0A, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC737 - Greek")},
    {0x0B, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1250 - Latin 2")},
    {0x0C, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1253 - Greek")},
    {0x0D, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1254 - Turkish")},
    {0x0E, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC855 - Cyrillic")},
    {0x0F, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC862 - Hebrew")},
    {0x10, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC866 - Cyrillic")},
    {0x11, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1251 - Cyrillic")},
    {0x12, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1255 - Hebrew")},
    {0x13, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC928 -  Greek")},
    {0x14, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC864 -  Arabic")},
    {0x15, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC775 - Baltic Dos")},
    {0x16, QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1257 - Baltic Windows")},
    {0x17, QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC858 - Latin 1 + Euro")},
};

const Choice kCharacterSets[] = {
    {0x00, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Factory Default ICS")},
    {0x01, QT_TRANSLATE_NOOP("LanguageSettingsPage", "U.S.A")},
    {0x02, QT_TRANSLATE_NOOP("LanguageSettingsPage", "France")},
    {0x03, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Germany")},
    {0x04, QT_TRANSLATE_NOOP("LanguageSettingsPage", "U.K")},
    {0x05, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Denmark I")},
    {0x06, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Sweden")},
    {0x07, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Italy")},
    {0x08, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Spain I")},
    {0x09, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Norway")},
    {0x0A, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Denmark II")},
    {0x0B, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Japan")},
    {0x0C, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Spain II")},
    {0x0D, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Latin America")},
    {0x0E, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Korea")},
    {0x0F, QT_TRANSLATE_NOOP("LanguageSettingsPage", "Slovenia/Croatia")},
    {0x10, QT_TRANSLATE_NOOP("LanguageSettingsPage", "China")},
};

template <std::size_t N>
std::vector<Controls::Entry<std::uint8_t>> Entries(const Choice (&choices)[N]) {
    std::vector<Controls::Entry<std::uint8_t>> entries;
    for (const Choice& choice : choices) {
        entries.push_back(
            {QCoreApplication::translate("LanguageSettingsPage", choice.text), choice.value});
    }
    return entries;
}

}  // namespace

LanguageSettingsPage::LanguageSettingsPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      protocol_(context.port, context.pacer),
      switches_(protocol_) {
    auto* group = new QGroupBox(tr("Default CodePage && ICS Setting"), this);
    codePageList_ = Controls::List(group, QStringLiteral("codePageCombo"), Entries(kCodePages));
    characterSetList_ = Controls::List(group, QStringLiteral("icsCombo"), Entries(kCharacterSets));
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Default CodePage  :"), codePageList_);
    form->addRow(tr("Default International Character Set(ICS) :"), characterSetList_);

    auto* get = Controls::Button(this, tr("Get"), QStringLiteral("languageGetButton"), this,
                                 &LanguageSettingsPage::Get);
    set_ = Controls::Button(this, tr("Set"), QStringLiteral("languageSetButton"), this,
                            &LanguageSettingsPage::Set);
    PageControls::Arrange(this, group, {}, {get, set_});

    codePageList_->setEnabled(false);
    characterSetList_->setEnabled(false);
    set_->setEnabled(false);
    ShowFields();
}

void LanguageSettingsPage::ReadForm() {
    fields_.codePage = Controls::Selected<std::uint8_t>(codePageList_);
    fields_.characterSet = Controls::Selected<std::uint8_t>(characterSetList_);
}

void LanguageSettingsPage::ShowFields() {
    // A switch value beyond the list selects nothing.
    Controls::Select(codePageList_, fields_.codePage);
    Controls::Select(characterSetList_, fields_.characterSet);
}

void LanguageSettingsPage::Get() {
    fields_ = {};
    ShowFields();
    if (!switches_.Get(fields_)) {
        ShowFields();
        context_.messages.Warning(tr("Get default codepage && ICS is failed."));
        return;
    }
    set_->setEnabled(true);
    codePageList_->setEnabled(true);
    characterSetList_->setEnabled(true);
    ShowFields();
    context_.messages.Information(tr("Get default codepage && ICS is successful."));
}

void LanguageSettingsPage::Set() {
    ReadForm();
    // Without a selection there is no byte to send that would not change the printer at random.
    if (!fields_.codePage || !fields_.characterSet) {
        context_.messages.Warning(tr("Please choose a code page and a character set before Set."));
        return;
    }
    PageControls::Report(context_.messages, switches_.Set(*fields_.codePage, *fields_.characterSet),
                         tr("Set default codepage && ICS is successful."),
                         tr("Set default codepage && ICS is failed."));
}
