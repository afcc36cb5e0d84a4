#pragma once

#include <QByteArray>
#include <QList>

#include "tester/CommandBuilder.h"
#include "tester/TorqCommand.h"
#include "tester/UnitConversion.h"

// Composes the label geometry: width (SW), length with the media kind (SL) and margins (SM),
// each only when it is checked. The four sizes are held in the unit the form shows them in, as
// single-precision values; the commands always write whole dots.
class LabelSettingBuilder : public CommandBuilder {
public:
    QList<QByteArray> Lines() const override;
    // Converts the four sizes to `to` and holds them in it from now on.
    void ChangeUnit(UnitConversion::Unit to);

    UnitConversion::Unit unit = UnitConversion::Unit::Inch;
    torq::Media media = torq::Media::Gap;
    bool widthOn = true;
    float width = 4;
    bool lengthOn = true;
    float length = 6;
    bool marginOn = true;
    float marginX = 0.2F;
    float marginY = 0.2F;
};
