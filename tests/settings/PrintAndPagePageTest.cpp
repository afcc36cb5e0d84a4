#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QTest>

#include "PageDriver.h"
#include "settings/PrintAndPagePage.h"
#include "support/TestRig.h"

namespace {

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

const char* const kNumericStems[] = {"paperWidth",       "paperLength",    "gapLength",
                                     "horizontalMargin", "verticalMargin", "printDensity",
                                     "offset",           "tearOff"};

// A page on a serial link, its start forgotten by the record.
struct Page {
    explicit Page(int modelIndex = -1) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        page = std::make_unique<PrintAndPagePage>(rig.Context(modelIndex));
        ui = std::make_unique<PageDriver>(*page);
    }
    void Click(const char* stem, const char* suffix) { ui->Click(Name(stem, suffix)); }
    void Forget() {
        rig.link.ClearRecord();
        rig.messages.Clear();
        rig.pacer.Clear();
    }
    QStringList SpeedEntries() const {
        auto* speed = ui->Find<QComboBox>(QStringLiteral("speedCombo"));
        QStringList entries;
        for (int i = 0; i < speed->count(); ++i) {
            entries << speed->itemText(i);
        }
        return entries;
    }
    TestRig rig;
    std::unique_ptr<PrintAndPagePage> page;
    std::unique_ptr<PageDriver> ui;
};

TEST(PrintAndPagePage, StartsWithEveryRowUnread) {
    Page p;
    for (const char* stem : kNumericStems) {
        EXPECT_EQ(p.ui->Text(Name(stem, "Edit")), QStringLiteral("0")) << stem;
        EXPECT_FALSE(p.ui->Enabled(Name(stem, "Edit"))) << stem;
    }
    for (const char* stem :
         {"paperWidth", "paperLength", "gapLength", "horizontalMargin", "verticalMargin",
          "printDensity", "strobe", "speed", "offset", "tearOff", "gapDetect"}) {
        EXPECT_TRUE(p.ui->Enabled(Name(stem, "GetButton"))) << stem;
        EXPECT_FALSE(p.ui->Enabled(Name(stem, "SetButton"))) << stem;
    }
    for (const char* name : {"strobe2Radio", "strobe3Radio", "strobe4Radio", "speedCombo",
                             "gapDetectCombo", "offsetNegativeCheck", "tearOffNegativeCheck"}) {
        EXPECT_FALSE(p.ui->Enabled(QLatin1String(name))) << name;
        if (auto* button = p.page->findChild<QAbstractButton*>(QLatin1String(name))) {
            EXPECT_FALSE(button->isChecked()) << name;
        }
    }
    EXPECT_EQ(p.ui->Index(QStringLiteral("speedCombo")), -1);
    EXPECT_EQ(p.ui->Index(QStringLiteral("gapDetectCombo")), 0);
    EXPECT_TRUE(p.ui->Checked(QStringLiteral("checkLabelDisableRadio")));
    for (const char* name : {"initializeButton", "checkLabelSetButton", "checkLabelDisableRadio",
                             "checkLabelEnableRadio"}) {
        EXPECT_TRUE(p.ui->Enabled(QLatin1String(name))) << name;
    }
    EXPECT_TRUE(p.rig.link.writes.empty());
}

