#pragma once

#include <QDialog>
#include <array>

#include "forms/ToolContext.h"
#include "tester/FontSearch.h"

class QLabel;
class QLineEdit;

// "Font Finder": a bitmap font and multipliers for a character size wanted in millimetres. The
// answers are only shown (and can be printed side by side); they go nowhere else.
class FontFinderForm : public QDialog {
    Q_OBJECT
public:
    explicit FontFinderForm(const ToolContext& context, QWidget* parent = nullptr);

    void FindMostSimilar();
    void FindSimilarAndRound();
    void PrintForComparison();
    void CloseForm();

private:
    struct Wanted {
        double widthMm;
        double heightMm;
    };
    using Search = std::optional<FontSearch::Choice> (*)(double widthMm, double heightMm);

    // Reads the two sizes; nothing (after the message) when one is not a number.
    std::optional<Wanted> ReadForm();
    // Searches for the size wanted and shows the answer; `none` is the message for no answer.
    void Find(Search search, FontSearch::Choice& answer, const QString& none);
    void ShowChoices();

    ToolContext context_;
    FontSearch::Choice mostSimilar_;
    FontSearch::Choice similarAndRound_;
    QLineEdit* width_;
    QLineEdit* height_;
    std::array<QLabel*, 3> mostShown_{};
    std::array<QLabel*, 3> roundShown_{};
};
