#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <utility>

#include "calibration/CalibrationExtraDialog.h"
#include "calibration/ManualCalibration.h"
#include "calibration/SensingCalibrationPage.h"
#include "calibration/SensingChart.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

QByteArray Reply(std::initializer_list<std::pair<int, int>> buckets) {
    QByteArray bytes(64, '\0');
    for (const auto& [bucket, count] : buckets) {
        bytes[2 * bucket] = static_cast<char>(count & 0xFF);
        bytes[2 * bucket + 1] = static_cast<char>(count >> 8);
    }
    return bytes;
}

// Label and gap clusters far apart: marks 6 and 24, level 19 (G) or 10 (B).
const QByteArray kTwoClusters = Reply({{3, 50},
                                       {4, 200},
                                       {5, 600},
                                       {6, 900},
                                       {7, 400},
                                       {8, 50},
                                       {22, 60},
                                       {23, 150},
                                       {24, 300},
                                       {25, 80},
                                       {26, 10}});

QRadioButton* Level(const QWidget& page, int bucket) {
    return Find<QRadioButton>(page, QStringLiteral("level%1Button").arg(bucket));
}
QLabel* CountLabel(const QWidget& page, int bucket) {
    return Find<QLabel>(page, QStringLiteral("count%1Label").arg(bucket));
}
QStringList CountTexts(const QWidget& page) {
    QStringList texts;
    for (int i = 0; i < 32; ++i) {
        texts << CountLabel(page, i)->text();
    }
    return texts;
}
std::vector<int> EnabledLevels(const QWidget& page) {
    std::vector<int> enabled;
    for (int i = 0; i < 32; ++i) {
        if (Level(page, i)->isEnabled()) {
            enabled.push_back(i);
        }
    }
    return enabled;
}
std::vector<int> Range(int first, int last) {
    std::vector<int> levels;
    for (int i = first; i <= last; ++i) {
        levels.push_back(i);
    }
    return levels;
}
bool Saving(const QWidget& page) {
    return Find<QPushButton>(page, "saveCalibrationButton")->isEnabled() &&
           Find<QLineEdit>(page, "middleGapValueEdit")->isEnabled() &&
           Find<QComboBox>(page, "gapCountList")->isEnabled();
}

class CalibrationPage : public testing::Test {
protected:
    void Open(const QString& portName = QStringLiteral("COM1:")) {
        rig.ConnectAndClear(portName);
        page = std::make_unique<SensingCalibrationPage>(rig.Context());
    }
    void Sense(const QByteArray& reply, bool markSensing = false) {
        rig.link.QueueReply(reply);
        if (markSensing) {
            Click(*page, "markTypeButton");
        }
        Click(*page, "checkSensingButton");
    }

    TestRig rig;
    std::unique_ptr<SensingCalibrationPage> page;
};

struct SenseCase {
    const char* name;
    QString port;
    const char* length;
    bool markSensing;
    QByteArray request;
    int pauseMs;
};

class SenseRequests : public testing::TestWithParam<SenseCase> {};

TEST_P(SenseRequests, AskForTheLabelLengthInDotsAndWaitWhileThePrinterFeeds) {
    const SenseCase& c = GetParam();
    TestRig rig;
    rig.ConnectAndClear(c.port);
    SensingCalibrationPage page(rig.Context());
    auto* length = Find<QLineEdit>(page, "labelLengthEdit");
    length->clear();
    Type(length, QString::fromLatin1(c.length));
    if (c.markSensing) {
        Click(page, "markTypeButton");
    }
    rig.link.QueueReply(kTwoClusters);
    Click(page, "checkSensingButton");
    ASSERT_FALSE(rig.link.writes.empty());
    EXPECT_EQ(rig.link.writes.front(), c.request);
    EXPECT_NE(std::find(rig.pacer.pauses.begin(), rig.pacer.pauses.end(), c.pauseMs),
              rig.pacer.pauses.end());
    EXPECT_TRUE(rig.messages.entries.empty()) << rig.messages.Texts().join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Links, SenseRequests,
    testing::Values(
        SenseCase{"Serial", QStringLiteral("COM1:"), "150", false, "^MXd,1200,G\r", 4800},
        SenseCase{"Parallel", QStringLiteral("LPT1:"), "150", false, "^MXd,1200,G\r", 7200},
        SenseCase{"Usb", QStringLiteral("USB"), "150", false, "^MXd,1200,G\r", 7200},
        SenseCase{"SerialBlackMark", QStringLiteral("COM1:"), "40", true, "^MXd,320,B\r", 1280}),
    [](const testing::TestParamInfo<SenseCase>& test) { return test.param.name; });

