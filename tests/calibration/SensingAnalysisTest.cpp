#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <stdexcept>
#include <utility>

#include "calibration/CalibrationCandidates.h"
#include "calibration/SensingAnalysis.h"

namespace {

using Type = SensingAnalysis::SensingType;
using Counts = SensingAnalysis::Counts;

Counts Make(std::initializer_list<std::pair<int, int>> buckets) {
    Counts counts{};
    for (const auto& [bucket, count] : buckets) {
        counts[static_cast<std::size_t>(bucket)] = count;
    }
    return counts;
}

// A label cluster rising to 900 at bucket 6 and, after empty buckets, a gap cluster of 300 at 24.
const Counts kTwoClusters = Make({{3, 50},
                                  {4, 200},
                                  {5, 600},
                                  {6, 900},
                                  {7, 400},
                                  {8, 50},
                                  {22, 60},
                                  {23, 150},
                                  {24, 300},
                                  {25, 80},
                                  {26, 10}});

struct AnalysisCase {
    const char* name;
    Counts counts;
    Type type;
    bool proposed = true;
    int leftMark = 0;
    int rightMark = 0;
    int firstEnabled = 0;
    int lastEnabled = -1;
    int selectedLevel = -1;
    bool opensExtra = false;
};

class Analysis : public testing::TestWithParam<AnalysisCase> {};

TEST_P(Analysis, FindsTheMarksTheRangeAndTheLevel) {
    const AnalysisCase& c = GetParam();
    const SensingAnalysis result = SensingAnalysis::Analyse(c.counts, c.type);
    EXPECT_EQ(result.proposed, c.proposed);
    EXPECT_EQ(result.selectedLevel, c.selectedLevel);
    EXPECT_EQ(result.OpensExtra(), c.opensExtra);
    if (!c.proposed) {
        for (int i = 0; i < SensingAnalysis::kBuckets; ++i) {
            EXPECT_FALSE(result.Enabled(i)) << i;
            EXPECT_FALSE(result.Marked(i)) << i;
        }
        return;
    }
    EXPECT_EQ(result.leftMark, c.leftMark);
    EXPECT_EQ(result.rightMark, c.rightMark);
    for (int i = 0; i < SensingAnalysis::kBuckets; ++i) {
        EXPECT_EQ(result.Enabled(i), i >= c.firstEnabled && i <= c.lastEnabled) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Distributions, Analysis,
    testing::Values(
        AnalysisCase{.name = "GapBetweenTwoClusters",
                     .counts = kTwoClusters,
                     .type = Type::Gap,
                     .leftMark = 6,
                     .rightMark = 24,
                     .firstEnabled = 15,
                     .lastEnabled = 23,
                     .selectedLevel = 19},
        AnalysisCase{.name = "BlackMarkBetweenTwoClusters",
                     .counts = kTwoClusters,
                     .type = Type::BlackMark,
                     .leftMark = 6,
                     .rightMark = 24,
                     .firstEnabled = 7,
                     .lastEnabled = 15,
                     .selectedLevel = 10},
        // Nothing sensed: both marks on the last bucket, its threshold 256, no level to choose.
        AnalysisCase{.name = "GapAllZero",
                     .counts = {},
                     .type = Type::Gap,
                     .leftMark = 31,
                     .rightMark = 31,
                     .selectedLevel = 31,
                     .opensExtra = true},
        AnalysisCase{
            .name = "BlackMarkAllZero", .counts = {}, .type = Type::BlackMark, .proposed = false},
        AnalysisCase{.name = "BlackMarkOnlyBucketZero",
                     .counts = Make({{0, 5000}}),
                     .type = Type::BlackMark,
                     .proposed = false},
        AnalysisCase{.name = "GapOneNarrowCluster",
                     .counts = Make({{10, 20}, {11, 150}, {12, 400}, {13, 150}, {14, 20}}),
                     .type = Type::Gap,
                     .leftMark = 12,
                     .rightMark = 13,
                     .firstEnabled = 12,
                     .lastEnabled = 12,
                     .selectedLevel = 12,
                     .opensExtra = true},
        AnalysisCase{.name = "BlackMarkOneNarrowCluster",
                     .counts = Make({{10, 20}, {11, 150}, {12, 400}, {13, 150}, {14, 20}}),
                     .type = Type::BlackMark,
                     .leftMark = 11,
                     .rightMark = 12,
                     .firstEnabled = 12,
                     .lastEnabled = 11,
                     .selectedLevel = 11,
                     .opensExtra = true},
        AnalysisCase{.name = "GapClustersAtBothEnds",
                     .counts = Make({{0, 500}, {1, 200}, {30, 50}, {31, 300}}),
                     .type = Type::Gap,
                     .leftMark = 0,
                     .rightMark = 31,
                     .firstEnabled = 15,
                     .lastEnabled = 30,
                     .selectedLevel = 23},
        AnalysisCase{.name = "BlackMarkClustersAtBothEnds",
                     .counts = Make({{0, 500}, {1, 200}, {30, 50}, {31, 300}}),
                     .type = Type::BlackMark,
                     .leftMark = 0,
                     .rightMark = 31,
                     .firstEnabled = 1,
                     .lastEnabled = 15,
                     .selectedLevel = 7},
        // Counts that rise to the very last bucket: the walk right ends there instead of
        // comparing with a 33rd count.
        AnalysisCase{.name = "GapRisingToTheLastBucket",
                     .counts = Make({{28, 150}, {29, 200}, {30, 250}, {31, 900}}),
                     .type = Type::Gap,
                     .leftMark = 31,
                     .rightMark = 28,
                     .selectedLevel = 28,
                     .opensExtra = true},
        // Counts that fall all the way to bucket 1: the walk left ends there.
        AnalysisCase{.name = "BlackMarkFallingToBucketOne",
                     .counts = Make({{1, 900}, {2, 250}, {3, 200}, {4, 150}}),
                     .type = Type::BlackMark,
                     .leftMark = 0,
                     .rightMark = 1,
                     .firstEnabled = 1,
                     .lastEnabled = 0,
                     .selectedLevel = 0,
                     .opensExtra = true}),
    [](const testing::TestParamInfo<AnalysisCase>& test) { return test.param.name; });

TEST(Analysis, ThresholdsAreEightPerBucket) {
    EXPECT_EQ(SensingAnalysis::Threshold(0), 8);
    EXPECT_EQ(SensingAnalysis::Threshold(19), 160);
    EXPECT_EQ(SensingAnalysis::Threshold(31), 256);
}

// Whatever the printer reports, the analysis stays within the 32 counts (a stray read throws
// out of the checked access) and proposes levels and marks that exist.
TEST(Analysis, RandomDistributionsStayWithinTheBuckets) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> density(0, 3);
    std::uniform_int_distribution<int> bucket(0, 31);
    for (int run = 0; run < 20000; ++run) {
        Counts counts{};
        const int shape = density(random);
        if (shape == 0) {
            // A few spikes anywhere.
            for (int k = bucket(random) % 4; k >= 0; --k) {
                counts[static_cast<std::size_t>(bucket(random))] =
                    std::uniform_int_distribution<int>(0, 65535)(random);
            }
        } else {
            // Dense noise of a size that sometimes passes the rise of 100, sometimes not.
            const int top = shape == 1 ? 120 : shape == 2 ? 1000 : 65535;
            for (int& count : counts) {
                count = std::uniform_int_distribution<int>(0, top)(random) % (shape + 2) == 0
                            ? 0
                            : std::uniform_int_distribution<int>(0, top)(random);
            }
        }
        for (const Type type : {Type::Gap, Type::BlackMark}) {
            SensingAnalysis result;
            ASSERT_NO_THROW(result = SensingAnalysis::Analyse(counts, type)) << "run " << run;
            if (!result.proposed) {
                ASSERT_EQ(type, Type::BlackMark);
                ASSERT_EQ(result.selectedLevel, -1);
                continue;
            }
            ASSERT_GE(result.leftMark, 0);
            ASSERT_LE(result.leftMark, 31);
            ASSERT_GE(result.rightMark, 0);
            ASSERT_LE(result.rightMark, 31);
            ASSERT_GE(result.selectedLevel, 0);
            ASSERT_LE(result.selectedLevel, 31);
            ASSERT_GE(result.firstEnabled, 0);
            ASSERT_LE(result.lastEnabled, 31);
            if (result.OpensExtra()) {
                // Candidates, where there are any, are readings the sensor can give.
                if (const auto values =
                        CalibrationCandidates::For(type, result.leftMark, result.rightMark)) {
                    for (const int value : *values) {
                        ASSERT_GE(value, 0);
                        ASSERT_LE(value, 255);
                    }
                }
            }
        }
    }
}

struct CandidateCase {
    const char* name;
    Type type;
    int leftMark;
    int rightMark;
    std::optional<CalibrationCandidates::Values> values;
};

class Candidates : public testing::TestWithParam<CandidateCase> {};

TEST_P(Candidates, AreEightValuesByTypeAndDistance) {
    const CandidateCase& c = GetParam();
    EXPECT_EQ(CalibrationCandidates::For(c.type, c.leftMark, c.rightMark), c.values);
}

INSTANTIATE_TEST_SUITE_P(
    MarkDistances, Candidates,
    testing::Values(
        CandidateCase{"GapOneApart", Type::Gap, 10, 11,
                      CalibrationCandidates::Values{85, 84, 83, 82, 81, 80, 79, 78}},
        CandidateCase{"BlackMarkTwoApart", Type::BlackMark, 10, 12,
                      CalibrationCandidates::Values{82, 83, 84, 85, 86, 87, 88, 89}},
        CandidateCase{"GapTwoApart", Type::Gap, 10, 12,
                      CalibrationCandidates::Values{94, 93, 92, 91, 90, 89, 88, 87}},
        // Three apart, gap sensing counts down from the gap's mark as at one and two apart:
        // candidates counted from the label's mark would lie below the label's own readings.
        CandidateCase{"GapThreeApart", Type::Gap, 10, 13,
                      CalibrationCandidates::Values{92, 91, 90, 89, 88, 87, 86, 85}},
        CandidateCase{"BlackMarkThreeApart", Type::BlackMark, 10, 13,
                      CalibrationCandidates::Values{92, 93, 94, 95, 96, 97, 98, 99}},
        CandidateCase{"BlackMarkOneApart", Type::BlackMark, 10, 11,
                      CalibrationCandidates::Values{83, 84, 85, 86, 87, 88, 89, 90}},
        // Near the lowest level no candidate falls below a reading the sensor can give.
        CandidateCase{"GapAtTheBottom", Type::Gap, 0, 1,
                      CalibrationCandidates::Values{5, 4, 3, 2, 1, 0, 0, 0}},
        CandidateCase{"SameBucket", Type::Gap, 12, 12, std::nullopt},
        CandidateCase{"FourApart", Type::BlackMark, 10, 14, std::nullopt},
        CandidateCase{"Crossed", Type::Gap, 31, 28, std::nullopt}),
    [](const testing::TestParamInfo<CandidateCase>& test) { return test.param.name; });

TEST(Candidates, TextsHaveThreeDigits) {
    EXPECT_EQ(CalibrationCandidates::MarkText(10), QStringLiteral("088 : "));
    EXPECT_EQ(CalibrationCandidates::CountText(7), QStringLiteral("007"));
    EXPECT_EQ(CalibrationCandidates::CountText(1234), QStringLiteral("1234"));
    EXPECT_EQ(CalibrationCandidates::CandidateText(81), QStringLiteral("081 :"));
}

}  // namespace
