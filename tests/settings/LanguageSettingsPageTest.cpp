#include <gtest/gtest.h>

#include <memory>

#include "settings/LanguageSettingsPage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

const char* const kCodePage = "codePageCombo";
const char* const kIcs = "icsCombo";
const char* const kGet = "languageGetButton";
const char* const kSet = "languageSetButton";

// A page on a connected link, nothing recorded yet.
struct Page {
    explicit Page(const char* port = "COM1:") {
        rig.ConnectAndClear(QLatin1String(port));
        page = std::make_unique<LanguageSettingsPage>(rig.Context());
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(*page, name); }
    bool Enabled(const char* name) const { return Find(*page, name)->isEnabled(); }
    // A Get answered with these switch bytes, then forgotten by the record.
    void GetAndForget(const QByteArray& codePage, const QByteArray& ics) {
        rig.link.QueueReply(codePage);
        rig.link.QueueReply(ics);
        Click(*page, kGet);
        rig.link.ClearRecord();
        rig.messages.Clear();
    }
    TestRig rig;
    std::unique_ptr<LanguageSettingsPage> page;
};

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
        Page p;
        TestRig& rig = p.rig;
        rig.link.Answer("^MBR1,1", c.codePage);
        rig.link.Answer("^MBR3,1", c.ics);
        Click(*p.page, kGet);
        const std::string name = testing::PrintToString(c.codePage + '|' + c.ics);
        EXPECT_EQ(rig.link.writes, (std::vector<QByteArray>{"^MBR1,1", "^MBR3,1"})) << name;
        EXPECT_EQ(p.List(kCodePage)->currentText(), QLatin1String(c.codePageShown)) << name;
        EXPECT_EQ(p.List(kIcs)->currentText(), QLatin1String(c.icsShown)) << name;
        EXPECT_EQ(p.Enabled(kSet), c.success) << name;
        EXPECT_EQ(p.Enabled(kCodePage), c.success) << name;
        EXPECT_EQ(p.Enabled(kIcs), c.success) << name;
        EXPECT_EQ(
            rig.messages.Texts(),
            QStringList{c.success ? QStringLiteral("Get default codepage && ICS is successful.")
                                  : QStringLiteral("Get default codepage && ICS is failed.")})
            << name;
    }
}

TEST(LanguageSettingsPage, ReadsPauseFiftyMillisecondsWithTheInterfaceDigit) {
    Page p("LPT1:");
    p.rig.link.QueueReply("\x01");
    p.rig.link.QueueReply("\x01");
    Click(*p.page, kGet);
    EXPECT_EQ(p.rig.link.writes, (std::vector<QByteArray>{"^MBR1,2", "^MBR3,2"}));
    EXPECT_EQ(p.rig.pacer.pauses, (std::vector<int>{50, 10, 50, 10}));
}

TEST(LanguageSettingsPage, SetWritesBothSwitchesWithoutTerminator) {
    Page p;
    TestRig& rig = p.rig;
    p.GetAndForget("\x01", "\x01");

    Choose(p.List(kCodePage), 23);  // PC858 - Latin 1 + Euro
    Choose(p.List(kIcs), 16);       // China
    Click(*p.page, kSet);
    EXPECT_EQ(rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS1,\x17"), QByteArray("^MBA\x01\r"),
                                       QByteArray("^MBS3,\x10"), QByteArray("^MBA\x03\r")}));
    EXPECT_EQ(rig.messages.Informations(),
              QStringList{QStringLiteral("Set default codepage && ICS is successful.")});

    // A link that gives up on the first switch does not go on to the second.
    rig.link.ClearRecord();
    rig.messages.Clear();
    rig.link.acceptPerWrite = 0;
    Click(*p.page, kSet);
    EXPECT_EQ(rig.link.Written(), QByteArray("^MBS1,\x17").repeated(PrinterPort::kWriteAttempts));
    EXPECT_EQ(rig.messages.Texts(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("Set default codepage && ICS is failed.")}));
}

TEST(LanguageSettingsPage, SetRefusesAListWithoutSelection) {
    Page p;
    p.GetAndForget("\x02", "\x45");
    Click(*p.page, kSet);
    EXPECT_TRUE(p.rig.link.writes.empty());
    EXPECT_EQ(
        p.rig.messages.Warnings(),
        QStringList{QStringLiteral("Please choose a code page and a character set before Set.")});
}

}  // namespace