TEST_F(CalibrationPage, StartsIdleWithTheGapTypeAndSevenGaps) {
    Open();
    EXPECT_EQ(Find<QLineEdit>(*page, "labelLengthEdit")->text(), QStringLiteral("150"));
    EXPECT_TRUE(Find<QRadioButton>(*page, "gapTypeButton")->isChecked());
    EXPECT_EQ(Find<QComboBox>(*page, "gapCountList")->currentText(), QStringLiteral("7"));
    EXPECT_EQ(CountTexts(*page), QStringList(32, QStringLiteral("0000")));
    EXPECT_TRUE(EnabledLevels(*page).empty());
    EXPECT_FALSE(Saving(*page));
    EXPECT_EQ(Level(*page, 0)->text(), QStringLiteral("008 :"));
    EXPECT_EQ(Level(*page, 31)->text(), QStringLiteral("256 :"));
}

TEST_F(CalibrationPage, AnalysedReplyShowsCountsMarksAndTheProposedLevel) {
    Open();
    Sense(kTwoClusters);
    EXPECT_EQ(CountLabel(*page, 6)->text(), QStringLiteral("0900"));
    EXPECT_EQ(CountLabel(*page, 24)->text(), QStringLiteral("0300"));
    EXPECT_EQ(CountLabel(*page, 0)->text(), QStringLiteral("0000"));
    EXPECT_EQ(EnabledLevels(*page), Range(15, 23));
    EXPECT_TRUE(Level(*page, 19)->isChecked());
    EXPECT_EQ(Find<QLineEdit>(*page, "middleGapValueEdit")->text(), QStringLiteral("160"));
    EXPECT_TRUE(Saving(*page));
    // The two marks cyan on navy, every other count grey.
    for (int i = 0; i < 32; ++i) {
        const QPalette colours = CountLabel(*page, i)->palette();
        const bool mark = i == 6 || i == 24;
        EXPECT_EQ(colours.color(QPalette::WindowText),
                  mark ? QColor(0, 255, 255) : QColor(128, 128, 128))
            << i;
        EXPECT_EQ(CountLabel(*page, i)->autoFillBackground(), mark) << i;
        if (mark) {
            EXPECT_EQ(colours.color(QPalette::Window), QColor(0, 0, 128));
        }
    }
    EXPECT_TRUE(rig.formsRun.isEmpty());
}

TEST_F(CalibrationPage, BlackMarkSensingProposesFromTheMarksSide) {
    Open();
    Sense(kTwoClusters, true);
    EXPECT_EQ(EnabledLevels(*page), Range(7, 15));
    EXPECT_TRUE(Level(*page, 10)->isChecked());
    EXPECT_EQ(page->MiddleGapValue(), 88);
    // Choosing "120 :" makes 120 the value.
    Click(Level(*page, 14));
    EXPECT_EQ(Find<QLineEdit>(*page, "middleGapValueEdit")->text(), QStringLiteral("120"));
}

TEST_F(CalibrationPage, ShortReplyWarnsKeepsTheOldCountsAndLeavesNoLevel) {
    Open();
    Sense(kTwoClusters);
    const QStringList before = CountTexts(*page);
    rig.link.ClearRecord();
    rig.messages.Clear();
    Sense(kTwoClusters.left(63));
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Sensing Data Read Fail!")});
    EXPECT_EQ(CountTexts(*page), before);
    EXPECT_TRUE(EnabledLevels(*page).empty());
    EXPECT_EQ(page->SelectedLevel(), -1);
    // Saving stays enabled from the earlier analysis, but there is no level to save.
    EXPECT_TRUE(Saving(*page));
    rig.link.ClearRecord();
    Click(*page, "saveCalibrationButton");
    EXPECT_EQ(rig.messages.Warnings().last(), QStringLiteral("Select the Sensening Level."));
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(CalibrationPage, SaveSendsTheValueAndGapCountThenResets) {
    Open();
    Sense(kTwoClusters);
    rig.link.ClearRecord();
    Choose(Find<QComboBox>(*page, "gapCountList"), 6);
    Click(*page, "saveCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXs,160,10\r"));
    EXPECT_TRUE(rig.messages.entries.empty());
    EXPECT_EQ(CountTexts(*page), QStringList(32, QStringLiteral("0000")));
    EXPECT_TRUE(EnabledLevels(*page).empty());
    EXPECT_EQ(page->SelectedLevel(), -1);
    EXPECT_FALSE(Level(*page, 19)->isChecked());
    EXPECT_FALSE(Saving(*page));
    EXPECT_EQ(CountLabel(*page, 6)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

TEST_F(CalibrationPage, SaveSendsATypedValue) {
    Open();
    Sense(kTwoClusters);
    rig.link.ClearRecord();
    auto* middle = Find<QLineEdit>(*page, "middleGapValueEdit");
    middle->clear();
    Type(middle, QStringLiteral("150"));
    Click(*page, "saveCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXs,150,7\r"));
}

TEST_F(CalibrationPage, CancelSendsTheCancelRequestAndResets) {
    Open();
    Sense(kTwoClusters);
    rig.link.ClearRecord();
    Click(*page, "cancelCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXc\r"));
    EXPECT_TRUE(rig.messages.entries.empty());
    EXPECT_EQ(CountTexts(*page), QStringList(32, QStringLiteral("0000")));
    EXPECT_FALSE(Saving(*page));
}

