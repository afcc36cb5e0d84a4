#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "calibration/SensingAnalysis.h"
#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Media calibration: asks the printer for the distribution of its sensor's readings over one
// label length, shows it as 32 counts, proposes a level between the label's and the gap's (or
// mark's) clusters and stores the chosen threshold in the printer.
class SensingCalibrationPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBuckets = SensingAnalysis::kBuckets;
    using SensingType = SettingsProtocol::SensingType;
    // The gap count sent is the list's position plus this.
    static constexpr int kFirstGapCount = 4;
    static constexpr int kGapCounts = 7;  // "4" .. "10"
    static constexpr int kInitialLabelLength = 150;
    static constexpr int kInitialGapCountIndex = 3;
    static constexpr int kDotsPerMillimetre = 8;
    // The longest label a person can ask to sense (mm): long enough for any label roll, short
    // enough that the printer's feed, and our wait for it, end within minutes.
    static constexpr int kLabelLengthDigits = 4;

    explicit SensingCalibrationPage(const ToolContext& context, QWidget* parent = nullptr);

    void Sense();
    void ChooseLevel();
    void Save();
    void Cancel();

    // What the page shows, for the chart beside it.
    struct Distribution {
        std::array<int, kBuckets> counts{};  // as the count texts read
        std::array<bool, kBuckets> marked{};
        int selectedLevel = -1;
        int middleGapValue = 0;
    };
    Distribution ShownDistribution() const;

    int SelectedLevel() const { return selectedLevel_; }
    int MiddleGapValue() const { return middleGapValue_; }

signals:
    // The fields were shown again: counts, marks or the chosen level may have changed.
    void Shown();

private:
    QWidget* MakeLevels();
    QWidget* MakeStart();
    QWidget* MakeSave();
    QWidget* MakeCancel();

    void ReadForm();
    void ShowFields();
    void Repaint();
    void ResetLevels();
    void EnableSaving(bool enable);
    void Propose(const SensingAnalysis& analysis);
    void OfferExtra(const SensingAnalysis& analysis);

    ToolContext context_;
    SettingsProtocol protocol_;

    std::array<bool, kBuckets> markers_{};
    SensingAnalysis::Counts counts_{};
    int labelLength_ = kInitialLabelLength;
    int selectedLevel_ = -1;
    SensingType sensingType_ = SensingType::Gap;
    int middleGapValue_ = 0;
    int gapCountIndex_ = kInitialGapCountIndex;
    std::array<QString, kBuckets> countTexts_{};

    QButtonGroup* levels_ = nullptr;
    std::array<QRadioButton*, kBuckets> levelButtons_{};
    std::array<QLabel*, kBuckets> countLabels_{};
    QRadioButton* gapType_ = nullptr;
    QRadioButton* markType_ = nullptr;
    QLineEdit* labelLengthEdit_ = nullptr;
    QLineEdit* middleGapEdit_ = nullptr;
    QComboBox* gapCountList_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
