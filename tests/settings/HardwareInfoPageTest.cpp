#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "settings/HardwareInfoPage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

struct Group {
    const char* stem;
    QByteArray read;
    int pause;
    int length;
    char digit;
    const char* what;  // as the Set and Initialize messages name it
};
const Group kGroups[] = {
    {"hardwareVersion", "^MBX0\r\n", 100, 7, '0', "hardware version"},
    {"serialNumber", "^MBX1\r", 1000, 18, '1', "serial number"},
    {"printerId", "^MBX2\r", 100, 12, '2', "printer ID"},
};

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

struct Page {
    Page() {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        page = std::make_unique<HardwareInfoPage>(rig.Context());
    }
    QLineEdit* Edit(const char* stem) const { return Find<QLineEdit>(*page, Name(stem, "Edit")); }
    void Click(const char* stem, const char* suffix) const { ::Click(*page, Name(stem, suffix)); }
    TestRig rig;
    std::unique_ptr<HardwareInfoPage> page;
};

using Entry = RecordingMessages::Entry;

// A text read is shown in a box captioned "Information"; a text missing is a warning under the
// program's name.
Entry Shown(const char* text) {
    return {Messages::Kind::Information, QLatin1String(text), QStringLiteral("Information")};
}
Entry Missing(const char* text) {
    return {Messages::Kind::Warning, QLatin1String(text)};
}

TEST(HardwareInfoPage, GetReadsEachTextWithItsPauseAndLength) {
    const struct {
        int group;
        QByteArray reply;  // empty: no reply
        const char* field;
        Entry message;
    } cases[] = {
        {0, "1.00\r\n", "1.00", Shown("H/W version is 1.00.")},
        {0, "\r\n", "", Missing("H/W version is NULL")},
        {0, "", "", Missing("H/W version is NULL")},
        {1, "TW0001\r\n", "TW0001", Shown("Serial Number is TW0001.")},
        // A blank serial number is still a reply.
        {1, "\r\n", "", Shown("Serial Number is .")},
        {1, "", "", Missing("Serial Number is NULL")},
        {2, "ABC\r\n", "ABC", Shown("Printer ID is ABC.")},
        {2, "\n", "", Missing("Printer ID is NULL")},
    };
    for (const auto& c : cases) {
        const Group& group = kGroups[c.group];
        Page p;
        Type(p.Edit(group.stem), QStringLiteral("old"));
        if (!c.reply.isEmpty()) {
            p.rig.link.QueueReply(c.reply);
        }
        p.Click(group.stem, "GetButton");
        const std::string name = testing::PrintToString(c.reply);
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{group.read}) << name;
        EXPECT_EQ(p.rig.pacer.pauses.front(), group.pause) << name;
        EXPECT_EQ(p.rig.link.readSizes.front(), group.length) << name;
        EXPECT_EQ(p.Edit(group.stem)->text(), QLatin1String(c.field)) << name;
        EXPECT_EQ(p.rig.messages.entries, std::vector<Entry>{c.message}) << name;
    }
}

