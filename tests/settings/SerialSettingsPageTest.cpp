#include <gtest/gtest.h>

#include "settings/SerialSettingsPage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

const QStringList kLists = {
    QStringLiteral("handShakeCombo"),       QStringLiteral("stopBitCombo"),
    QStringLiteral("dataLengthCombo"),      QStringLiteral("parityCheckCombo"),
    QStringLiteral("paritySelectionCombo"), QStringLiteral("baudrateCombo")};

struct Serial {
    explicit Serial(TestRig& rig) : page(rig.Context()) {}
    QComboBox* List(const QString& name) const { return Find<QComboBox>(page, name); }
    std::vector<int> Selections() const {
        std::vector<int> selections;
        for (const QString& list : kLists) {
            selections.push_back(List(list)->currentIndex());
        }
        return selections;
    }
    QStringList SelectionTexts() const {
        QStringList texts;
        for (const QString& list : kLists) {
            texts.push_back(List(list)->currentText());
        }
        return texts;
    }
    bool ListsEnabled() const {
        const bool first = List(kLists.front())->isEnabled();
        for (const QString& list : kLists) {
            EXPECT_EQ(List(list)->isEnabled(), first) << list.toStdString();
        }
        return first;
    }
    bool Enabled(const char* name) const { return Find(page, name)->isEnabled(); }
    void Click(const char* name) const { ::Click(page, name); }
    void Select(const std::vector<int>& selections) const {
        for (std::size_t i = 0; i < selections.size(); ++i) {
            Choose(List(kLists[static_cast<qsizetype>(i)]), selections[i]);
        }
    }
    SerialSettingsPage page;
};

TEST(SerialSettingsPage, StartsEmptyWithOnlyGetAndDefaultEnabled) {
    TestRig rig;
    Serial serial(rig);
    EXPECT_EQ(serial.Selections(), std::vector<int>(6, -1));
    EXPECT_FALSE(serial.ListsEnabled());
    EXPECT_TRUE(serial.Enabled("serialGetButton"));
    EXPECT_TRUE(serial.Enabled("serialDefaultButton"));
    EXPECT_FALSE(serial.Enabled("serialSetButton"));
}

TEST(SerialSettingsPage, GetDecodesEachBitOfSwitchTwo) {
    const struct {
        char byte;
        std::vector<const char*> shown;
    } cases[] = {
        {'\x35', {"Software", "1 Stop Bit", "7", "No Parity", "Odd", "38400"}},
        {'\x40', {"Hardware", "1 Stop Bit", "8", "No Parity", "Even", "By Dip Switch"}},
        {'\x6A', {"Hardware", "2 Stop Bit", "8", "Parity", "Even", "57600"}},
        {'\x9F', {"Software", "2 Stop Bit", "7", "Parity", "Odd", "By Dip Switch"}},
        {'\xFF', {"Software", "2 Stop Bit", "7", "Parity", "Odd", "57600"}},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        rig.link.QueueReply(QByteArray(1, c.byte));
        Serial serial(rig);
        serial.Click("serialGetButton");
        QStringList shown;
        for (const char* text : c.shown) {
            shown << QLatin1String(text);
        }
        EXPECT_EQ(serial.SelectionTexts(), shown) << int(c.byte);
        EXPECT_EQ(rig.link.writes, std::vector<QByteArray>{"^MBR2,1"});
        EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{10, 10}));
        EXPECT_EQ(rig.messages.Informations(),
                  QStringList{QStringLiteral("Get serial communication status is successful")});
        EXPECT_TRUE(serial.ListsEnabled());
        EXPECT_TRUE(serial.Enabled("serialSetButton"));
    }
}

TEST(SerialSettingsPage, AFailedGetEmptiesTheListsButKeepsAnEarlierSetEnabled) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("USB"));
    Serial serial(rig);
    serial.Click("serialGetButton");
    EXPECT_EQ(rig.link.writes, std::vector<QByteArray>{"^MBR2,3"});
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Get serial communication status is faied")});
    EXPECT_FALSE(serial.ListsEnabled());
    EXPECT_FALSE(serial.Enabled("serialSetButton"));

    rig.link.QueueReply("\x35");
    serial.Click("serialGetButton");
    ASSERT_TRUE(serial.ListsEnabled());
    rig.messages.Clear();
    serial.Click("serialGetButton");
    EXPECT_EQ(serial.Selections(), std::vector<int>(6, -1));
    EXPECT_TRUE(serial.ListsEnabled());
    EXPECT_TRUE(serial.Enabled("serialSetButton"));
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Get serial communication status is faied")});

    // Lists left empty by that failure give no byte to send.
    rig.link.ClearRecord();
    rig.messages.Clear();
    serial.Click("serialSetButton");
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Please choose an entry in every list before Set.")});
}

TEST(SerialSettingsPage, SetWritesTheByteWithoutTerminatorAndAsksForARestart) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Serial serial(rig);
    rig.link.QueueReply(QByteArray(1, '\0'));
    serial.Click("serialGetButton");
    rig.link.ClearRecord();
    rig.messages.Clear();

    serial.Select({0, 1, 0, 1, 0, 2});  // Hardware, 2 Stop Bit, 8, Parity, Even, 57600
    serial.Click("serialSetButton");
    EXPECT_EQ(rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS2,\x6A"), QByteArray("^MBA\x02\r")}));
    EXPECT_EQ(rig.messages.Informations(),
              (QStringList{QStringLiteral("Set serial communication status is successful"),
                           QStringLiteral("Please, turn off the printer and turn on the printer"),
                           QStringLiteral("Please, close application and re-connect printer")}));

    rig.link.ClearRecord();
    rig.messages.Clear();
    rig.link.acceptPerWrite = 0;
    serial.Click("serialSetButton");
    EXPECT_EQ(rig.messages.Texts(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("Set serial communication status is faied")}));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());
}

TEST(SerialSettingsPage, DefaultSettingFillsFiveListsLocally) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Serial serial(rig);
    serial.Click("serialDefaultButton");
    EXPECT_EQ(serial.Selections(), (std::vector<int>{0, 0, 0, 0, 0, -1}));
    EXPECT_FALSE(serial.ListsEnabled());
    EXPECT_FALSE(serial.Enabled("serialSetButton"));

    rig.link.QueueReply("\x7F");
    serial.Click("serialGetButton");
    serial.Click("serialDefaultButton");
    EXPECT_EQ(serial.Selections(), (std::vector<int>{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(rig.link.writes, std::vector<QByteArray>{"^MBR2,1"});
}

}  // namespace
