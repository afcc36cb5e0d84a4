#pragma once

#include "tester/CommandBuilder.h"
#include "tester/TorqCommand.h"

// Composes a print command with two numbers. Unlike the other builders it keeps nothing between
// openings: every opening of its form starts again from 1 and 1.
class PrintingCopiesBuilder : public CommandBuilder {
public:
    void BeginOpening(Opening) override {
        first = 1;
        second = 1;
    }
    QList<QByteArray> Lines() const override { return {torq::Print(first, second)}; }

    int first = 1;
    int second = 1;
};
