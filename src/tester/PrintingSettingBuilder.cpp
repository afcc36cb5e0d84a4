#include "tester/PrintingSettingBuilder.h"

#include <array>

namespace {

// A line of the test label: text in font 3 at the left edge of the block of text.
QByteArray LabelText(double y, QByteArrayView text) {
    return torq::BitmapTextLine({.x = 100, .y = y, .font = '3', .data = text.toByteArray()});
}

const QByteArray kRule(29, '=');

}  // namespace

QByteArrayView PrintingSettingBuilder::SpeedText(int speed) {
    static constexpr std::array<const char*, kSpeeds> kTexts = {"2.5 ips", "3.0 ips", "4.0 ips",
                                                                "5.0 ips", "6.0 ips"};
    return speed >= 0 && speed < kSpeeds ? QByteArrayView(kTexts[std::size_t(speed)])
                                         : QByteArrayView();
}

QList<QByteArray> PrintingSettingBuilder::Lines() const {
    QList<QByteArray> lines;
    if (applySpeed) {
        lines << torq::PrintSpeed(speed);
    }
    if (applyDensity) {
        lines << torq::PrintDensity(density);
    }
    if (applyDirection) {
        lines << torq::PrintDirection(direction);
    }
    return lines;
}

QByteArray PrintingSettingBuilder::TestPrintBytes() const {
    // The heads are padded so that the colons stand one under the other on the label.
    QList<QByteArray> lines = {LabelText(100, "Printer Setting Test"), LabelText(150, kRule)};
    if (applySpeed) {
        lines << LabelText(200, "Printing Speed     : " + SpeedText(speed).toByteArray())
              << torq::PrintSpeed(speed);
    }
    if (applyDensity) {
        lines << LabelText(250, "Density(0~20)      : " + QByteArray::number(density))
              << torq::PrintDensity(density);
    }
    if (applyDirection) {
        lines << LabelText(300, "Printing Direction : " + torq::PrintDirection(direction))
              << torq::PrintDirection(direction);
    }
    lines << LabelText(350, kRule)
          << torq::BlockDrawLine(
                 {.startX = 150, .startY = 500, .endX = 495, .endY = 750, .kind = 'B', .extra = 15})
          << torq::BlockDrawLine(
                 {.startX = 200, .startY = 550, .endX = 300, .endY = 700, .kind = 'S', .extra = 30})
          << torq::BlockDrawLine(
                 {.startX = 430, .startY = 550, .endX = 330, .endY = 700, .kind = 'S', .extra = 30})
          << QByteArray() << torq::Print(1);
    return torq::JoinLines(lines, "\r");
}
