#include <gtest/gtest.h>

#include <memory>

#include "PageDriver.h"
#include "settings/LanguageSettingsPage.h"
#include "support/TestRig.h"

namespace {

const QString kCodePage = QStringLiteral("codePageCombo");
const QString kIcs = QStringLiteral("icsCombo");
const QString kGet = QStringLiteral("languageGetButton");
const QString kSet = QStringLiteral("languageSetButton");

// A page on a connected link, nothing recorded yet.
struct Page {
    explicit Page(const char* port = "COM1:") {
        rig.ConnectAndClear(QLatin1String(port));
        page = std::make_unique<LanguageSettingsPage>(rig.Context());
        ui = std::make_unique<PageDriver>(*page);
    }
    // A Get answered with these switch bytes, then forgotten by the record.
    void GetAndForget(const QByteArray& codePage, const QByteArray& ics) {
        rig.link.QueueReply(codePage);
        rig.link.QueueReply(ics);
        ui->Click(kGet);
        rig.link.ClearRecord();
        rig.messages.Clear();
    }
    TestRig rig;
    std::unique_ptr<LanguageSettingsPage> page;
    std::unique_ptr<PageDriver> ui;
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
        const PageDriver& ui = *p.ui;
        rig.link.Answer("^MBR1,1", c.codePage);
        rig.link.Answer("^MBR3,1", c.ics);
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
    Page p("LPT1:");
    p.rig.link.QueueReply("\x01");
    p.rig.link.QueueReply("\x01");
    p.ui->Click(kGet);
    EXPECT_EQ(p.rig.link.writes, (std::vector<QByteArray>{"^MBR1,2", "^MBR3,2"}));
    EXPECT_EQ(p.rig.pacer.pauses, (std::vector<int>{50, 10, 50, 10}));
}

TEST(LanguageSettingsPage, SetWritesBothSwitchesWithoutTerminator) {
    Page p;
    TestRig& rig = p.rig;
    const PageDriver& ui = *p.ui;
    p.GetAndForget("\x01", "\x01");

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
    Page p;
    p.GetAndForget("\x02", "\x45");
    p.ui->Click(kSet);
    EXPECT_TRUE(p.rig.link.writes.empty());
    EXPECT_EQ(
        p.rig.messages.Warnings(),
        QStringList{QStringLiteral("Please choose a code page and a character set before Set.")});
}

}  // namespace
