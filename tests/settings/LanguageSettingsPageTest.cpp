#include <gtest/gtest.h>

#include "PageDriver.h"
#include "settings/LanguageSettingsPage.h"
#include "support/TestRig.h"

namespace {

const QString kCodePage = QStringLiteral("codePageCombo");
const QString kIcs = QStringLiteral("icsCombo");
const QString kGet = QStringLiteral("languageGetButton");
const QString kSet = QStringLiteral("languageSetButton");

TEST(LanguageSettingsPage, GetSelectsTheSwitchValuesAsListPositions) {
    const struct {
        QByteArray codePage;  // empty: no reply
        QByteArray ics;
        const char* codePageShown;
        const char* icsShown;
        bool success;
    } cases[] = {
        {"\x08", "\x0B", "PC865 + WPC1252 - European Combined", "Japan", true},
        {QByteArray(1, '\0'), "\x10", "Factory Default CodePage", "China", true},
        {"\x17", "\x01", "PC858 - Latin 1 + Euro", "U.S.A", true},
        // Speed bits from the print page, or a code page beyond the list: nothing selected,
        // but the printer did answer.
        {"\x05", "\x45", "PC863 - Canadian French", "", true},
        {"\x18", "\x02", "", "France", true},
        {"\x05", "", "PC863 - Canadian French", "", false},
        // A code page nobody read is no success either.
        {"", "\x02", "", "France", false},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        rig.link.Answer("^MBR1,1", c.codePage);
        rig.link.Answer("^MBR3,1", c.ics);
        LanguageSettingsPage page(rig.Context());
        const PageDriver ui(page);
        ui.Click(kGet);
        const std::string name = testing::PrintToString(c.codePage + '|' + c.ics);
        EXPECT_EQ(rig.link.writes, (std::vector<QByteArray>{"^MBR1,1", "^MBR3,1"})) << name;
        EXPECT_EQ(ui.Find<QComboBox>(kCodePage)->currentText(), QLatin1String(c.codePageShown))
            << name;
        EXPECT_EQ(ui.Find<QComboBox>(kIcs)->currentText(), QLatin1String(c.icsShown)) << name;
        EXPECT_EQ(ui.Enabled(kSet), c.success) << name;
        EXPECT_EQ(ui.Enabled(kCodePage), c.success) << name;
        EXPECT_EQ(ui.Enabled(kIcs), c.success) << name;
        EXPECT_EQ(
            rig.messages.Texts(),
            QStringList{c.success ? QStringLiteral("Get default codepage && ICS is successful.")
                                  : QStringLiteral("Get default codepage && ICS is failed.")})
            << name;
    }
}

TEST(LanguageSettingsPage, ReadsPauseFiftyMillisecondsWithTheInterfaceDigit) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("LPT1:"));
    rig.link.QueueReply("\x01");
    rig.link.QueueReply("\x01");
    LanguageSettingsPage page(rig.Context());
    PageDriver(page).Click(kGet);
    EXPECT_EQ(rig.link.writes, (std::vector<QByteArray>{"^MBR1,2", "^MBR3,2"}));
    EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{50, 10, 50, 10}));
}

TEST(LanguageSettingsPage, SetWritesBothSwitchesWithoutTerminator) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    rig.link.QueueReply("\x01");
    rig.link.QueueReply("\x01");
    LanguageSettingsPage page(rig.Context());
    const PageDriver ui(page);
    ui.Click(kGet);
    rig.link.ClearRecord();
    rig.messages.Clear();

    ui.Choose(kCodePage, 23);  // PC858 - Latin 1 + Euro
    ui.Choose(kIcs, 16);       // China
    ui.Click(kSet);
    EXPECT_EQ(rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS1,\x17"), QByteArray("^MBA\x01\r"),
                                       QByteArray("^MBS3,\x10"), QByteArray("^MBA\x03\r")}));
    EXPECT_EQ(rig.messages.Informations(),
              QStringList{QStringLiteral("Set default codepage && ICS is successful.")});

    // A link that gives up on the first switch does not go on to the second.
    rig.link.ClearRecord();
    rig.messages.Clear();
    rig.link.acceptPerWrite = 0;
    ui.Click(kSet);
    EXPECT_EQ(rig.link.Written(), QByteArray("^MBS1,\x17").repeated(PrinterPort::kWriteAttempts));
    EXPECT_EQ(rig.messages.Texts(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("Set default codepage && ICS is failed.")}));
}

TEST(LanguageSettingsPage, SetRefusesAListWithoutSelection) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    rig.link.QueueReply("\x02");
    rig.link.QueueReply("\x45");
    LanguageSettingsPage page(rig.Context());
    const PageDriver ui(page);
    ui.Click(kGet);
    rig.link.ClearRecord();
    rig.messages.Clear();
    ui.Click(kSet);
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_EQ(
        rig.messages.Warnings(),
        QStringList{QStringLiteral("Please choose a code page and a character set before Set.")});
}

}  // namespace
