#include "tester/LineBuilder.h"

const QStringList& LineBuilder::Rotations() {
    static const QStringList rotations = {QStringLiteral("0"), QStringLiteral("90"),
                                          QStringLiteral("180"), QStringLiteral("270")};
    return rotations;
}
