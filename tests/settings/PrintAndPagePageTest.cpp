#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "settings/PrintAndPagePage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

const char* const kNumericStems[] = {"paperWidth",       "paperLength",    "gapLength",
                                     "horizontalMargin", "verticalMargin", "printDensity",
                                     "offset",           "tearOff"};

// A page on a serial link, its start forgotten by the record. It is shown, so that a click lands
// on a radio button's own area.
struct Page {
    explicit Page(int modelIndex = -1) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        page = std::make_unique<PrintAndPagePage>(rig.Context(modelIndex));
        page->show();
    }
    void Click(const char* stem, const char* suffix) const { ::Click(*page, Name(stem, suffix)); }
    void Click(const char* name) const { ::Click(*page, name); }
    QLineEdit* Edit(const char* stem) const { return Find<QLineEdit>(*page, Name(stem, "Edit")); }
    void Type(const char* field, const char* text) const {
        ::Type(Find<QLineEdit>(*page, field), QLatin1String(text));
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(*page, name); }
    bool Enabled(const QString& name) const { return Find(*page, name)->isEnabled(); }
    bool Enabled(const char* name) const { return Enabled(QLatin1String(name)); }
    bool Checked(const QString& name) const {
        return Find<QAbstractButton>(*page, name)->isChecked();
    }
    bool Checked(const char* name) const { return Checked(QLatin1String(name)); }
    void Forget() {
        rig.link.ClearRecord();
        rig.messages.Clear();
        rig.pacer.Clear();
    }
    QStringList SpeedEntries() const {
        QComboBox* speed = List("speedCombo");
        QStringList entries;
        for (int i = 0; i < speed->count(); ++i) {
            entries << speed->itemText(i);
        }
        return entries;
    }
    TestRig rig;
    std::unique_ptr<PrintAndPagePage> page;
};

TEST(PrintAndPagePage, StartsWithEveryRowUnread) {
    Page p;
    for (const char* stem : kNumericStems) {
        EXPECT_EQ(p.Edit(stem)->text(), QStringLiteral("0")) << stem;
        EXPECT_FALSE(p.Edit(stem)->isEnabled()) << stem;
    }
    for (const char* stem :
         {"paperWidth", "paperLength", "gapLength", "horizontalMargin", "verticalMargin",
          "printDensity", "strobe", "speed", "offset", "tearOff", "gapDetect"}) {
        EXPECT_TRUE(p.Enabled(Name(stem, "GetButton"))) << stem;
        EXPECT_FALSE(p.Enabled(Name(stem, "SetButton"))) << stem;
    }
    for (const char* name : {"strobe2Radio", "strobe3Radio", "strobe4Radio", "speedCombo",
                             "gapDetectCombo", "offsetNegativeCheck", "tearOffNegativeCheck"}) {
        EXPECT_FALSE(p.Enabled(name)) << name;
        if (auto* button = qobject_cast<QAbstractButton*>(Find(*p.page, name))) {
            EXPECT_FALSE(button->isChecked()) << name;
        }
    }
    EXPECT_EQ(p.List("speedCombo")->currentIndex(), -1);
    EXPECT_EQ(p.List("gapDetectCombo")->currentIndex(), 0);
    EXPECT_TRUE(p.Checked("checkLabelDisableRadio"));
    for (const char* name : {"initialiseButton", "checkLabelSetButton", "checkLabelDisableRadio",
                             "checkLabelEnableRadio"}) {
        EXPECT_TRUE(p.Enabled(name)) << name;
    }
    EXPECT_TRUE(p.rig.link.writes.empty());
}

TEST(PrintAndPagePage, SpeedListFollowsTheModel) {
    const QStringList inches =
        Texts({"Default", "3 inch/s", "4 inch/s", "5 inch/s", "6 inch/s", "7 inch/s", "8 inch/s"});
    const std::pair<int, QStringList> models[] = {
        {-1, inches},
        {0, inches},
        {1, inches.mid(0, 4)},
        {2, inches.mid(0, 5)},
        {4, inches.mid(0, 5)},
        {6, inches.mid(0, 5)},
        {3, Texts({"Default", "70 mm/s", "85 mm/s", "100 mm/s"})},
        {5, Texts({"Default", "70 mm/s", "85 mm/s", "100 mm/s"})},
        {7, Texts({"Default", "2 inch/s", "2.5 inch/s", "3 inch/s", "4 inch/s"})},
        {9, inches},
    };
    for (const auto& [model, entries] : models) {
        Page p(model);
        EXPECT_EQ(p.SpeedEntries(), entries) << model;
        EXPECT_EQ(p.List("speedCombo")->currentIndex(), -1) << model;
    }
}