TEST_F(CalibrationPage, ALabelLengthThatIsNoNumberWarnsAndTheOldOneIsUsed) {
    Open();
    Find<QLineEdit>(*page, "labelLengthEdit")->clear();
    Sense(kTwoClusters);
    EXPECT_EQ(rig.messages.Warnings().first(), QStringLiteral("Please enter an integer."));
    EXPECT_EQ(rig.link.writes.front(), QByteArray("^MXd,1200,G\r"));
    EXPECT_EQ(Find<QLineEdit>(*page, "labelLengthEdit")->text(), QStringLiteral("150"));
}

TEST_F(CalibrationPage, BlackMarkWithNothingAboveTheLowestBucketProposesNothing) {
    Open();
    Sense(Reply({{0, 1200}}), true);
    EXPECT_EQ(page->SelectedLevel(), -1);
    EXPECT_TRUE(EnabledLevels(*page).empty());
    EXPECT_TRUE(rig.formsRun.isEmpty());
    rig.link.ClearRecord();
    Click(*page, "saveCalibrationButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Select the Sensening Level.")});
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(CalibrationPage, CloseMarksOpenCalibrationExtraAndItsValueIsTaken) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ToolContext context = rig.Context();
    std::optional<CalibrationExtraDialog::Marks> offered;
    context.run = [&](QDialog& form) {
        auto& extra = dynamic_cast<CalibrationExtraDialog&>(form);
        Click(extra, "detail0Button");
        Click(extra, "okButton");
        return static_cast<QDialog::DialogCode>(extra.result());
    };
    SensingCalibrationPage calibration(context);
    rig.link.QueueReply(Reply({{10, 20}, {11, 150}, {12, 400}, {13, 150}, {14, 20}}));
    Click(calibration, "checkSensingButton");
    // Gap marks 12 and 13, one apart: the first candidate is 8 * 13 - 3.
    EXPECT_EQ(calibration.MiddleGapValue(), 101);
    EXPECT_EQ(Find<QLineEdit>(calibration, "middleGapValueEdit")->text(), QStringLiteral("101"));
}

TEST_F(CalibrationPage, AllCountsZeroOpenCalibrationExtraWhoseCancelKeepsTheValue) {
    Open();
    Sense(QByteArray(64, '\0'));
    EXPECT_EQ(rig.formsRun, QStringList{QStringLiteral("Calibration Extra")});
    EXPECT_EQ(page->MiddleGapValue(), 256);
    EXPECT_TRUE(EnabledLevels(*page).empty());
    EXPECT_TRUE(Level(*page, 31)->isChecked());
}

TEST(CalibrationWindow, TheChartFollowsThePage) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ManualCalibration window(rig.Context());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Manual Calibration"));
    SensingChart* chart = window.Chart();
    EXPECT_FALSE(chart->ThresholdPosition());

    rig.link.QueueReply(kTwoClusters);
    Click(*window.Page(), "checkSensingButton");
    EXPECT_EQ(chart->BarValue(6), 900);
    EXPECT_EQ(chart->BarValue(24), 300);
    EXPECT_EQ(chart->BarValue(15), 0);
    EXPECT_TRUE(chart->MarkShown(6));
    EXPECT_TRUE(chart->MarkShown(24));
    EXPECT_FALSE(chart->MarkShown(5));
    EXPECT_EQ(chart->ThresholdPosition(), 19);

    Click(Level(*window.Page(), 22));
    EXPECT_EQ(chart->ThresholdPosition(), 22);

    Click(*window.Page(), "saveCalibrationButton");
    EXPECT_EQ(chart->BarValue(6), 0);
    EXPECT_FALSE(chart->MarkShown(6));
    EXPECT_FALSE(chart->ThresholdPosition());
}

// A printer that answers nothing, on every link the window is opened on: Sense ends with its
// warning (the bound of the real links is in CalibrationEndToEndTest).
TEST(SilentPrinter, EndsSenseWithItsWarningOnEveryLink) {
    for (const char* port : {"COM1:", "LPT1:", "USB"}) {
        TestRig rig;
        rig.ConnectAndClear(QString::fromLatin1(port));
        SensingCalibrationPage page(rig.Context());
        Click(page, "checkSensingButton");
        EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Sensing Data Read Fail!")})
            << port;
        EXPECT_EQ(page.SelectedLevel(), -1) << port;
    }
}

}  // namespace