TEST(PrintAndPagePage, SpeedListFollowsTheModel) {
    const QStringList inches = Strings(
        {"Default", "3 inch/s", "4 inch/s", "5 inch/s", "6 inch/s", "7 inch/s", "8 inch/s"});
    const std::pair<int, QStringList> models[] = {
        {-1, inches},
        {0, inches},
        {1, inches.mid(0, 4)},
        {2, inches.mid(0, 5)},
        {4, inches.mid(0, 5)},
        {6, inches.mid(0, 5)},
        {3, Strings({"Default", "70 mm/s", "85 mm/s", "100 mm/s"})},
        {5, Strings({"Default", "70 mm/s", "85 mm/s", "100 mm/s"})},
        {7, Strings({"Default", "2 inch/s", "2.5 inch/s", "3 inch/s", "4 inch/s"})},
        {9, inches},
    };
    for (const auto& [model, entries] : models) {
        Page p(model);
        EXPECT_EQ(p.SpeedEntries(), entries) << model;
        EXPECT_EQ(p.ui->Index(QStringLiteral("speedCombo")), -1) << model;
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
        EXPECT_EQ(p.ui->Index(QStringLiteral("speedCombo")), c.index)
            << c.model << " " << int(static_cast<unsigned char>(c.byte));
        EXPECT_TRUE(p.ui->Enabled(QStringLiteral("speedCombo")));
        EXPECT_TRUE(p.ui->Enabled(QStringLiteral("speedSetButton")));
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
        p.ui->Choose(QStringLiteral("speedCombo"), c.index);
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
    {"paperWidth", "^PI5,0\r\n", "^MBU0,", "paper width"},
    {"paperLength", "^PI5,1\r\n", "^MBU2,", "paper length"},
    {"gapLength", "^PI5,2\r\n", "^MBU5,", "gap length"},
    {"horizontalMargin", "^PI5,3\r\n", "^MBU3,", "paper horizontal margin"},
    {"verticalMargin", "^PI5,4\r\n", "^MBU4,", "paper vertical margin"},
    {"printDensity", "^PI4,1\r\n", "^MBU1,", "print density"},
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
        EXPECT_EQ(p.ui->Text(Name(row.stem, "Edit")), QStringLiteral("12")) << row.stem;
        EXPECT_TRUE(p.ui->Enabled(Name(row.stem, "Edit"))) << row.stem;
        EXPECT_TRUE(p.ui->Enabled(Name(row.stem, "SetButton"))) << row.stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Getting", row.what, "successful")});

        p.Forget();
        p.ui->SetText(Name(row.stem, "Edit"), QStringLiteral("0012"));
        p.Click(row.stem, "SetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{row.setPrefix + "12\r"}) << row.stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Setting", row.what, "successful")});

        // No reply: the failure, and the row keeps what it showed and its state.
        p.Forget();
        p.rig.link.answers.clear();
        p.Click(row.stem, "GetButton");
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{Message("Getting", row.what, "failed")});
        EXPECT_EQ(p.ui->Text(Name(row.stem, "Edit")), QStringLiteral("0012")) << row.stem;
        EXPECT_TRUE(p.ui->Enabled(Name(row.stem, "SetButton"))) << row.stem;

        p.Forget();
        p.rig.link.acceptPerWrite = 0;
        p.Click(row.stem, "SetButton");
        EXPECT_EQ(p.rig.messages.Texts(),
                  (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                               Message("Setting", row.what, "failed")}));
    }
}

