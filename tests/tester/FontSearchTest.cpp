// The font search and the unit arithmetic, against the answers a technician is shown.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "tester/FontSearch.h"
#include "tester/UnitConversion.h"

namespace {

using Choice = FontSearch::Choice;

TEST(FontSearch, FindsTheClosestAndTheRoundCandidate) {
    struct Case {
        double widthMm;
        double heightMm;
        std::optional<Choice> most;
        std::optional<Choice> round;
    };
    const Case cases[] = {
        // 24 x 40 dots: font 0 x3 y3 is 24 x 39 (d = 1); font 5 x1 y1 is 28 x 44 (d = 32).
        {3, 5, Choice{0, 3, 3}, Choice{5, 1, 1}},
        {2.5, 4.5, Choice{1, 2, 2}, Choice{4, 1, 1}},
        {10, 10, Choice{5, 3, 2}, Choice{6, 2, 1}},
        // Font 3 x1 y4 and font 4 x1 y3 are both at d = 25: the later wins.
        {2.5, 12.5, Choice{4, 1, 3}, std::nullopt},
        // Farther than 100 dots from everything.
        {50, 50, std::nullopt, std::nullopt},
        // The closest has multipliers of 1: nothing rounder exists.
        {1, 1.5, Choice{0, 1, 1}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FontSearch::MostSimilar(c.widthMm, c.heightMm), c.most)
            << c.widthMm << " x " << c.heightMm;
        EXPECT_EQ(FontSearch::SimilarAndRound(c.widthMm, c.heightMm), c.round)
            << c.widthMm << " x " << c.heightMm;
    }
}

TEST(FontSearch, ADistanceOfExactlyHundredDotsIsStillTaken) {
    // 160 x 380 dots: font 6 x4 y4 (160 x 280) is exactly 100 dots short, all others farther.
    EXPECT_EQ(FontSearch::MostSimilar(20, 47.5), (Choice{6, 4, 4}));
    EXPECT_EQ(FontSearch::MostSimilar(20, 47.501), std::nullopt);
}

TEST(UnitConversion, EveryStepIsKeptInSinglePrecision) {
    using Unit = UnitConversion::Unit;
    // 4 inches shown as 101.6 mm, then as 812.8 dots; a negative zero shows as 0.
    const float mm = UnitConversion::Convert(4, Unit::Inch, Unit::Mm);
    EXPECT_EQ(UnitConversion::Show(mm), QStringLiteral("101.6"));
    EXPECT_EQ(UnitConversion::Show(UnitConversion::Convert(mm, Unit::Mm, Unit::Dots)),
              QStringLiteral("812.8"));
    EXPECT_EQ(UnitConversion::Show(UnitConversion::Convert(-0.0F, Unit::Mm, Unit::Dots)),
              QStringLiteral("0"));
}

TEST(UnitConversion, DotsForACommandAreTruncatedFromTheDoubleProduct) {
    using Unit = UnitConversion::Unit;
    // 5 x 25.399999618530273 x 8 = 1015.99998...
    EXPECT_EQ(UnitConversion::ToDots(5, Unit::Inch), 1015);
    EXPECT_EQ(UnitConversion::ToDots(4, Unit::Inch), 812);
    EXPECT_EQ(UnitConversion::ToDots(6, Unit::Inch), 1219);
    EXPECT_EQ(UnitConversion::ToDots(0.2F, Unit::Inch), 40);
    EXPECT_EQ(UnitConversion::ToDots(812.8F, Unit::Dots), 812);
    EXPECT_EQ(UnitConversion::ToDots(3.4e38F, Unit::Inch), 1'000'000'000'000'000LL);
}

}  // namespace
