#pragma once

#include "tester/LineBuilder.h"
#include "tester/TorqCommand.h"

// Composes one V command (text in the scalable vector font). Its fields keep the values of the
// last "Insert to label" for the rest of the builder cycle.
class VectorTextBuilder : public LineBuilder {
public:
    QByteArray Line() const override { return torq::VectorTextLine(fields); }

    torq::VectorText fields = {.x = 20, .y = 20, .data = "KORVALE Label Printer"};
};
