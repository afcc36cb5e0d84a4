#pragma once

#include <cstdint>
#include <optional>

#include "settings/SettingsProtocol.h"
#include "settings/SwitchFourCodes.h"

// The print page's rows kept in memory switches: the print speed (bits 5-7 of switch 3), the
// print strobe and the gap detect position (both in switch 4). A Get takes its row's value from
// the whole byte; a Set writes a byte holding only the row's bits.
class PrintSwitchRows {
public:
    enum class Row { Strobe, Speed, GapDetect };

    // What the rows hold; nothing: no selection.
    struct Fields {
        std::optional<SwitchFourCodes::Strobe> strobe;
        std::optional<std::uint8_t> speed;  // a code of the model's speed list
        std::optional<SwitchFourCodes::GapDetect> gapDetect;
    };

    // The speed codes are those of the model identified when the page opened.
    PrintSwitchRows(SettingsProtocol& protocol, int modelIndex)
        : protocol_(protocol), modelIndex_(modelIndex) {}

    // What a Get clears before it asks: the strobe and the gap detect position lose their
    // selection, so a failed Get leaves none; the speed keeps its own.
    static void Forget(Row row, Fields& fields);
    // Forgets, then reads the row's switch into its field; false when no byte came.
    bool Get(Row row, Fields& fields);
    // Writes the row's byte (no selection is sent as the first position); false when the link
    // did not take it.
    bool Set(Row row, const Fields& fields);

private:
    static SettingsProtocol::MemorySwitch SwitchOf(Row row);

    SettingsProtocol& protocol_;
    int modelIndex_ = -1;
};
