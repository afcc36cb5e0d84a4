#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace sim {

// The stored settings of the simulated printer: memory switches, user values, identification
// texts, print offset and tear-off position, and the facts its information queries report.
struct SettingsState {
    // User values by their "^MBU" number: paper width, print density, paper length, horizontal
    // margin, vertical margin, gap length (dots; density 0..20).
    static constexpr std::array<std::int32_t, 6> kFactoryUserValues = {832, 10, 1200, 0, 0, 24};
    static constexpr std::array<const char*, 3> kFactoryTexts = {"1.00", "TW0000000001", ""};

    // Memory switches 1..4 (index 0 unused). A set byte waits until the apply request.
    std::array<std::uint8_t, 5> switches{};
    std::array<std::optional<std::uint8_t>, 5> pendingSwitches{};

    std::array<std::int32_t, 6> userValues = kFactoryUserValues;
    bool checkLabelLength = false;
    // Hardware version, serial number, printer ID.
    std::array<std::string, 3> texts = {kFactoryTexts[0], kFactoryTexts[1], kFactoryTexts[2]};
    // Signed settings, kept within -999..999 (they travel as a sign and three digits).
    int printOffset = 0;
    int tearOff = 0;

    std::string modelType = "DT/TT";
    std::string firmwareVersion = "V1.04";
    int headTemperature = 25;  // Celsius

    static constexpr int kMaxSigned = 999;

    // A signed setting as the printer reports it: sign, three digits, CR LF ("+050\r\n").
    static std::string SignedText(int value) {
        std::string digits = std::to_string(std::min(std::abs(value), kMaxSigned));
        digits.insert(0, 3 - digits.size(), '0');
        return (value < 0 ? "-" : "+") + digits + "\r\n";
    }

    // Every user value and signed setting back to its factory value.
    void InitialiseUserSettings() {
        userValues = kFactoryUserValues;
        printOffset = 0;
        tearOff = 0;
    }
};

}  // namespace sim
