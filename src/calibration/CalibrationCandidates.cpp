#include "calibration/CalibrationCandidates.h"

#include <algorithm>

#include "calibration/SensingAnalysis.h"

std::optional<CalibrationCandidates::Values> CalibrationCandidates::For(
    SettingsProtocol::SensingType type, int leftMark, int rightMark) {
    // How far into the room between the marks the first candidate lies, by their distance.
    int reach = 0;
    switch (rightMark - leftMark) {
        case 1:
            reach = 3;
            break;
        case 2:
            reach = 2;
            break;
        case 3:
            reach = 12;
            break;
        default:
            return std::nullopt;
    }
    const bool gap = type == SettingsProtocol::SensingType::Gap;
    Values values{};
    for (int j = 0; j < kCount; ++j) {
        // Gap sensing counts down from the gap's (right) mark, black-mark sensing up from the
        // mark's (left) one; a value beyond the sensor's range could never be read.
        const int value = gap ? 8 * rightMark - j - reach : 8 * leftMark + j + reach;
        values[static_cast<std::size_t>(j)] = std::clamp(value, kLowest, kHighest);
    }
    return values;
}

QString CalibrationCandidates::MarkText(int mark) {
    return QString::asprintf("%3.3d : ", SensingAnalysis::Threshold(mark));
}

QString CalibrationCandidates::CountText(int count) {
    return QString::asprintf("%3.3d", count);
}

QString CalibrationCandidates::CandidateText(int value) {
    return QString::asprintf("%3.3d :", value);
}
