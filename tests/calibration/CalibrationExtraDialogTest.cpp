#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calibration/CalibrationExtraDialog.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using Sensing = SettingsProtocol::SensingType;

QStringList Labels(const QWidget& dialog) {
    QStringList labels;
    for (int j = 0; j < 8; ++j) {
        labels << Find<QRadioButton>(dialog, QStringLiteral("detail%1Button").arg(j))->text();
    }
    return labels;
}

struct ExtraCase {
    const char* name;
    Sensing type;
    int leftMark;
    int rightMark;
    QStringList labels;
    int startValue;
};

class ExtraStart : public testing::TestWithParam<ExtraCase> {};

TEST_P(ExtraStart, LabelsTheCandidatesAndTakesTheFifth) {
    const ExtraCase& c = GetParam();
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    CalibrationExtraDialog dialog(rig.Context(), {.leftMark = c.leftMark,
                                                  .rightMark = c.rightMark,
                                                  .leftCount = 900,
                                                  .rightCount = 45,
                                                  .sensingType = c.type,
                                                  .gapCount = 7});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calibration Extra"));
    EXPECT_EQ(Labels(dialog), c.labels);
    EXPECT_EQ(Find<QLineEdit>(dialog, "middleGapValueEdit")->text(), QString::number(c.startValue));
    EXPECT_TRUE(Find<QRadioButton>(dialog, "detail4Button")->isChecked());
    EXPECT_EQ(Find<QLabel>(dialog, "leftMarkLabel")->accessibleName(),
              QString::asprintf("%03d : 900", 8 * c.leftMark + 8));
    EXPECT_EQ(Find<QLabel>(dialog, "rightMarkLabel")->accessibleName(),
              QString::asprintf("%03d : 045", 8 * c.rightMark + 8));
    // OK hands back the value shown.
    Click(dialog, "okButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), c.startValue);
    EXPECT_TRUE(rig.link.writes.empty());
}

QStringList Candidates(std::initializer_list<int> values) {
    QStringList labels;
    for (const int value : values) {
        labels << QString::asprintf("%03d :", value);
    }
    return labels;
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ExtraStart,
    testing::Values(ExtraCase{"GapOneApart", Sensing::Gap, 10, 11,
                              Candidates({85, 84, 83, 82, 81, 80, 79, 78}), 81},
                    ExtraCase{"BlackMarkTwoApart", Sensing::BlackMark, 10, 12,
                              Candidates({82, 83, 84, 85, 86, 87, 88, 89}), 86},
                    ExtraCase{"GapThreeApart", Sensing::Gap, 10, 13,
                              Candidates({92, 91, 90, 89, 88, 87, 86, 85}), 88},
                    ExtraCase{"SameBucket", Sensing::Gap, 12, 12, QStringList(8, QString()), 0}),
    [](const testing::TestParamInfo<ExtraCase>& test) { return test.param.name; });

TEST(CalibrationExtra, SavesOncePerOpening) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    CalibrationExtraDialog dialog(
        rig.Context(),
        {.leftMark = 10, .rightMark = 11, .sensingType = Sensing::Gap, .gapCount = 9});
    Click(dialog, "detail1Button");
    EXPECT_EQ(dialog.MiddleGapValue(), 84);
    Click(dialog, "saveCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXs,84,9\r"));
    Click(dialog, "detail6Button");
    Click(dialog, "saveCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXs,84,9\r"));
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Select the Sensening Level.")});
}

TEST(CalibrationExtra, SavesWhatIsTypedAndHandsBackTheValueNotTheGapCount) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    CalibrationExtraDialog dialog(
        rig.Context(),
        {.leftMark = 10, .rightMark = 12, .sensingType = Sensing::BlackMark, .gapCount = 7});
    auto* middle = Find<QLineEdit>(dialog, "middleGapValueEdit");
    middle->clear();
    Type(middle, QStringLiteral("90"));
    auto* gaps = Find<QLineEdit>(dialog, "gapCountEdit");
    gaps->clear();
    Type(gaps, QStringLiteral("5"));
    Click(dialog, "saveCalibrationButton");
    EXPECT_EQ(rig.link.Written(), QByteArray("^MXs,90,5\r"));
    // An emptied field warns and keeps its value; OK still closes.
    middle->clear();
    Click(dialog, "okButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Please enter an integer.")});
    EXPECT_EQ(dialog.Result(), 90);
}

}  // namespace