TEST(PrintAndPagePage, SpeedGetKeepsBitsFiveToSevenAndMapsThemByModel) {
    const struct {
        int model;
        char byte;
        int index;
    } cases[] = {
        {3, '\x4F', 1},  {3, '\x20', 0},  {3, '\x80', 3}, {5, '\x60', 2},  {1, '\x80', 0},
        {1, '\x7F', 3},  {2, '\x80', 4},  {2, '\xA0', 0}, {7, '\x20', 1},  {7, '\x80', 4},
        {-1, '\xC0', 6}, {-1, '\xE0', 0}, {0, '\xBF', 5}, {-1, '\x1F', 0},
    };
    for (const auto& c : cases) {
        Page p(c.model);
        p.rig.link.QueueReply(QByteArray(1, c.byte));
        p.Click("speed", "GetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{"^MBR3,1"});
        EXPECT_EQ(p.List("speedCombo")->currentIndex(), c.index)
            << c.model << " " << int(static_cast<unsigned char>(c.byte));
        EXPECT_TRUE(p.Enabled("speedCombo"));
        EXPECT_TRUE(p.Enabled("speedSetButton"));
        EXPECT_EQ(p.rig.messages.Texts(),
                  QStringList{QStringLiteral("Getting speed is successful")});
    }
}

TEST(PrintAndPagePage, SpeedSetWritesTheModelsCodeWithTerminator) {
    const struct {
        int model;
        int index;
        char byte;
    } cases[] = {{3, 3, '\x80'},   {3, 1, '\x40'}, {5, 0, '\x00'}, {-1, 6, '\xC0'},
                 {-1, -1, '\x00'}, {1, 3, '\x60'}, {7, 2, '\x40'}, {2, 4, '\x80'}};
    for (const auto& c : cases) {
        Page p(c.model);
        p.rig.link.QueueReply(QByteArray(1, '\0'));
        p.Click("speed", "GetButton");
        Choose(p.List("speedCombo"), c.index);
        p.Forget();
        p.Click("speed", "SetButton");
        EXPECT_EQ(p.rig.link.writes, (std::vector<QByteArray>{QByteArray("^MBS3,") + c.byte + '\r',
                                                              QByteArray("^MBA\x03\r")}))
            << c.model << " " << c.index;
        EXPECT_EQ(p.rig.messages.Texts(),
                  QStringList{QStringLiteral("Setting speed is successful")});
    }
}

struct TextRow {
    const char* stem;
    QByteArray query;
    QByteArray setPrefix;  // "^MBUn,"
    const char* what;      // as the messages name it
};
const TextRow kTextRows[] = {
    {.stem = "paperWidth", .query = "^PI5,0\r\n", .setPrefix = "^MBU0,", .what = "paper width"},
    {.stem = "paperLength", .query = "^PI5,1\r\n", .setPrefix = "^MBU2,", .what = "paper length"},
    {.stem = "gapLength", .query = "^PI5,2\r\n", .setPrefix = "^MBU5,", .what = "gap length"},
    {.stem = "horizontalMargin",
     .query = "^PI5,3\r\n",
     .setPrefix = "^MBU3,",
     .what = "paper horizontal margin"},
    {.stem = "verticalMargin",
     .query = "^PI5,4\r\n",
     .setPrefix = "^MBU4,",
     .what = "paper vertical margin"},
    {.stem = "printDensity", .query = "^PI4,1\r\n", .setPrefix = "^MBU1,", .what = "print density"},
};

QString Message(const char* verb, const char* what, const char* outcome) {
    return QStringLiteral("%1 %2 is %3")
        .arg(QLatin1String(verb), QLatin1String(what), QLatin1String(outcome));
}

TEST(PrintAndPagePage, EachNumericRowGetsItsTextAndSetsItsUserValue) {
    for (const TextRow& row : kTextRows) {
        Page p;
        p.rig.link.Answer(row.query, "12\r\n");
        p.Click(row.stem, "GetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{row.query}) << row.stem;
        EXPECT_EQ(p.rig.pacer.pauses, (std::vector<int>{10, 10})) << row.stem;
        EXPECT_EQ(p.rig.link.readSizes, std::vector<int>{32}) << row.stem;
        EXPECT_EQ(p.Edit(row.stem)->text(), QStringLiteral("12")) << row.stem;
        EXPECT_TRUE(p.Edit(row.stem)->isEnabled()) << row.stem;
        EXPECT_TRUE(p.Enabled(Name(row.stem, "SetButton"))) << row.stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Getting", row.what, "successful")});

        p.Forget();
        Type(p.Edit(row.stem), QStringLiteral("0012"));
        p.Click(row.stem, "SetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{row.setPrefix + "12\r"}) << row.stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Setting", row.what, "successful")});

        // No reply: the failure, and the row keeps what it showed and its state.
        p.Forget();
        p.rig.link.answers.clear();
        p.Click(row.stem, "GetButton");
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Getting", row.what, "failed")});
        EXPECT_EQ(p.Edit(row.stem)->text(), QStringLiteral("0012")) << row.stem;
        EXPECT_TRUE(p.Enabled(Name(row.stem, "SetButton"))) << row.stem;

        p.Forget();
        p.rig.link.acceptPerWrite = 0;
        p.Click(row.stem, "SetButton");
        EXPECT_EQ(p.rig.messages.Texts(),
                  (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                               Message("Setting", row.what, "failed")}));
    }
}

