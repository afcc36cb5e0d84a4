#include "calibration/SensingAnalysis.h"

namespace {

constexpr int kLast = SensingAnalysis::kBuckets - 1;
// A bucket with more samples than this is where a cluster clearly begins.
constexpr int kRise = 100;
// A count four times its neighbour's is the steep side of a cluster, not noise beside it.
constexpr int kSteep = 4;

// The counts read through at(): a walk that strays outside the 32 buckets is a fault to be
// caught, not a read of whatever lies beside them.
class Walks {
public:
    explicit Walks(const SensingAnalysis::Counts& counts) : counts_(counts) {}

    int operator[](int i) const { return counts_.at(static_cast<std::size_t>(i)); }

    // From i rightwards to the first bucket that is higher than its right neighbour; `limit`
    // when none is before it. Never compares beyond `limit`.
    int WalkRight(int i, int limit) const {
        for (int j = i; j < limit; ++j) {
            if ((*this)[j] > (*this)[j + 1]) {
                return j;
            }
        }
        return limit;
    }
    // The mirror: leftwards to the first bucket higher than its left neighbour.
    int WalkLeft(int i, int limit) const {
        for (int j = i; j > limit; --j) {
            if ((*this)[j] > (*this)[j - 1]) {
                return j;
            }
        }
        return limit;
    }
    // The lowest bucket in from..to with a count above `least`; `none` if there is none.
    int LowestAbove(int from, int to, int least, int none) const {
        for (int i = from; i <= to; ++i) {
            if ((*this)[i] > least) {
                return i;
            }
        }
        return none;
    }
    // The highest bucket in from..to (walking down from `to`) with a count above `least`.
    int HighestAbove(int from, int to, int least, int none) const {
        for (int i = to; i >= from; --i) {
            if ((*this)[i] > least) {
                return i;
            }
        }
        return none;
    }

private:
    const SensingAnalysis::Counts& counts_;
};

SensingAnalysis Gap(const Walks& c) {
    SensingAnalysis result;
    result.proposed = true;
    const int first = c.LowestAbove(0, kLast, 0, kLast);
    const int rise = c.LowestAbove(first, kLast, kRise, kLast);
    const int leftPeak = c.WalkRight(rise, kLast);
    int rightPeak = first;
    if (leftPeak != kLast) {
        const int last = c.HighestAbove(leftPeak + 1, kLast, 0, leftPeak + 1);
        rightPeak = c.WalkLeft(last, leftPeak + 1);
    }
    // The right side of the label cluster: where the counts fall steeply towards the gap's.
    int leftEdge = leftPeak;
    for (int i = rightPeak; i > leftPeak; --i) {
        if (c[i] > 0 && c[i - 1] > 0 && kSteep * c[i] < c[i - 1]) {
            leftEdge = i - 1;
            break;
        }
    }
    const int mid = (rightPeak + leftEdge) / 2;
    result.leftMark = leftEdge > first ? c.WalkLeft(leftEdge, first + 1) : leftEdge;
    result.rightMark = rightPeak;
    result.firstEnabled = mid;
    result.lastEnabled = result.rightMark - 1;
    result.selectedLevel = (mid + result.rightMark) / 2;
    return result;
}

SensingAnalysis BlackMark(const Walks& c) {
    SensingAnalysis result;
    const int last = c.HighestAbove(1, kLast, 0, -1);
    if (last < 0) {
        // No reading above the lowest bucket: no cluster on the right to put a level against.
        return result;
    }
    result.proposed = true;
    const int rise = c.HighestAbove(1, last, kRise, 1);
    const int rightPeak = c.WalkLeft(rise, 1);
    const int first = c.LowestAbove(0, rightPeak - 1, 0, rightPeak - 1);
    const int leftPeak = c.WalkRight(first, rightPeak - 1);
    int rightEdge = rightPeak;
    for (int i = leftPeak; i < rightPeak; ++i) {
        if (c[i] > 0 && c[i + 1] > 0 && kSteep * c[i] < c[i + 1]) {
            rightEdge = i + 1;
            break;
        }
    }
    const int mid = (rightEdge + leftPeak) / 2;
    result.rightMark = rightEdge < last ? c.WalkRight(rightEdge, last - 1) : rightEdge;
    result.leftMark = leftPeak;
    result.firstEnabled = result.leftMark + 1;
    result.lastEnabled = mid;
    result.selectedLevel = (mid + result.leftMark) / 2;
    return result;
}

}  // namespace

SensingAnalysis SensingAnalysis::Analyse(const Counts& counts, SensingType type) {
    const Walks walks(counts);
    return type == SensingType::Gap ? Gap(walks) : BlackMark(walks);
}
