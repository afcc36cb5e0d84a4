#pragma once

#include "tester/LineBuilder.h"
#include "tester/TorqCommand.h"

// Composes one B1 command (a one-dimensional barcode). The quiet zone keeps its number while it
// is switched off, so switching it on again brings the same number back; only a quiet zone that
// is on is written.
class Barcode1DBuilder : public LineBuilder {
public:
    QByteArray Line() const override {
        torq::Barcode1D code = fields;
        code.quietZone = quietZoneOn ? std::optional<int>(quietZone) : std::nullopt;
        return torq::Barcode1DLine(code);
    }

    // Everything but the quiet zone, which the two fields below decide.
    torq::Barcode1D fields = {.x = 100, .y = 100, .quietZone = std::nullopt, .data = "123456789"};
    bool quietZoneOn = false;
    int quietZone = 12;
};