TEST(PrintAndPagePage, TextGetShowsTheDigitsAsTheyCame) {
    const struct {
        QByteArray reply;
        const char* shown;
        QStringList messages;
    } cases[] = {
        {"\r\n", "0", Texts({"Getting paper width is successful"})},
        {"832\r\n\r\n", "832", Texts({"Getting paper width is successful"})},
        {"0832\r\n", "0832", Texts({"Getting paper width is successful"})},
        // The form is read again after the reply is in: an out-of-range width warns, once.
        {"900\r\n", "900",
         Texts(
             {"Please enter an integer between 0 and 832.", "Getting paper width is successful"})},
        // Anything but digits is no value: a garbled reply is a failure, and the field keeps
        // what it had.
        {"abc\r\n", "0", Texts({"Getting paper width is failed"})},
        {"8\xb7"
         "2\r\n",
         "0", Texts({"Getting paper width is failed"})},
    };
    for (const auto& c : cases) {
        Page p;
        p.rig.link.QueueReply(c.reply);
        p.Click("paperWidth", "GetButton");
        EXPECT_EQ(p.Edit("paperWidth")->text(), QLatin1String(c.shown));
        EXPECT_EQ(p.rig.messages.Texts(), c.messages) << testing::PrintToString(c.reply);
    }
}

TEST(PrintAndPagePage, FormReadingChecksTheFieldsInItsOrderAndStopsAtTheFirst) {
    Page p;
    // Every field enabled through a Get of its own.
    for (const TextRow& row : kTextRows) {
        p.rig.link.Answer(row.query, "1\r\n");
    }
    p.rig.link.Answer("^SA\r\n", "+001\r\n");
    p.rig.link.Answer("^PI4,2\r\n", "+001\r\n");
    for (const char* stem : kNumericStems) {
        p.Click(stem, "GetButton");
    }
    const struct {
        std::vector<std::pair<const char*, const char*>> fields;
        const char* warning;
    } cases[] = {
        // Vertical margin comes before paper width.
        {{{"paperWidthEdit", "900"}, {"verticalMarginEdit", "3000"}},
         "Please enter an integer between 0 and 2432."},
        {{{"paperWidthEdit", "900"}, {"printDensityEdit", "21"}},
         "Please enter an integer between 0 and 832."},
        {{{"printDensityEdit", "21"}, {"gapLengthEdit", ""}},
         "Please enter an integer between 0 and 20."},
        {{{"gapLengthEdit", ""}, {"offsetEdit", "101"}}, "Please enter an integer."},
        {{{"horizontalMarginEdit", "833"}, {"paperLengthEdit", "99999"}},
         "Please enter an integer between 0 and 832."},
        {{{"tearOffEdit", "101"}}, "Please enter an integer between 0 and 100."},
        {{{"tearOffEdit", ""}, {"offsetEdit", "101"}},
         "Please enter an integer between 0 and 100."},
    };
    for (const auto& c : cases) {
        for (const char* stem : kNumericStems) {
            Type(p.Edit(stem), QStringLiteral("1"));
        }
        for (const auto& [field, text] : c.fields) {
            p.Type(field, text);
        }
        p.Forget();
        p.Click("paperWidth", "SetButton");
        EXPECT_TRUE(p.rig.link.writes.empty()) << c.warning;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{QLatin1String(c.warning)});
    }
}

