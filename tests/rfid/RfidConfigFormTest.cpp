#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <array>

#include "rfid/RfidConfigForm.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using Entry = RecordingMessages::Entry;
using Kind = Messages::Kind;

const char* const kSettingControls[] = {"tagTypeList", "writingPowerList",
                                        "transponderPositionEdit", "retriesList", "labelsList"};
const char* const kLists[] = {"tagTypeList", "writingPowerList", "retriesList", "labelsList"};

// What the encoder answers to ">RFI,1" … ">RFI,7" unless a case says otherwise.
const std::array<QByteArray, 7> kAnswers = {"GEN2\r\n", "16\r\n", "600\r\n", "3\r\n",
                                            "2\r\n",    "12\r\n", "1\r\n"};

QByteArray Query(int item) {
    return ">RFI," + QByteArray::number(item) + '\r';
}

void AnswerQueries(TestRig& rig, std::array<QByteArray, 7> answers = kAnswers) {
    for (int item = 1; item <= 7; ++item) {
        if (!answers[static_cast<std::size_t>(item - 1)].isEmpty()) {
            rig.link.Answer(Query(item), answers[static_cast<std::size_t>(item - 1)]);
        }
    }
}

// What a control shows: a list its position, a field its text.
QVariant Shown(const QWidget& form, const char* name) {
    if (auto* list = form.findChild<QComboBox*>(QLatin1String(name))) {
        return list->currentIndex();
    }
    return Find<QLineEdit>(form, name)->text();
}

bool Enabled(const QWidget& form, const char* name) {
    return Find(form, name)->isEnabled();
}

// A form on a serial printer that has answered one Get with kAnswers; the record cleared.
struct AnsweredForm {
    explicit AnsweredForm(TestRig& rig) : form(rig.Context()) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        AnswerQueries(rig);
        form.show();
        QApplication::setActiveWindow(&form);
        Click(form, "getButton");
        rig.link.ClearRecord();
        rig.messages.Clear();
        rig.pacer.Clear();
    }
    RfidConfigForm form;
};