TEST(HardwareInfoPage, TextsLongerThanTheirLimitAreCutWithOneWarning) {
    const struct {
        int group;
        int limit;
        const char* warning;
    } limits[] = {
        {0, 4, "Hardware version string can't be more than 4 characters."},
        {1, 16, "Serial number string can't be more than 16 characters."},
        {2, 7, "Printer ID string can't be more than 7 character."},
    };
    for (const auto& l : limits) {
        const Group& group = kGroups[l.group];

        // Typed: the character over the limit goes again.
        Page typed;
        Type(typed.Edit(group.stem), QString(l.limit + 1, QLatin1Char('7')));
        EXPECT_EQ(typed.Edit(group.stem)->text(), QString(l.limit, QLatin1Char('7')));
        EXPECT_EQ(typed.rig.messages.Warnings(), QStringList{QLatin1String(l.warning)});

        // Pasted: the first characters stay, one warning.
        Page pasted;
        QApplication::clipboard()->setText(QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        pasted.Edit(group.stem)->paste();
        EXPECT_EQ(pasted.Edit(group.stem)->text(),
                  QStringLiteral("ABCDEFGHIJKLMNOPQRST").left(l.limit));
        EXPECT_EQ(pasted.rig.messages.Warnings(), QStringList{QLatin1String(l.warning)});

        // A reply that is too long: shown, then cut with the warning.
        Page read;
        const QByteArray reply(18, 'N');
        read.rig.link.QueueReply(reply + "\r\n");
        read.Click(group.stem, "GetButton");
        const int received = std::min(group.length, 20);
        const QString shown = QString(std::min(received, 18), QLatin1Char('N'));
        EXPECT_EQ(read.Edit(group.stem)->text(), QString(l.limit, QLatin1Char('N')));
        ASSERT_EQ(read.rig.messages.entries.size(), 2u) << group.stem;
        EXPECT_TRUE(read.rig.messages.entries[0].text.endsWith(shown + QLatin1Char('.')));
        EXPECT_EQ(read.rig.messages.entries[1].text, QLatin1String(l.warning));
    }
}

TEST(HardwareInfoPage, SetAndInitialiseWriteThenWaitForTheFlash) {
    for (const Group& group : kGroups) {
        Page p;
        Type(p.Edit(group.stem), QStringLiteral("A1"));
        p.Click(group.stem, "SetButton");
        p.Click(group.stem, "InitialiseButton");
        EXPECT_EQ(p.rig.link.writes,
                  (std::vector<QByteArray>{QByteArray("^MBY") + group.digit + ",A1\r\n",
                                           QByteArray("^MBY\x0F,") + group.digit + "\r\n"}));
        EXPECT_EQ(p.rig.pacer.pauses, (std::vector<int>{5700, 5700}));
        // Under the program's name, unlike a text read.
        EXPECT_EQ(
            p.rig.messages.entries,
            (std::vector<Entry>{
                {Messages::Kind::Information,
                 QStringLiteral("Set %1 is successful").arg(QLatin1String(group.what))},
                {Messages::Kind::Information,
                 QStringLiteral("Initialize %1 is successful").arg(QLatin1String(group.what))}}));
        // The page does not read the text back.
        EXPECT_EQ(p.Edit(group.stem)->text(), QStringLiteral("A1"));

        p.rig.messages.Clear();
        p.rig.link.acceptPerWrite = 0;
        p.Click(group.stem, "SetButton");
        p.Click(group.stem, "InitialiseButton");
        const QString portError = QStringLiteral("Port error! Check printer's port, please.");
        EXPECT_EQ(p.rig.messages.Warnings(),
                  (QStringList{
                      portError, QStringLiteral("Set %1 is failed").arg(QLatin1String(group.what)),
                      portError,
                      QStringLiteral("Initialize %1 is failed").arg(QLatin1String(group.what))}));
    }
}

TEST(HardwareInfoPage, SetOfThePrinterIdWritesItsBytes) {
    Page p;
    Type(p.Edit("printerId"), QStringLiteral("ABC"));
    p.Click("printerId", "SetButton");
    EXPECT_EQ(p.rig.link.Written(), QByteArray::fromHex("5E4D425932 2C414243 0D0A"));
}

TEST(HardwareInfoPage, TextsThePrinterCannotHoldAreRefused) {
    for (const QString& text : {QStringLiteral("\u00e9t\u00e9"),
                                QStringLiteral("\u30c6\u30b9\u30c8"), QStringLiteral("A\rB")}) {
        Page p;
        // Not Latin-1 or a control character: put in as a paste would.
        p.Edit("serialNumber")->setText(text);
        p.Click("serialNumber", "SetButton");
        EXPECT_TRUE(p.rig.link.writes.empty()) << text.toStdString();
        EXPECT_EQ(
            p.rig.messages.Warnings(),
            QStringList{QStringLiteral(
                "Only letters, digits, spaces and ASCII signs can be stored in the printer.")});
        EXPECT_EQ(p.Edit("serialNumber")->text(), text);
    }
}

}  // namespace