TEST(PrintAndPagePage, AnOffsetOutOfRangeBlocksNumericSetsButNotSwitchSets) {
    Page p;
    p.rig.link.Answer("^SA\r\n", "+050\r\n");
    p.rig.link.Answer("^PI5,0\r\n", "832\r\n");
    p.rig.link.Answer("^MBR4,1", QByteArray(1, '\0'));
    p.Click("offset", "GetButton");
    p.Click("paperWidth", "GetButton");
    p.Click("strobe", "GetButton");
    p.Type("offsetEdit", "101");
    const QString range = QStringLiteral("Please enter an integer between 0 and 100.");

    for (const char* stem : {"offset", "paperWidth"}) {
        p.Forget();
        p.Click(stem, "SetButton");
        EXPECT_TRUE(p.rig.link.writes.empty()) << stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{range}) << stem;
    }
    p.Forget();
    p.Click("strobe3Radio");
    p.Click("strobe", "SetButton");
    EXPECT_EQ(p.rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS4,\x40\r"), QByteArray("^MBA\x04\r")}));
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{range, QStringLiteral("Setting strobe is successful")}));

    p.Forget();
    p.Type("offsetEdit", "100");
    p.Click("offset", "SetButton");
    EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{"SA+100\r\n"});
}

TEST(PrintAndPagePage, SignedRowsShowSignAndMagnitudeAndSendTheDigitsAsShown) {
    const struct {
        const char* stem;
        QByteArray query;
        QByteArray reply;
        bool negative;
        const char* shown;
        const char* typed = nullptr;  // the field before Set (nullptr: as shown)
        bool negativeForSet;
        QByteArray set;
        const char* what;
    } cases[] = {
        {.stem = "offset",
         .query = "^SA\r\n",
         .reply = "-015",
         .negative = true,
         .shown = "15",
         .negativeForSet = true,
         .set = "SA-15\r\n",
         .what = "offset"},
        {.stem = "offset",
         .query = "^SA\r\n",
         .reply = "+050\r\n",
         .negative = false,
         .shown = "50",
         .typed = "007",
         .negativeForSet = false,
         .set = "SA+007\r\n",
         .what = "offset"},
        {.stem = "tearOff",
         .query = "^PI4,2\r\n",
         .reply = "+007\r\n",
         .negative = false,
         .shown = "7",
         .negativeForSet = true,
         .set = "TA-7\r\n",
         .what = "Tear-Off/Cutting position"},
        {.stem = "tearOff",
         .query = "^PI4,2\r\n",
         .reply = "-100\r\n",
         .negative = true,
         .shown = "100",
         .typed = "0",
         .negativeForSet = true,
         .set = "TA-0\r\n",
         .what = "Tear-Off/Cutting position"},
    };
    for (const auto& c : cases) {
        Page p;
        p.rig.link.QueueReply(c.reply);
        p.Click(c.stem, "GetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{c.query});
        EXPECT_EQ(p.rig.link.readSizes, std::vector<int>{7});
        EXPECT_EQ(p.Checked(Name(c.stem, "NegativeCheck")), c.negative) << c.stem;
        EXPECT_EQ(p.Edit(c.stem)->text(), QLatin1String(c.shown));
        for (const char* suffix : {"Edit", "NegativeCheck", "SetButton"}) {
            EXPECT_TRUE(p.Enabled(Name(c.stem, suffix))) << suffix;
        }
        p.Forget();
        if (c.typed != nullptr) {
            Type(p.Edit(c.stem), QLatin1String(c.typed));
        }
        if (p.Checked(Name(c.stem, "NegativeCheck")) != c.negativeForSet) {
            Click(*p.page, Name(c.stem, "NegativeCheck"));
        }
        p.Click(c.stem, "SetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{c.set});
        EXPECT_EQ(p.rig.messages.Informations(),
                  QStringList{Message("Setting", c.what, "successful")});
    }
}

TEST(PrintAndPagePage, ASignedGetWithoutDigitsOrReplyIsAFailure) {
    for (const QByteArray& reply : {QByteArray("\r\n"), QByteArray()}) {
        Page p;
        p.rig.link.QueueReply(reply);
        p.Click("offset", "GetButton");
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{QStringLiteral("Getting offset is failed")});
        EXPECT_EQ(p.Edit("offset")->text(), QStringLiteral("0"));
        EXPECT_FALSE(p.Enabled("offsetSetButton"));
        p.rig.link.QueueReply(reply);
        p.rig.messages.Clear();
        p.Click("tearOff", "GetButton");
        EXPECT_EQ(p.rig.messages.Texts(),
                  QStringList{QStringLiteral("Getting tear-off/cutting position is failed")});
    }
}

TEST(PrintAndPagePage, StrobeAndGapDetectShareSwitchFour) {
    const struct {
        char byte;
        const char* strobeChecked;  // nullptr: none
        int gapDetect;
    } cases[] = {
        {'\x00', "strobe2Radio", 0}, {'\x40', "strobe3Radio", -1}, {'\x80', "strobe4Radio", -1},
        {'\x20', nullptr, 1},        {'\x60', nullptr, -1},        {'\xA0', nullptr, -1},
    };
    for (const auto& c : cases) {
        Page p;
        p.rig.link.Answer("^MBR4,1", QByteArray(1, c.byte));
        p.Click("strobe", "GetButton");
        p.Click("gapDetect", "GetButton");
        for (const char* radio : {"strobe2Radio", "strobe3Radio", "strobe4Radio"}) {
            EXPECT_EQ(p.Checked(radio),
                      c.strobeChecked != nullptr && QByteArray(radio) == c.strobeChecked)
                << radio << " for " << int(static_cast<unsigned char>(c.byte));
            EXPECT_TRUE(p.Enabled(radio));
        }
        EXPECT_EQ(p.List("gapDetectCombo")->currentIndex(), c.gapDetect);
        EXPECT_TRUE(p.Enabled("gapDetectCombo"));
        EXPECT_EQ(p.rig.messages.Texts(),
                  (QStringList{QStringLiteral("Getting strobe is successful"),
                               QStringLiteral("Getting gap detect position is successful")}));
    }

    Page p;
    p.rig.link.Answer("^MBR4,1", "\x40");
    p.Click("strobe", "GetButton");
    p.Click("gapDetect", "GetButton");
    p.Forget();
    p.Click("strobe4Radio");
    p.Click("strobe", "SetButton");
    Choose(p.List("gapDetectCombo"), 1);
    p.Click("gapDetect", "SetButton");
    Choose(p.List("gapDetectCombo"), -1);
    p.Click("gapDetect", "SetButton");
    EXPECT_EQ(p.rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS4,\x80\r"), QByteArray("^MBA\x04\r"),
                                       QByteArray("^MBS4,\x20\r"), QByteArray("^MBA\x04\r"),
                                       QByteArray("^MBS4,\0\r", 8), QByteArray("^MBA\x04\r")}));
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{QStringLiteral("Setting strobe is successful"),
                           QStringLiteral("Setting gap detect position is successful"),
                           QStringLiteral("Setting gap detect position is successful")}));
}