TEST(RfidConfigForm, OpensUnreadWithNothingChosenAndTheSettingsLocked) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    RfidConfigForm form(rig.Context());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("RFID Cofiguration"));
    for (const char* name : kLists) {
        EXPECT_EQ(Shown(form, name), -1) << name;
    }
    for (const char* name : {"transponderPositionEdit", "validEdit", "voidEdit"}) {
        EXPECT_EQ(Shown(form, name), QString()) << name;
    }
    for (const char* name : kSettingControls) {
        EXPECT_FALSE(Enabled(form, name)) << name;
    }
    for (const char* name : {"setButton", "resetButton"}) {
        EXPECT_FALSE(Enabled(form, name)) << name;
    }
    for (const char* name :
         {"getButton", "defaultSettingButton", "autoCalibrationButton", "closeButton"}) {
        EXPECT_TRUE(Enabled(form, name)) << name;
    }
    EXPECT_TRUE(Find<QLineEdit>(form, "validEdit")->isReadOnly());
    EXPECT_TRUE(Find<QLineEdit>(form, "voidEdit")->isReadOnly());
    // Captioned by the power each entry sends: no gap, no entry one below its power.
    auto* power = Find<QComboBox>(form, "writingPowerList");
    ASSERT_EQ(power->count(), 31);
    EXPECT_EQ(power->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(power->itemText(7), QStringLiteral("8"));
    EXPECT_EQ(power->itemText(30), QStringLiteral("31"));
    EXPECT_EQ(Find<QComboBox>(form, "retriesList")->count(), 11);
    EXPECT_EQ(Find<QComboBox>(form, "labelsList")->count(), 6);
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST(RfidConfigForm, GetShowsEachAnswerAsTheEncoderMeansIt) {
    const struct {
        int item;  // the query whose answer differs from kAnswers
        QByteArray reply;
        const char* control;
        QVariant shown;
    } cases[] = {
        {.item = 1, .reply = "GEN2\r\n", .control = "tagTypeList", .shown = 0},
        {.item = 1, .reply = "ISO-B\r\n", .control = "tagTypeList", .shown = 1},
        {.item = 1, .reply = "I\r\n", .control = "tagTypeList", .shown = 1},
        // Neither tag type: the choice stays as it was, none on a fresh form.
        {.item = 1, .reply = "EPC\r\n", .control = "tagTypeList", .shown = -1},
        {.item = 2, .reply = "1\r\n", .control = "writingPowerList", .shown = 0},
        {.item = 2, .reply = "12\r\n", .control = "writingPowerList", .shown = 11},
        {.item = 2, .reply = "31\r\n", .control = "writingPowerList", .shown = 30},
        {.item = 2, .reply = "0\r\n", .control = "writingPowerList", .shown = -1},
        {.item = 2, .reply = "32\r\n", .control = "writingPowerList", .shown = -1},
        {.item = 2, .reply = "high\r\n", .control = "writingPowerList", .shown = -1},
        {.item = 3,
         .reply = "600\r\n",
         .control = "transponderPositionEdit",
         .shown = QStringLiteral("600")},
        {.item = 3,
         .reply = "600  ",
         .control = "transponderPositionEdit",
         .shown = QStringLiteral("600")},
        {.item = 3,
         .reply = " 60 0\r",
         .control = "transponderPositionEdit",
         .shown = QStringLiteral(" 60 0")},
        {.item = 4, .reply = "10\r\n", .control = "retriesList", .shown = 10},
        {.item = 4, .reply = "11\r\n", .control = "retriesList", .shown = -1},
        {.item = 5, .reply = "0\r\n", .control = "labelsList", .shown = 0},
        {.item = 5, .reply = "6\r\n", .control = "labelsList", .shown = -1},
        // The counters without the line end that closes the answer.
        {.item = 6, .reply = "1234\r\n", .control = "validEdit", .shown = QStringLiteral("1234")},
        {.item = 7, .reply = "0\r\n", .control = "voidEdit", .shown = QStringLiteral("0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply.toStdString());
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        std::array<QByteArray, 7> answers = kAnswers;
        answers[static_cast<std::size_t>(c.item - 1)] = c.reply;
        AnswerQueries(rig, answers);
        RfidConfigForm form(rig.Context());
        form.show();
        Click(form, "getButton");
        EXPECT_EQ(Shown(form, c.control), c.shown);
        EXPECT_EQ(rig.messages.entries,
                  (std::vector<Entry>{
                      {Kind::Information, QStringLiteral("Get RFID setting is successful")}}));
        for (const char* name : kSettingControls) {
            EXPECT_TRUE(Enabled(form, name)) << name;
        }
        EXPECT_TRUE(Enabled(form, "setButton"));
        EXPECT_TRUE(Enabled(form, "resetButton"));
    }
}

TEST(RfidConfigForm, GetAsksTheSevenItemsInOrderWithAPauseBeforeEachRead) {
    for (const char* port : {"COM1:", "USB", "ETHERNET"}) {
        SCOPED_TRACE(port);
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(port));
        AnswerQueries(rig);
        RfidConfigForm form(rig.Context());
        form.show();
        Click(form, "getButton");
        std::vector<QByteArray> queries;
        for (int item = 1; item <= 7; ++item) {
            queries.push_back(Query(item));
        }
        EXPECT_EQ(rig.link.writes, queries);
        // (A network write adds its own settling pause.)
        EXPECT_EQ(std::count(rig.pacer.pauses.begin(), rig.pacer.pauses.end(), 100), 7);
        // Whatever a read may deliver fits its buffer, and no device read asks for more than the
        // sixteen characters an answer may take.
        ASSERT_EQ(rig.link.readSizes.size(), 7u);
        for (const int size : rig.link.readSizes) {
            EXPECT_EQ(size, QLatin1String(port) == QLatin1String("ETHERNET") ? 32 : 16);
        }
    }
}

TEST(RfidConfigForm, ANetworkAnswerKeepsItsFirstSixteenBytes) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    std::array<QByteArray, 7> answers = kAnswers;
    answers[2] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";  // 32 bytes in one network read
    AnswerQueries(rig, answers);
    RfidConfigForm form(rig.Context());
    form.show();
    Click(form, "getButton");
    EXPECT_EQ(Shown(form, "transponderPositionEdit"), QStringLiteral("0123456789ABCDEF"));
    // The rest belonged to no query: the next one still reads its own answer.
    EXPECT_EQ(Shown(form, "retriesList"), 3);
}

TEST(RfidConfigForm, ASilentVoidQueryFailsTheWholeGet) {
    std::array<QByteArray, 7> silentLast = kAnswers;
    silentLast[6] = {};
    silentLast[1] = "31\r\n";
    for (const bool readBefore : {false, true}) {
        SCOPED_TRACE(readBefore);
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        RfidConfigForm form(rig.Context());
        form.show();
        if (readBefore) {
            AnswerQueries(rig);
            Click(form, "getButton");
            rig.link.answers.clear();
            rig.messages.Clear();
        }
        AnswerQueries(rig, silentLast);
        Click(form, "getButton");
        EXPECT_EQ(rig.link.writes.size(), readBefore ? 14u : 7u);
        EXPECT_EQ(
            rig.messages.entries,
            (std::vector<Entry>{{Kind::Warning, QStringLiteral("Get RFID setting is faied")}}));
        // Not refreshed: the form shows what it showed before.
        EXPECT_EQ(Shown(form, "writingPowerList"), readBefore ? 15 : -1);
        EXPECT_EQ(Shown(form, "validEdit"), readBefore ? QStringLiteral("12") : QString());
        // A failed Get never locks a read form again, nor unlocks an unread one.
        EXPECT_EQ(Enabled(form, "setButton"), readBefore);
        EXPECT_EQ(Enabled(form, "writingPowerList"), readBefore);
        // The answers that came were stored all the same and show at the next refresh.
        EXPECT_EQ(form.Stored().powerPosition, 30);
        Click(form, "defaultSettingButton");
        EXPECT_EQ(Shown(form, "validEdit"), QStringLiteral("12"));
    }
}

TEST(RfidConfigForm, SetSendsBothCommandsInOneWriteOrRefusesWhatNoEncoderTakes) {
    const char* const kChooseFirst = "Choose an entry in \"%1\" first.";
    const struct {
        const char* name;
        int tagType = 0;
        int power = 0;
        QString position = QStringLiteral("600");
        int retries = 3;
        int labels = 2;
        std::vector<QByteArray> writes = {};
        std::vector<Entry> messages = {};
        const char* focus = nullptr;
    } cases[] = {
        {.name = "defaults",
         .writes = {">RFS,5,3,2,1\r>RFTP,600\r"},
         .messages = {{Kind::Information, QStringLiteral("Set RFID setting is successful")}}},
        {.name = "iso-b, highest values",
         .tagType = 1,
         .power = 30,
         .position = QStringLiteral("1200"),
         .retries = 10,
         .labels = 5,
         .writes = {">RFS,2,10,5,31\r>RFTP,1200\r"},
         .messages = {{Kind::Information, QStringLiteral("Set RFID setting is successful")}}},
        {.name = "no tag type: three numbers",
         .tagType = -1,
         .power = 11,
         .retries = 0,
         .labels = 0,
         .writes = {">RFS,0,0,12\r>RFTP,600\r"},
         .messages = {{Kind::Information, QStringLiteral("Set RFID setting is successful")}}},
        {.name = "position passes through as typed",
         .position = QStringLiteral(" 6,0'0 "),
         .writes = {">RFS,5,3,2,1\r>RFTP, 6,0'0 \r"},
         .messages = {{Kind::Information, QStringLiteral("Set RFID setting is successful")}}},
        {.name = "no power",
         .power = -1,
         .messages = {{Kind::Warning,
                       QString::fromLatin1(kChooseFirst).arg(QStringLiteral("Writing Power"))}},
         .focus = "writingPowerList"},
        {.name = "no retries",
         .retries = -1,
         .messages = {{Kind::Warning,
                       QString::fromLatin1(kChooseFirst).arg(QStringLiteral("Number of retry"))}},
         .focus = "retriesList"},
        {.name = "no labels",
         .labels = -1,
         .messages = {{Kind::Warning,
                       QString::fromLatin1(kChooseFirst).arg(QStringLiteral("Number of Label"))}},
         .focus = "labelsList"},
        {.name = "nothing chosen: the first list is named",
         .tagType = -1,
         .power = -1,
         .retries = -1,
         .labels = -1,
         .messages = {{Kind::Warning,
                       QString::fromLatin1(kChooseFirst).arg(QStringLiteral("Writing Power"))}},
         .focus = "writingPowerList"},
        {.name = "position beyond ASCII",
         .position = QStringLiteral("600\u00b5"),
         .labels = -1,
         .messages = {{Kind::Warning,
                       QStringLiteral("The transponder position may hold only ASCII letters, "
                                      "digits and signs.")}},
         .focus = "transponderPositionEdit"},
        {.name = "position with a control character",
         .position = QStringLiteral("600\r>RFVR"),
         .messages = {{Kind::Warning,
                       QStringLiteral("The transponder position may hold only ASCII letters, "
                                      "digits and signs.")}},
         .focus = "transponderPositionEdit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestRig rig;
        AnsweredForm read(rig);
        RfidConfigForm& form = read.form;
        Choose(Find<QComboBox>(form, "tagTypeList"), c.tagType);
        Choose(Find<QComboBox>(form, "writingPowerList"), c.power);
        Find<QLineEdit>(form, "transponderPositionEdit")->setText(c.position);
        Choose(Find<QComboBox>(form, "retriesList"), c.retries);
        Choose(Find<QComboBox>(form, "labelsList"), c.labels);
        Find(form, "getButton")->setFocus();
        Click(form, "setButton");
        EXPECT_EQ(rig.link.writes, c.writes);
        EXPECT_EQ(rig.messages.entries, c.messages);
        EXPECT_TRUE(rig.pacer.pauses.empty());
        if (c.focus != nullptr) {
            EXPECT_TRUE(Find(form, c.focus)->hasFocus());
        }
    }
}

TEST(RfidConfigForm, DefaultSettingFillsTheFiveSettingsAndNothingElse) {
    for (const bool readBefore : {false, true}) {
        SCOPED_TRACE(readBefore);
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        RfidConfigForm form(rig.Context());
        form.show();
        if (readBefore) {
            AnswerQueries(rig,
                          {"ISO\r\n", "20\r\n", "100\r\n", "9\r\n", "4\r\n", "12\r\n", "1\r\n"});
            Click(form, "getButton");
            rig.link.ClearRecord();
            rig.messages.Clear();
        }
        Click(form, "defaultSettingButton");
        EXPECT_EQ(Shown(form, "tagTypeList"), 0);
        EXPECT_EQ(Shown(form, "writingPowerList"), 0);
        EXPECT_EQ(Shown(form, "transponderPositionEdit"), QStringLiteral("600"));
        EXPECT_EQ(Shown(form, "retriesList"), 3);
        EXPECT_EQ(Shown(form, "labelsList"), 2);
        // The counters are the printer's: no default replaces them.
        EXPECT_EQ(Shown(form, "validEdit"), readBefore ? QStringLiteral("12") : QString());
        EXPECT_EQ(Shown(form, "voidEdit"), readBefore ? QStringLiteral("1") : QString());
        // Before a Get the values can be seen, but neither edited nor sent.
        EXPECT_EQ(Enabled(form, "setButton"), readBefore);
        EXPECT_EQ(Enabled(form, "tagTypeList"), readBefore);
        EXPECT_TRUE(rig.link.writes.empty());
        EXPECT_TRUE(rig.messages.entries.empty());
    }
}

TEST(RfidConfigForm, ResetClearsTheCountersAndShowsTheStoredSettingsAgain) {
    const struct {
        bool writeFails;
        QString counters;  // both, as shown afterwards
        Entry message;
    } cases[] = {
        {false,
         QStringLiteral("0 0"),
         {Kind::Information, QStringLiteral("Reset RFID Valid and Void is successful")}},
        {true,
         QStringLiteral("12 1"),
         {Kind::Warning, QStringLiteral("Reset RFID Valid and Void is faied")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.writeFails);
        TestRig rig;
        AnsweredForm read(rig);
        RfidConfigForm& form = read.form;
        // Edits since the last refresh give way to the stored values, sent or not.
        Choose(Find<QComboBox>(form, "writingPowerList"), 3);
        Type(Find<QLineEdit>(form, "transponderPositionEdit"), QStringLiteral("900"));
        rig.link.writeFails = c.writeFails;
        Click(form, "resetButton");
        EXPECT_EQ(rig.link.writes.front(), QByteArray(">RFVR\r"));
        EXPECT_EQ(rig.messages.entries.back(), c.message);
        EXPECT_EQ(Shown(form, "validEdit").toString() + QLatin1Char(' ') +
                      Shown(form, "voidEdit").toString(),
                  c.counters);
        EXPECT_EQ(Shown(form, "writingPowerList"), 15);
        EXPECT_EQ(Shown(form, "transponderPositionEdit"), QStringLiteral("600"));
        EXPECT_TRUE(rig.link.readSizes.empty());
    }
}

TEST(RfidConfigForm, AutoCalibrationJudgesByTheWriteAndKeepsTheForm) {
    const struct {
        bool read;  // after a Get, with an edit pending
        bool writeFails;
        Entry message;
    } cases[] = {
        {false, false, {Kind::Information, QStringLiteral("Auto calibration is successful")}},
        {true, false, {Kind::Information, QStringLiteral("Auto calibration is successful")}},
        {true, true, {Kind::Warning, QStringLiteral("Auto calibration is faied")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        SCOPED_TRACE(c.writeFails);
        TestRig rig;
        AnsweredForm read(rig);
        RfidConfigForm fresh(rig.Context());
        RfidConfigForm& form = c.read ? read.form : fresh;
        form.show();
        if (c.read) {
            Type(Find<QLineEdit>(form, "transponderPositionEdit"), QStringLiteral("900"));
        }
        rig.link.writeFails = c.writeFails;
        Click(form, "autoCalibrationButton");
        EXPECT_EQ(rig.link.writes.front(), QByteArray(">RFCP\r"));
        EXPECT_EQ(rig.messages.entries.back(), c.message);
        EXPECT_EQ(Shown(form, "transponderPositionEdit"),
                  c.read ? QStringLiteral("900") : QString());
        EXPECT_TRUE(rig.link.readSizes.empty());
    }
}

TEST(RfidConfigForm, SetReportsAFailedWrite) {
    TestRig rig;
    AnsweredForm read(rig);
    rig.link.writeFails = true;
    Click(read.form, "setButton");
    EXPECT_EQ(rig.link.writes.front(), QByteArray(">RFS,5,3,2,16\r>RFTP,600\r"));
    EXPECT_EQ(rig.messages.entries.back(),
              (Entry{Kind::Warning, QStringLiteral("Set RFID setting is faied")}));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());
}

}  // namespace
