#include "tester/FontSearch.h"

#include <array>

#include "tester/TorqCommand.h"

namespace {

constexpr int kFonts = 7;
constexpr int kMaxMulti = 4;
constexpr double kDotsPerMm = 8.0;
constexpr double kFarthest = 10000.0;
constexpr std::array<int, kFonts> kCellWidth = {8, 10, 14, 17, 20, 28, 40};
constexpr std::array<int, kFonts> kCellHeight = {13, 18, 22, 26, 35, 44, 70};

double Distance(double widthDots, double heightDots, int font, int xMulti, int yMulti) {
    const double dh = heightDots - double(kCellHeight[font] * yMulti);
    const double dw = widthDots - double(kCellWidth[font] * xMulti);
    return dh * dh + dw * dw;
}

// Visits the candidates from `firstFont` on in the search order and keeps the last of the
// closest ones that `allowed` lets through.
template <typename Allowed>
std::optional<FontSearch::Choice> Closest(double widthMm, double heightMm, int firstFont,
                                          Allowed allowed) {
    const double w = widthMm * kDotsPerMm;
    const double h = heightMm * kDotsPerMm;
    double best = kFarthest;
    std::optional<FontSearch::Choice> taken;
    for (int f = firstFont; f < kFonts; ++f) {
        for (int m = 1; m <= kMaxMulti; ++m) {
            for (int n = 1; n <= kMaxMulti; ++n) {
                const double d = Distance(w, h, f, m, n);
                const FontSearch::Choice candidate{f, m, n};
                if (d <= best && allowed(candidate)) {
                    best = d;
                    taken = candidate;
                }
            }
        }
    }
    return taken;
}

QByteArray ComparisonLine(int y, const FontSearch::Choice& choice) {
    torq::BitmapText text;
    text.x = 50;
    text.y = y;
    text.font = static_cast<char>('0' + choice.font);
    text.hMulti = choice.xMulti;
    text.vMulti = choice.yMulti;
    text.data = "TEST148";
    return torq::BitmapTextLine(text);
}

}  // namespace

std::optional<FontSearch::Choice> FontSearch::MostSimilar(double widthMm, double heightMm) {
    return Closest(widthMm, heightMm, 0, [](const Choice&) { return true; });
}

std::optional<FontSearch::Choice> FontSearch::SimilarAndRound(double widthMm, double heightMm) {
    const auto most = MostSimilar(widthMm, heightMm);
    if (!most) {
        return std::nullopt;
    }
    return Closest(widthMm, heightMm, most->font, [&most](const Choice& c) {
        return c.font > most->font && c.xMulti < most->xMulti && c.yMulti < most->yMulti;
    });
}

QByteArray FontSearch::ComparisonPrint(const Choice& mostSimilar, const Choice& similarAndRound) {
    const QList<QByteArray> lines = {torq::LabelLength(600, torq::Media::Continuous),
                                     ComparisonLine(50, mostSimilar),
                                     ComparisonLine(350, similarAndRound), torq::Print(1)};
    return torq::JoinLines(lines, "\r");
}
