#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "rfid/RfidConfigForm.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

using TagType = sim::RfidState::TagType;

struct Shown {
    int tagType;
    int powerPosition;
    QString position;
    int retries;
    int labels;
    QString valid;
    QString voided;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.tagType << ' ' << s.powerPosition << " '" << s.position.toStdString() << "' "
         << s.retries << ' ' << s.labels << " '" << s.valid.toStdString() << "' '"
         << s.voided.toStdString() << "'";
}

Shown ShownBy(const RfidConfigForm& form) {
    return {Find<QComboBox>(form, "tagTypeList")->currentIndex(),
            Find<QComboBox>(form, "writingPowerList")->currentIndex(),
            Find<QLineEdit>(form, "transponderPositionEdit")->text(),
            Find<QComboBox>(form, "retriesList")->currentIndex(),
            Find<QComboBox>(form, "labelsList")->currentIndex(),
            Find<QLineEdit>(form, "validEdit")->text(),
            Find<QLineEdit>(form, "voidEdit")->text()};
}

// What a form shows after a Get of the simulator's encoder.
Shown ShownFor(const sim::RfidState& rfid) {
    return {rfid.tagType == TagType::Gen2 ? 0 : 1,
            rfid.power - 1,
            QString::fromStdString(rfid.transponderPosition),
            rfid.retries,
            rfid.labels,
            QString::number(rfid.valid),
            QString::number(rfid.voided)};
}

// Get, which the encoder answers in full.
void Get(SimRig& rig, RfidConfigForm& form) {
    rig.messages.Clear();
    Click(form, "getButton");
    EXPECT_EQ(rig.messages.Informations(), Texts({"Get RFID setting is successful"}));
    EXPECT_TRUE(rig.messages.Warnings().isEmpty());
}

class RfidConfigEndToEnd : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(RfidConfigEndToEnd, SettingsSentComeBackOnTheNextOpening) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    {
        RfidConfigForm form(rig.Context());
        form.show();
        Get(rig, form);
        EXPECT_EQ(ShownBy(form), ShownFor(rig.printer.Snapshot().rfid));
        Choose(Find<QComboBox>(form, "tagTypeList"), 1);
        Choose(Find<QComboBox>(form, "writingPowerList"), 24);
        Type(Find<QLineEdit>(form, "transponderPositionEdit"), QStringLiteral("750"));
        Choose(Find<QComboBox>(form, "retriesList"), 7);
        Choose(Find<QComboBox>(form, "labelsList"), 4);
        rig.messages.Clear();
        Click(form, "setButton");
        EXPECT_EQ(rig.messages.Informations(), Texts({"Set RFID setting is successful"}));
    }
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.rfid.tagType == TagType::IsoB && state.rfid.power == 25 &&
               state.rfid.transponderPosition == "750" && state.rfid.retries == 7 &&
               state.rfid.labels == 4;
    }));
    RfidConfigForm again(rig.Context());
    again.show();
    Get(rig, again);
    EXPECT_EQ(ShownBy(again), (Shown{1, 24, QStringLiteral("750"), 7, 4, QStringLiteral("0"),
                                     QStringLiteral("0")}));
}

TEST_P(RfidConfigEndToEnd, ResetClearsTheEncodersCountersAndCalibrationStarts) {
    SimRig rig(GetParam());
    rig.printer.Edit([](sim::PrinterState& state) {
        state.rfid.valid = 1234;
        state.rfid.voided = 56;
    });
    ASSERT_TRUE(rig.Connect());
    RfidConfigForm form(rig.Context());
    form.show();
    Get(rig, form);
    EXPECT_EQ(ShownBy(form).valid, QStringLiteral("1234"));
    EXPECT_EQ(ShownBy(form).voided, QStringLiteral("56"));
    Click(form, "resetButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.rfid.valid == 0 && state.rfid.voided == 0;
    }));
    Click(form, "autoCalibrationButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) { return state.rfid.calibrated; }));
    Get(rig, form);
    EXPECT_EQ(ShownBy(form), ShownFor(rig.printer.Snapshot().rfid));
    EXPECT_EQ(ShownBy(form).valid, QStringLiteral("0"));
    EXPECT_EQ(ShownBy(form).voided, QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Transports, RfidConfigEndToEnd, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
