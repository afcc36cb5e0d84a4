#include "tester/UnitConversion.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMmPerInch = 25.4F;
constexpr float kInchPerMm = 0.03937008F;
constexpr float kMmPerDot = 0.125F;
constexpr float kDotsPerMm = 8.0F;

double Factor(UnitConversion::Unit from, UnitConversion::Unit to) {
    using Unit = UnitConversion::Unit;
    if (from == to) {
        return 1.0;
    }
    switch (from) {
        case Unit::Inch:
            return to == Unit::Mm ? double(kMmPerInch) : double(kMmPerInch) * double(kDotsPerMm);
        case Unit::Mm:
            return to == Unit::Inch ? double(kInchPerMm) : double(kDotsPerMm);
        case Unit::Dots:
            return to == Unit::Mm ? double(kMmPerDot) : double(kMmPerDot) * double(kInchPerMm);
    }
    return 1.0;
}

}  // namespace

float UnitConversion::Convert(float value, Unit from, Unit to) {
    return static_cast<float>(double(value) * Factor(from, to));
}

qint64 UnitConversion::ToDots(float value, Unit unit) {
    // Far beyond any label, but a huge typed value must not overflow the conversion.
    constexpr double kLimit = 1e15;
    const double dots = std::trunc(double(value) * Factor(unit, Unit::Dots));
    return static_cast<qint64>(std::isnan(dots) ? 0.0 : std::clamp(dots, -kLimit, kLimit));
}

QString UnitConversion::Show(float value) {
    // +0.0F keeps a negative zero from showing as "-0".
    return QString::number(double(value + 0.0F), 'g', 6);
}

QString UnitConversion::Name(Unit unit) {
    switch (unit) {
        case Unit::Inch:
            return tr("inch");
        case Unit::Mm:
            return tr("mm");
        case Unit::Dots:
            return tr("dots");
    }
    return {};
}
