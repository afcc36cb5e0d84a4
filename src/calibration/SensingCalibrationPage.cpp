#include "calibration/SensingCalibrationPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calibration/CalibrationExtraDialog.h"
#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"

namespace {

// The rows of the distribution stand in two columns of 16, lowest level at the top left.
constexpr int kRowsPerColumn = 16;

QString CountText(int count) {
    return QString::asprintf("%04d", count);
}

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// A digits field as wide as a few digits.
QLineEdit* NumberField(QWidget* parent, const char* name, int digits) {
    QLineEdit* field = Controls::DigitsField(parent, name, digits);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 8 + 16);
    return field;
}

}  // namespace

SensingCalibrationPage::SensingCalibrationPage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    countTexts_.fill(CountText(0));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakeLevels());
    auto* steps = new QVBoxLayout;
    steps->addWidget(MakeStart());
    steps->addWidget(MakeSave());
    steps->addWidget(MakeCancel());
    steps->addStretch();
    layout->addLayout(steps);

    // Page start.
    EnableSaving(false);
    sensingType_ = SensingType::Gap;
    gapCountIndex_ = kInitialGapCountIndex;
    ShowFields();
}

QWidget* SensingCalibrationPage::MakeLevels() {
    auto* group = new QGroupBox(tr("Sensing Value Distribution"), this);
    group->setObjectName(QStringLiteral("distributionGroup"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    levels_ = new QButtonGroup(group);
    for (int i = 0; i < kBuckets; ++i) {
        auto* button =
            new QRadioButton(QString::asprintf("%03d :", SensingAnalysis::Threshold(i)), group);
        button->setObjectName(QStringLiteral("level%1Button").arg(i));
        button->setEnabled(false);
        levels_->addButton(button, i);
        levelButtons_[At(i)] = button;

        auto* count = new QLabel(group);
        count->setObjectName(QStringLiteral("count%1Label").arg(i));
        count->setAlignment(Qt::AlignCenter);
        count->setMargin(1);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
        countLabels_[At(i)] = count;

        const int row = i % kRowsPerColumn;
        const int column = 3 * (i / kRowsPerColumn);
        grid->addWidget(button, row, column);
        grid->addWidget(count, row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 16);
    connect(levels_, &QButtonGroup::idClicked, this, [this] { ChooseLevel(); });
    return group;
}

QWidget* SensingCalibrationPage::MakeStart() {
    auto* group = new QGroupBox(tr("STEP 1 : Start"), this);
    group->setObjectName(QStringLiteral("startGroup"));
    auto* grid = new QGridLayout(group);
    gapType_ = new QRadioButton(QStringLiteral("G"), group);
    gapType_->setObjectName(QStringLiteral("gapTypeButton"));
    markType_ = new QRadioButton(QStringLiteral("B"), group);
    markType_->setObjectName(QStringLiteral("markTypeButton"));
    auto* types = new QHBoxLayout;
    types->addWidget(gapType_);
    types->addWidget(markType_);
    types->addStretch();
    grid->addWidget(new QLabel(tr("Sensing Type :"), group), 0, 0);
    grid->addLayout(types, 0, 1);
    labelLengthEdit_ = NumberField(group, "labelLengthEdit", kLabelLengthDigits);
    grid->addWidget(new QLabel(tr("Label Length : (mm)"), group), 1, 0);
    grid->addWidget(labelLengthEdit_, 1, 1);
    grid->addWidget(Controls::Button(group, tr("Check Sensing Value"), "checkSensingButton", this,
                                     &SensingCalibrationPage::Sense),
                    2, 0, 1, 2);
    return group;
}

QWidget* SensingCalibrationPage::MakeSave() {
    auto* group = new QGroupBox(tr("STEP 2 : Save"), this);
    group->setObjectName(QStringLiteral("saveGroup"));
    auto* grid = new QGridLayout(group);
    middleGapEdit_ = NumberField(group, "middleGapValueEdit", 3);
    grid->addWidget(new QLabel(tr("Middle Gap Value :"), group), 0, 0);
    grid->addWidget(middleGapEdit_, 0, 1);
    QStringList counts;
    for (int i = 0; i < kGapCounts; ++i) {
        counts << QString::number(kFirstGapCount + i);
    }
    gapCountList_ = Controls::List(group, "gapCountList", counts);
    grid->addWidget(new QLabel(tr("Gap Count :"), group), 1, 0);
    grid->addWidget(gapCountList_, 1, 1);
    saveButton_ = Controls::Button(group, tr("Save Calibration"), "saveCalibrationButton", this,
                                   &SensingCalibrationPage::Save);
    grid->addWidget(saveButton_, 2, 0, 1, 2);
    return group;
}

QWidget* SensingCalibrationPage::MakeCancel() {
    auto* group = new QGroupBox(tr("Cancel"), this);
    group->setObjectName(QStringLiteral("cancelGroup"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(Controls::Button(group, tr("Cancel Calibration"), "cancelCalibrationButton",
                                       this, &SensingCalibrationPage::Cancel));
    return group;
}

void SensingCalibrationPage::ReadForm() {
    // A field that is not a number stops the copying there; the fields after it keep their
    // values, and the action goes on with them.
    const auto length =
        Validation::ReadInteger(labelLengthEdit_->text(), labelLengthEdit_, context_.messages);
    if (!length) {
        return;
    }
    labelLength_ = *length;
    selectedLevel_ = levels_->checkedId();
    sensingType_ = markType_->isChecked() ? SensingType::BlackMark : SensingType::Gap;
    const auto middle =
        Validation::ReadInteger(middleGapEdit_->text(), middleGapEdit_, context_.messages);
    if (!middle) {
        return;
    }
    middleGapValue_ = *middle;
    gapCountIndex_ = gapCountList_->currentIndex();
}

void SensingCalibrationPage::ShowFields() {
    labelLengthEdit_->setText(QString::number(labelLength_));
    // No level checked needs a group that lets every button be off for a moment.
    levels_->setExclusive(false);
    for (int i = 0; i < kBuckets; ++i) {
        levelButtons_[At(i)]->setChecked(i == selectedLevel_);
    }
    levels_->setExclusive(true);
    gapType_->setChecked(sensingType_ == SensingType::Gap);
    markType_->setChecked(sensingType_ == SensingType::BlackMark);
    middleGapEdit_->setText(QString::number(middleGapValue_));
    gapCountList_->setCurrentIndex(gapCountIndex_);
    for (int i = 0; i < kBuckets; ++i) {
        countLabels_[At(i)]->setText(countTexts_[At(i)]);
    }
    emit Shown();
}

void SensingCalibrationPage::Repaint() {
    for (int i = 0; i < kBuckets; ++i) {
        QLabel* label = countLabels_[At(i)];
        QPalette colours = palette();
        if (markers_[At(i)]) {
            colours.setColor(QPalette::Window, QColor(0, 0, 128));
            colours.setColor(QPalette::WindowText, QColor(0, 255, 255));
        } else {
            colours.setColor(QPalette::WindowText, QColor(128, 128, 128));
        }
        label->setAutoFillBackground(markers_[At(i)]);
        label->setPalette(colours);
    }
}

void SensingCalibrationPage::ResetLevels() {
    selectedLevel_ = -1;
    markers_.fill(false);
    for (QRadioButton* button : levelButtons_) {
        button->setEnabled(false);
    }
    Repaint();
}

void SensingCalibrationPage::EnableSaving(bool enable) {
    middleGapEdit_->setEnabled(enable);
    gapCountList_->setEnabled(enable);
    saveButton_->setEnabled(enable);
}

void SensingCalibrationPage::Sense() {
    ReadForm();
    counts_.fill(0);
    ResetLevels();
    ShowFields();  // the checked level goes with the old analysis

    const int dots = labelLength_ * kDotsPerMillimetre;
    const auto reply = protocol_.ReadSensing(
        dots, sensingType_, [this] { context_.messages.Warning(tr("Sensing Data Read Fail!")); });
    if (!reply.exact) {
        ShowFields();
        return;
    }
    const auto counts = SettingsProtocol::SensingCounts(reply.bytes);
    for (int i = 0; i < kBuckets; ++i) {
        counts_[At(i)] = counts[At(i)];
        countTexts_[At(i)] = CountText(counts_[At(i)]);
    }
    const SensingAnalysis analysis = SensingAnalysis::Analyse(counts_, sensingType_);
    for (int i = 0; i < kBuckets; ++i) {
        levelButtons_[At(i)]->setEnabled(analysis.Enabled(i));
    }
    Propose(analysis);
    EnableSaving(true);
    ShowFields();
    OfferExtra(analysis);
}

void SensingCalibrationPage::Propose(const SensingAnalysis& analysis) {
    selectedLevel_ = analysis.selectedLevel;
    for (int i = 0; i < kBuckets; ++i) {
        markers_[At(i)] = analysis.Marked(i);
    }
    // Nothing proposed leaves the value as it was: Save refuses without a level anyway.
    if (selectedLevel_ >= 0) {
        middleGapValue_ = SensingAnalysis::Threshold(selectedLevel_);
    }
    Repaint();
}

void SensingCalibrationPage::OfferExtra(const SensingAnalysis& analysis) {
    if (!analysis.OpensExtra()) {
        return;
    }
    CalibrationExtraDialog extra(context_,
                                 {.leftMark = analysis.leftMark,
                                  .rightMark = analysis.rightMark,
                                  .leftCount = counts_[At(analysis.leftMark)],
                                  .rightCount = counts_[At(analysis.rightMark)],
                                  .sensingType = sensingType_,
                                  .gapCount = gapCountIndex_ + kFirstGapCount},
                                 this);
    if (context_.run(extra) == QDialog::Accepted) {
        middleGapValue_ = extra.Result();
        ShowFields();
    }
}

void SensingCalibrationPage::ChooseLevel() {
    ReadForm();
    middleGapValue_ = SensingAnalysis::Threshold(selectedLevel_);
    ShowFields();
}

void SensingCalibrationPage::Save() {
    ReadForm();
    if (selectedLevel_ < 0) {
        context_.messages.Warning(tr("Select the Sensening Level."));
        return;
    }
    protocol_.StoreCalibration(middleGapValue_, gapCountIndex_ + kFirstGapCount);
    countTexts_.fill(CountText(0));
    ResetLevels();
    EnableSaving(false);
    ShowFields();
}

void SensingCalibrationPage::Cancel() {
    ReadForm();
    countTexts_.fill(CountText(0));
    ResetLevels();
    protocol_.CancelCalibration();
    EnableSaving(false);
    ShowFields();
}

SensingCalibrationPage::Distribution SensingCalibrationPage::ShownDistribution() const {
    Distribution shown;
    for (int i = 0; i < kBuckets; ++i) {
        shown.counts[At(i)] = countTexts_[At(i)].toInt();
        shown.marked[At(i)] = markers_[At(i)];
    }
    shown.selectedLevel = selectedLevel_;
    shown.middleGapValue = middleGapValue_;
    return shown;
}
