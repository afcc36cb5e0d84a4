#pragma once

#include "tester/LineBuilder.h"
#include "tester/TorqCommand.h"

// Composes one BD command (a line or a box). Its fields are what the form shows; they start at
// the first-opening values and keep those of the last "Insert to label" for the rest of the
// builder cycle.
class BlockDrawBuilder : public LineBuilder {
public:
    // What choosing a kind puts into the extra number and the end Y.
    struct KindValues {
        int extra;
        double endY;
    };

    QByteArray Line() const override { return torq::BlockDrawLine(fields); }

    // Only the kinds S and B write the extra number.
    static bool HasExtra(char kind) { return kind == 'S' || kind == 'B'; }
    static KindValues ValuesFor(char kind) {
        return kind == 'S' ? KindValues{10, 300} : KindValues{20, 120};
    }

    torq::BlockDraw fields = {
        .startX = 100, .startY = 100, .endX = 800, .endY = 120, .kind = 'O', .extra = 20};
};
