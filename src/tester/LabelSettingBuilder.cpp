#include "tester/LabelSettingBuilder.h"

QList<QByteArray> LabelSettingBuilder::Lines() const {
    QList<QByteArray> lines;
    if (widthOn) {
        lines << torq::LabelWidth(UnitConversion::ToDots(width, unit));
    }
    if (lengthOn) {
        lines << torq::LabelLength(UnitConversion::ToDots(length, unit), media);
    }
    if (marginOn) {
        lines << torq::Margins(UnitConversion::ToDots(marginX, unit),
                               UnitConversion::ToDots(marginY, unit));
    }
    return lines;
}

void LabelSettingBuilder::ChangeUnit(UnitConversion::Unit to) {
    for (float* size : {&width, &length, &marginX, &marginY}) {
        *size = UnitConversion::Convert(*size, unit, to);
    }
    unit = to;
}
