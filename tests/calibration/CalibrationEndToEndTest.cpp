#include <gtest/gtest.h>

#include <QLineEdit>

#include "calibration/SensingCalibrationPage.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

// Labels 40 mm long, so that 50 mm of media (400 dots, a pause of 1.6 s on a serial line) pass a
// gap or mark wherever the sensing starts.
void LoadShortLabels(SimRig& rig, sim::MediaState::Kind kind) {
    rig.printer.Edit([kind](sim::PrinterState& state) {
        state.media.kind = kind;
        state.media.labelLength = 320;
    });
}

void SenseFiftyMillimetres(SensingCalibrationPage& page) {
    auto* length = Find<QLineEdit>(page, "labelLengthEdit");
    length->clear();
    Type(length, QStringLiteral("50"));
    Click(page, "checkSensingButton");
}

TEST(CalibrationEndToEnd, GapMediaGetsAThresholdBetweenItsClustersAndSaveStoresIt) {
    SimRig rig(SimRig::Transport::Pty);
    LoadShortLabels(rig, sim::MediaState::Kind::Gap);
    ASSERT_TRUE(rig.Connect());
    SensingCalibrationPage page(rig.Context());
    SenseFiftyMillimetres(page);
    ASSERT_TRUE(rig.messages.entries.empty()) << rig.messages.Texts().join(u'|').toStdString();

    // The proposed threshold lies between the readings over the label and over the gap.
    const sim::MediaState media = rig.printer.Snapshot().media;
    EXPECT_GT(page.MiddleGapValue(), media.labelLevel + media.noise);
    EXPECT_LT(page.MiddleGapValue(), media.gapLevel - media.noise);
    EXPECT_TRUE(rig.formsRun.isEmpty());

    const int value = page.MiddleGapValue();
    Click(page, "saveCalibrationButton");
    EXPECT_TRUE(rig.WaitFor([&](const sim::PrinterState& state) {
        return state.media.calibration && state.media.calibration->middleValue == value &&
               state.media.calibration->gapCount == 7;
    }));

    Click(page, "cancelCalibrationButton");
    EXPECT_TRUE(rig.WaitFor(
        [](const sim::PrinterState& state) { return !state.media.calibration.has_value(); }));
}

TEST(CalibrationEndToEnd, BlackMarkMediaGetsAThresholdBetweenItsClusters) {
    SimRig rig(SimRig::Transport::Pty);
    LoadShortLabels(rig, sim::MediaState::Kind::Mark);
    ASSERT_TRUE(rig.Connect());
    SensingCalibrationPage page(rig.Context());
    Click(page, "markTypeButton");
    SenseFiftyMillimetres(page);
    ASSERT_TRUE(rig.messages.entries.empty()) << rig.messages.Texts().join(u'|').toStdString();
    // The mark sensor reads the other way round: the mark low, the label high.
    const sim::MediaState media = rig.printer.Snapshot().media;
    EXPECT_GT(page.MiddleGapValue(), 255 - media.gapLevel + media.noise);
    EXPECT_LT(page.MiddleGapValue(), 255 - media.labelLevel - media.noise);
}

// A printer that never answers: Sense ends with its warning once the reply's read and the one
// discarding read have run out. Each read is at most three requests, each bounded by the link's
// read time-out (serial: the time-out record's constant plus 1 ms a byte, 3 s by default; TCP:
// 3 s without a byte), so the bound is the feed pause plus 2 x 3 x (time-out + 10 ms). The serial
// case shortens its time-outs to keep the test quick; the bound's shape is the same.
class SilentCalibration : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(SilentCalibration, SenseEndsWithItsFailureMessage) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    rig.server.SetMisbehaviour({.silent = true});
    rig.port.SetTimeouts({.readInterval = 0,
                          .readTotalPerByte = 1,
                          .readTotalConstant = 200,
                          .writeTotalPerByte = 1,
                          .writeTotalConstant = 200});
    SensingCalibrationPage page(rig.Context());
    auto* length = Find<QLineEdit>(page, "labelLengthEdit");
    length->clear();
    Type(length, QStringLiteral("5"));
    Click(page, "checkSensingButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Sensing Data Read Fail!")});
    EXPECT_EQ(page.SelectedLevel(), -1);
}

INSTANTIATE_TEST_SUITE_P(Transports, SilentCalibration, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