TEST(PrintAndPagePage, SwitchGetFailuresLeaveSelectionsClearedAndSetsAsTheyWere) {
    Page p;
    p.rig.link.Answer("^MBR4,1", "\x80");
    p.Click("strobe", "GetButton");
    p.Click("gapDetect", "GetButton");
    p.rig.link.answers.clear();
    p.Forget();
    p.Click("strobe", "GetButton");
    p.Click("gapDetect", "GetButton");
    p.Click("speed", "GetButton");
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{QStringLiteral("Getting strobe is failed"),
                           QStringLiteral("Getting gap detect position is failed"),
                           QStringLiteral("Getting speed is failed")}));
    EXPECT_FALSE(p.Checked("strobe4Radio"));
    EXPECT_EQ(p.List("gapDetectCombo")->currentIndex(), -1);
    EXPECT_TRUE(p.Enabled("strobeSetButton"));
    EXPECT_FALSE(p.Enabled("speedSetButton"));

    // No strobe checked is sent as "2".
    p.Forget();
    p.Click("strobe", "SetButton");
    EXPECT_EQ(p.rig.link.writes.front(), QByteArray("^MBS4,\0\r", 8));
}

TEST(PrintAndPagePage, CheckLabelLengthAndInitialiseNeedNoGet) {
    Page p;
    p.Click("checkLabel", "SetButton");
    p.Click("checkLabelEnableRadio");
    p.Click("checkLabel", "SetButton");
    EXPECT_EQ(p.rig.link.writes, (std::vector<QByteArray>{"^MBL0", "^MBL1"}));
    EXPECT_TRUE(p.rig.messages.entries.empty());

    p.Forget();
    p.Click("initialiseButton");
    EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{QByteArray("^MBU\x0F,99\r")});
    EXPECT_EQ(p.rig.messages.Texts(),
              QStringList{QStringLiteral("Initialize all user setting data is successful")});

    p.Forget();
    p.rig.link.acceptPerWrite = 0;
    p.Click("initialiseButton");
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("Initialize all user setting data is failed")}));
}

TEST(PrintAndPagePage, NumberFieldsTakeDigitsOnly) {
    Page p;
    p.rig.link.QueueReply("5\r\n");
    p.Click("gapLength", "GetButton");
    QLineEdit* edit = p.Edit("gapLength");
    Type(edit, QStringLiteral("-1a2 3+"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
}

}  // namespace
