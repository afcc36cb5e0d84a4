#pragma once

#include <cstdint>
#include <optional>

#include "settings/SettingsProtocol.h"

// The printer's default code page (memory switch 1) and default international character set
// (memory switch 3, read whole). A value is the switch byte itself.
class LanguageSwitches {
public:
    struct Fields {
        std::optional<std::uint8_t> codePage;
        std::optional<std::uint8_t> characterSet;
    };

    explicit LanguageSwitches(SettingsProtocol& protocol) : protocol_(protocol) {}

    // Reads both switches, each into its field (nothing when it did not answer); true only when
    // both answered: a code page nobody read is no success.
    bool Get(Fields& fields);
    // Writes the code page, then the character set; false when the link did not take a byte
    // (the second is not written once the first failed: the link is gone).
    bool Set(std::uint8_t codePage, std::uint8_t characterSet);

private:
    SettingsProtocol& protocol_;
};
