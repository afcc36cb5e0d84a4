#include "sim/MediaSensor.h"

#include <algorithm>
#include <cstdint>

namespace sim {

namespace {

// A generator of our own (xorshift), so that the noise is the same with every standard library.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}

    // A value in [-spread, spread], near zero more often than far: the difference of two draws.
    int Next(int spread) {
        if (spread <= 0) {
            return 0;
        }
        const auto range = static_cast<std::uint32_t>(spread) + 1;
        return static_cast<int>(Draw() % range) - static_cast<int>(Draw() % range);
    }

private:
    std::uint32_t Draw() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    std::uint32_t state_;
};

constexpr std::uint32_t kSeed = 0x2545F491u;

int Reading(int level, MediaSensor::Type type) {
    const int clamped = std::clamp(level, 0, 255);
    return type == MediaSensor::Type::Mark ? 255 - clamped : clamped;
}

bool Suits(MediaState::Kind kind, MediaSensor::Type type) {
    return (kind == MediaState::Kind::Gap && type == MediaSensor::Type::Gap) ||
           (kind == MediaState::Kind::Mark && type == MediaSensor::Type::Mark);
}

}  // namespace

MediaSensor::Counts MediaSensor::Distribution(const MediaState& media, Type type, int dots,
                                              bool paperEmpty) {
    Counts counts{};
    const int labelReading = Reading(media.labelLevel, type);
    const int gapReading = Reading(media.gapLevel, type);
    const long label = std::max(media.labelLength, 1);
    const long gap = std::max(media.gapLength, 0);
    const bool seesGaps = Suits(media.kind, type) && gap > 0;
    const long period = label + gap;
    // Sensing starts halfway along a label, so a feed of half a label and a gap passes a gap.
    const long start = label / 2;
    Noise noise(kSeed);
    for (long dot = 0; dot < dots; ++dot) {
        const bool overGap = paperEmpty || (seesGaps && (start + dot) % period >= label);
        const int value =
            std::clamp((overGap ? gapReading : labelReading) + noise.Next(media.noise), 0, 255);
        int& count = counts[static_cast<std::size_t>(value / kBucketWidth)];
        count = std::min(count + 1, kMaxCount);
    }
    return counts;
}

std::string MediaSensor::Encode(const Counts& counts) {
    std::string bytes;
    bytes.reserve(2 * counts.size());
    for (const int count : counts) {
        bytes += static_cast<char>(count & 0xFF);
        bytes += static_cast<char>((count >> 8) & 0xFF);
    }
    return bytes;
}

}  // namespace sim