TEST(PrintAndPagePage, TextGetShowsTheReplyAsItCame) {
    const struct {
        QByteArray reply;
        const char* shown;
        QStringList messages;
    } cases[] = {
        {"\r\n", "0", Strings({"Getting paper width is successful"})},
        {"832\r\n\r\n", "832", Strings({"Getting paper width is successful"})},
        {"0832\r\n", "0832", Strings({"Getting paper width is successful"})},
        // The form is read again after the reply is in: an out-of-range width warns, once.
        {"900\r\n", "900",
         Strings(
             {"Please enter an integer between 0 and 832.", "Getting paper width is successful"})},
        {"abc\r\n", "abc",
         Strings({"Please enter an integer.", "Getting paper width is successful"})},
    };
    for (const auto& c : cases) {
        Page p;
        p.rig.link.QueueReply(c.reply);
        p.Click("paperWidth", "GetButton");
        EXPECT_EQ(p.ui->Text(QStringLiteral("paperWidthEdit")), QLatin1String(c.shown));
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
            p.ui->SetText(Name(stem, "Edit"), QStringLiteral("1"));
        }
        for (const auto& [field, text] : c.fields) {
            p.ui->SetText(QLatin1String(field), QLatin1String(text));
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
    p.ui->SetText(QStringLiteral("offsetEdit"), QStringLiteral("101"));
    const QString range = QStringLiteral("Please enter an integer between 0 and 100.");

    for (const char* stem : {"offset", "paperWidth"}) {
        p.Forget();
        p.Click(stem, "SetButton");
        EXPECT_TRUE(p.rig.link.writes.empty()) << stem;
        EXPECT_EQ(p.rig.messages.Texts(), QStringList{range}) << stem;
    }
    p.Forget();
    p.ui->Click(QStringLiteral("strobe3Radio"));
    p.Click("strobe", "SetButton");
    EXPECT_EQ(p.rig.link.writes,
              (std::vector<QByteArray>{QByteArray("^MBS4,\x40\r"), QByteArray("^MBA\x04\r")}));
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{range, QStringLiteral("Setting strobe is successful")}));

    p.Forget();
    p.ui->SetText(QStringLiteral("offsetEdit"), QStringLiteral("100"));
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
        const char* typed;  // the field before Set (nullptr: as shown)
        bool negativeForSet;
        QByteArray set;
        const char* what;
    } cases[] = {
        {"offset", "^SA\r\n", "-015", true, "15", nullptr, true, "SA-15\r\n", "offset"},
        {"offset", "^SA\r\n", "+050\r\n", false, "50", "007", false, "SA+007\r\n", "offset"},
        {"tearOff", "^PI4,2\r\n", "+007\r\n", false, "7", nullptr, true, "TA-7\r\n",
         "Tear-Off/Cutting position"},
        {"tearOff", "^PI4,2\r\n", "-100\r\n", true, "100", "0", true, "TA-0\r\n",
         "Tear-Off/Cutting position"},
    };
    for (const auto& c : cases) {
        Page p;
        p.rig.link.QueueReply(c.reply);
        p.Click(c.stem, "GetButton");
        EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{c.query});
        EXPECT_EQ(p.rig.link.readSizes, std::vector<int>{7});
        EXPECT_EQ(p.ui->Checked(Name(c.stem, "NegativeCheck")), c.negative) << c.stem;
        EXPECT_EQ(p.ui->Text(Name(c.stem, "Edit")), QLatin1String(c.shown));
        for (const char* suffix : {"Edit", "NegativeCheck", "SetButton"}) {
            EXPECT_TRUE(p.ui->Enabled(Name(c.stem, suffix))) << suffix;
        }
        p.Forget();
        if (c.typed != nullptr) {
            p.ui->SetText(Name(c.stem, "Edit"), QLatin1String(c.typed));
        }
        p.page->findChild<QAbstractButton*>(Name(c.stem, "NegativeCheck"))
            ->setChecked(c.negativeForSet);
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
        EXPECT_EQ(p.ui->Text(QStringLiteral("offsetEdit")), QStringLiteral("0"));
        EXPECT_FALSE(p.ui->Enabled(QStringLiteral("offsetSetButton")));
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
            EXPECT_EQ(p.ui->Checked(QLatin1String(radio)),
                      c.strobeChecked != nullptr && QByteArray(radio) == c.strobeChecked)
                << radio << " for " << int(static_cast<unsigned char>(c.byte));
            EXPECT_TRUE(p.ui->Enabled(QLatin1String(radio)));
        }
        EXPECT_EQ(p.ui->Index(QStringLiteral("gapDetectCombo")), c.gapDetect);
        EXPECT_TRUE(p.ui->Enabled(QStringLiteral("gapDetectCombo")));
        EXPECT_EQ(p.rig.messages.Texts(),
                  (QStringList{QStringLiteral("Getting strobe is successful"),
                               QStringLiteral("Getting gap detect position is successful")}));
    }

    Page p;
    p.rig.link.Answer("^MBR4,1", "\x40");
    p.Click("strobe", "GetButton");
    p.Click("gapDetect", "GetButton");
    p.Forget();
    p.ui->Click(QStringLiteral("strobe4Radio"));
    p.Click("strobe", "SetButton");
    p.ui->Choose(QStringLiteral("gapDetectCombo"), 1);
    p.Click("gapDetect", "SetButton");
    p.ui->Choose(QStringLiteral("gapDetectCombo"), -1);
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
    EXPECT_FALSE(p.ui->Checked(QStringLiteral("strobe4Radio")));
    EXPECT_EQ(p.ui->Index(QStringLiteral("gapDetectCombo")), -1);
    EXPECT_TRUE(p.ui->Enabled(QStringLiteral("strobeSetButton")));
    EXPECT_FALSE(p.ui->Enabled(QStringLiteral("speedSetButton")));

    // No strobe checked is sent as "2".
    p.Forget();
    p.Click("strobe", "SetButton");
    EXPECT_EQ(p.rig.link.writes.front(), QByteArray("^MBS4,\0\r", 8));
}

TEST(PrintAndPagePage, CheckLabelLengthAndInitializeNeedNoGet) {
    Page p;
    p.Click("checkLabel", "SetButton");
    p.ui->Click(QStringLiteral("checkLabelEnableRadio"));
    p.Click("checkLabel", "SetButton");
    EXPECT_EQ(p.rig.link.writes, (std::vector<QByteArray>{"^MBL0", "^MBL1"}));
    EXPECT_TRUE(p.rig.messages.entries.empty());

    p.Forget();
    p.ui->Click(QStringLiteral("initializeButton"));
    EXPECT_EQ(p.rig.link.writes, std::vector<QByteArray>{QByteArray("^MBU\x0F,99\r")});
    EXPECT_EQ(p.rig.messages.Texts(),
              QStringList{QStringLiteral("Initialize all user setting data is successful")});

    p.Forget();
    p.rig.link.acceptPerWrite = 0;
    p.ui->Click(QStringLiteral("initializeButton"));
    EXPECT_EQ(p.rig.messages.Texts(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("Initialize all user setting data is failed")}));
}

TEST(PrintAndPagePage, NumberFieldsTakeDigitsOnly) {
    Page p;
    p.rig.link.QueueReply("5\r\n");
    p.Click("gapLength", "GetButton");
    auto* edit = p.ui->Find<QLineEdit>(QStringLiteral("gapLengthEdit"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("-1a2 3+"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
}

}  // namespace
