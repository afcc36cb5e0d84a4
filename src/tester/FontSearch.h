#pragma once

#include <QByteArray>
#include <optional>

// Finds a bitmap font and multipliers for a wanted character size. The candidates are the
// fonts "0" to "6" with x and y multipliers 1 to 4; a candidate farther than 100 dots from the
// wanted size (squared distance above 10000) is never taken.
class FontSearch {
public:
    struct Choice {
        int font = 3;
        int xMulti = 1;
        int yMulti = 1;
        bool operator==(const Choice&) const = default;
    };

    // The candidate closest to the wanted size; on equal distance the later candidate (font,
    // then x, then y ascending) wins. Nothing when every candidate is too far.
    static std::optional<Choice> MostSimilar(double widthMm, double heightMm);
    // The closest candidate with a larger font and smaller multipliers than the most similar.
    static std::optional<Choice> SimilarAndRound(double widthMm, double heightMm);

    // Both answers printed one above the other on a continuous label, every line ended by CR.
    static QByteArray ComparisonPrint(const Choice& mostSimilar, const Choice& similarAndRound);
};
