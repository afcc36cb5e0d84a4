#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include "tester/CommandBuilder.h"
#include "tester/TorqCommand.h"

// Composes the print settings: speed (SS), density (SD) and direction (SOT, SOB), each only when
// its "Apply" is checked. Its "Test Print" prints a fixed label that states the applied settings
// and applies them, each command right after its line of text.
class PrintingSettingBuilder : public CommandBuilder {
public:
    static constexpr int kSpeeds = 5;
    static constexpr int kHighestDensity = 20;

    // "2.5 ips" .. "6.0 ips": the speed as the test label writes it (SS writes its index).
    static QByteArrayView SpeedText(int speed);

    QList<QByteArray> Lines() const override;
    QByteArray TestPrintBytes() const override;

    int speed = 3;  // "5.0 ips"
    bool applySpeed = true;
    int density = kHighestDensity;
    bool applyDensity = true;
    torq::Direction direction = torq::Direction::Top;
    bool applyDirection = true;
};
