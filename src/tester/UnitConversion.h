#pragma once

#include <QCoreApplication>
#include <QString>

// Inches, millimetres and printer dots (8 dots per millimetre). Values are single-precision, as
// the forms keep them, and the factors are the single-precision constants 25.4, 0.03937008,
// 0.125 and 8; a product is formed in double precision and then stored as single precision.
class UnitConversion {
    Q_DECLARE_TR_FUNCTIONS(UnitConversion)
public:
    enum class Unit { Inch = 0, Mm = 1, Dots = 2 };

    static float Convert(float value, Unit from, Unit to);
    // Whole dots of a value for a command: the double-precision product truncated toward zero.
    static qint64 ToDots(float value, Unit unit);
    // At most six significant digits, no trailing zeros: 25.4, 203.2, 0.492126, 1016.
    static QString Show(float value);
    // "inch", "mm" or "dots".
    static QString Name(Unit unit);
};
