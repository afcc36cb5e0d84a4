#include "settings/LanguageSettingsPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>

#include "forms/Messages.h"
#include "settings/PageControls.h"

namespace {

constexpr int kCodePageSwitch = 1;
constexpr int kIcsSwitch = 3;

const char* const kCodePages[] = {
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Factory Default CodePage"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC437 - USA"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC850 - Latin 1"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC852 - Latin 2"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC860 - Portuguese"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC863 - Canadian French"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC865 - Nordic"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1252 - Latin I"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC865 + WPC1252 - European Combined"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC857 - Turkish"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC737 - Greek"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1250 - Latin 2"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1253 - Greek"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1254 - Turkish"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC855 - Cyrillic"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC862 - Hebrew"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC866 - Cyrillic"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1251 - Cyrillic"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1255 - Hebrew"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC928 -  Greek"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC864 -  Arabic"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC775 - Baltic Dos"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "WPC1257 - Baltic Windows"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "PC858 - Latin 1 + Euro"),
};

const char* const kCharacterSets[] = {
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Factory Default ICS"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "U.S.A"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "France"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Germany"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "U.K"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Denmark I"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Sweden"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Italy"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Spain I"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Norway"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Denmark II"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Japan"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Spain II"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Latin America"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Korea"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "Slovenia/Croatia"),
    QT_TRANSLATE_NOOP("LanguageSettingsPage", "China"),
};

template <std::size_t N>
QComboBox* List(QWidget* parent, const char* name, const char* const (&entries)[N]) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const char* entry : entries) {
        list->addItem(QCoreApplication::translate("LanguageSettingsPage", entry));
    }
    return list;
}

// A switch value beyond the list selects nothing.
int Position(const QComboBox* list, std::uint8_t value) {
    return value < list->count() ? value : -1;
}

}  // namespace

LanguageSettingsPage::LanguageSettingsPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    auto* group = new QGroupBox(tr("Default CodePage && ICS Setting"), this);
    codePageList_ = List(group, "codePageCombo", kCodePages);
    icsList_ = List(group, "icsCombo", kCharacterSets);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Default CodePage  :"), codePageList_);
    form->addRow(tr("Default International Character Set(ICS) :"), icsList_);

    auto* get = PageControls::Button(tr("Get"), QStringLiteral("languageGetButton"), this, this,
                                     &LanguageSettingsPage::Get);
    set_ = PageControls::Button(tr("Set"), QStringLiteral("languageSetButton"), this, this,
                                &LanguageSettingsPage::Set);
    PageControls::Arrange(this, group, {}, {get, set_});

    codePageList_->setEnabled(false);
    icsList_->setEnabled(false);
    set_->setEnabled(false);
    ShowFields();
}

void LanguageSettingsPage::ReadForm() {
    codePage_ = codePageList_->currentIndex();
    ics_ = icsList_->currentIndex();
}

void LanguageSettingsPage::ShowFields() {
    codePageList_->setCurrentIndex(codePage_);
    icsList_->setCurrentIndex(ics_);
}

void LanguageSettingsPage::Get() {
    codePage_ = -1;
    ics_ = -1;
    ShowFields();
    const auto codePage =
        protocol_.ReadSwitch(kCodePageSwitch, SettingsProtocol::kLanguageSwitchPauseMs);
    const auto ics = protocol_.ReadSwitch(kIcsSwitch, SettingsProtocol::kLanguageSwitchPauseMs);
    if (codePage.received) {
        codePage_ = Position(codePageList_, codePage.value);
    }
    if (ics.received) {
        ics_ = Position(icsList_, ics.value);
    }
    // Both switches must have answered: a code page nobody read is no success.
    if (!codePage.received || !ics.received) {
        ShowFields();
        context_.messages.Warning(tr("Get default codepage && ICS is failed."));
        return;
    }
    set_->setEnabled(true);
    codePageList_->setEnabled(true);
    icsList_->setEnabled(true);
    ShowFields();
    context_.messages.Information(tr("Get default codepage && ICS is successful."));
}

void LanguageSettingsPage::Set() {
    ReadForm();
    // Without a selection there is no byte to send that would not change the printer at random.
    if (codePage_ < 0 || ics_ < 0) {
        context_.messages.Warning(tr("Please choose a code page and a character set before Set."));
        return;
    }
    // The second switch is not written once the first failed: the link is gone.
    const bool written =
        protocol_.WriteSwitch(kCodePageSwitch, static_cast<std::uint8_t>(codePage_), false) &&
        protocol_.WriteSwitch(kIcsSwitch, static_cast<std::uint8_t>(ics_), false);
    PageControls::Report(context_.messages, written,
                         tr("Set default codepage && ICS is successful."),
                         tr("Set default codepage && ICS is failed."));
}
