#include <QAbstractButton>
#include <cmath>

#include "calibration/CalibrationExtraDialog.h"
#include "calibration/ManualCalibration.h"
#include "calibration/SensingCalibrationPage.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

// A distribution as gap labels give it: a broad label cluster low and a smaller gap cluster
// high, with a few stray readings on the way.
QByteArray GapLabels() {
    QByteArray reply(64, '\0');
    auto add = [&](double centre, double spread, double samples) {
        for (int i = 0; i < 32; ++i) {
            const double z = (i - centre) / spread;
            const int count = static_cast<int>(samples * std::exp(-z * z / 2));
            const int before = static_cast<unsigned char>(reply[2 * i]) |
                               (static_cast<unsigned char>(reply[2 * i + 1]) << 8);
            const int total = before + count;
            reply[2 * i] = static_cast<char>(total & 0xFF);
            reply[2 * i + 1] = static_cast<char>(total >> 8);
        }
    };
    add(6.2, 1.1, 1050);
    add(23.4, 0.9, 240);
    add(14, 6, 4);
    return reply;
}

TAGWELL_SCENE("calibration_manual", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto window = std::make_unique<ManualCalibration>(rig.Context());
    rig.link.QueueReply(GapLabels());
    if (auto* sense = window->findChild<QAbstractButton*>(QStringLiteral("checkSensingButton"))) {
        sense->click();
    }
    rig.messages.Clear();
    return window;
});

TAGWELL_SCENE("calibration_extra", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return std::make_unique<CalibrationExtraDialog>(
        rig.Context(),
        CalibrationExtraDialog::Marks{.leftMark = 10,
                                      .rightMark = 12,
                                      .leftCount = 812,
                                      .rightCount = 164,
                                      .sensingType = SettingsProtocol::SensingType::Gap,
                                      .gapCount = 7});
});

}  // namespace
