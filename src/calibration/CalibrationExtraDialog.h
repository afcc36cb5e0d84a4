#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "calibration/CalibrationCandidates.h"
#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

// When the two clusters of a sensing distribution lie close together: eight finer thresholds to
// choose from, stored in the printer once per opening, or handed back to the calibration page.
class CalibrationExtraDialog : public QDialog {
    Q_OBJECT
public:
    // What the analysis found.
    struct Marks {
        int leftMark = 0;
        int rightMark = 0;
        int leftCount = 0;
        int rightCount = 0;
        SettingsProtocol::SensingType sensingType = SettingsProtocol::SensingType::Gap;
        int gapCount = 0;
    };

    CalibrationExtraDialog(const ToolContext& context, const Marks& marks,
                           QWidget* parent = nullptr);

    void ChooseDetailLevel();
    void Save();
    // OK: the value becomes the result and the dialog closes accepted.
    void Confirm();

    // The middle gap value when OK closed the dialog.
    int Result() const { return result_; }
    int MiddleGapValue() const { return middleGapValue_; }

private:
    QLabel* MarkLabel(int mark, int count, const char* name);
    void ReadForm();
    void ShowFields();
    void TakeCandidate();

    ToolContext context_;
    SettingsProtocol protocol_;
    Marks marks_;
    std::optional<CalibrationCandidates::Values> candidates_;

    int detailLevel_ = CalibrationCandidates::kStartIndex;
    int middleGapValue_ = 0;
    bool savedOnce_ = false;
    int result_ = 0;

    QButtonGroup* detailLevels_ = nullptr;
    std::array<QRadioButton*, CalibrationCandidates::kCount> detailButtons_{};
    QLineEdit* middleGapEdit_ = nullptr;
    QLineEdit* gapCountEdit_ = nullptr;
};
