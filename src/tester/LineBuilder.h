#pragma once

#include "tester/CommandBuilder.h"
#include "tester/TorqCommand.h"

// A builder that composes one command line; its "Test Print" prints that line on its own.
class LineBuilder : public CommandBuilder {
public:
    virtual QByteArray Line() const = 0;

    QList<QByteArray> Lines() const override { return {Line()}; }
    QByteArray TestPrintBytes() const override { return torq::TestPrint(Line()); }
};
