#pragma once

#include "tester/LineBuilder.h"
#include "tester/TorqCommand.h"

// Composes one T command (text in a bitmap font). Its fields are what the form shows; they
// start at the first-opening defaults and keep the values of the last "Insert to label" for the
// rest of the builder cycle.
class BitmapTextBuilder : public LineBuilder {
public:
    QByteArray Line() const override { return torq::BitmapTextLine(fields); }

    torq::BitmapText fields = {.x = 20, .y = 20, .data = "KORVALE Label Printer"};
};
