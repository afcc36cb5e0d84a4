#include "calibration/CalibrationExtraDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/Validation.h"

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

CalibrationExtraDialog::CalibrationExtraDialog(const ToolContext& context, const Marks& marks,
                                               QWidget* parent)
    : QDialog(parent),
      context_(context),
      protocol_(context.port, context.pacer),
      marks_(marks),
      candidates_(CalibrationCandidates::For(marks.sensingType, marks.leftMark, marks.rightMark)) {
    setWindowTitle(tr("Calibration Extra"));

    auto* levels = new QGroupBox(tr("Detail Level"), this);
    levels->setObjectName(QStringLiteral("detailLevelGroup"));
    auto* levelsLayout = new QVBoxLayout(levels);
    levelsLayout->addWidget(MarkLabel(marks.leftMark, marks.leftCount, "leftMark"));
    detailLevels_ = new QButtonGroup(levels);
    for (int j = 0; j < CalibrationCandidates::kCount; ++j) {
        auto* button = new QRadioButton(levels);
        button->setObjectName(QStringLiteral("detail%1Button").arg(j));
        detailLevels_->addButton(button, j);
        detailButtons_[At(j)] = button;
        levelsLayout->addWidget(button);
    }
    levelsLayout->addWidget(MarkLabel(marks.rightMark, marks.rightCount, "rightMark"));
    connect(detailLevels_, &QButtonGroup::idClicked, this, [this] { ChooseDetailLevel(); });

    auto* save = new QGroupBox(tr("STEP 2 : Save"), this);
    save->setObjectName(QStringLiteral("saveGroup"));
    auto* grid = new QGridLayout(save);
    middleGapEdit_ = Controls::DigitsField(save, "middleGapValueEdit", 3);
    gapCountEdit_ = Controls::DigitsField(save, "gapCountEdit", 2);
    grid->addWidget(new QLabel(tr("Middle Gap Value :"), save), 0, 0);
    grid->addWidget(middleGapEdit_, 0, 1);
    grid->addWidget(new QLabel(tr("Gap Count :"), save), 1, 0);
    grid->addWidget(gapCountEdit_, 1, 1);
    grid->addWidget(Controls::Button(save, tr("Save Calibration"), "saveCalibrationButton", this,
                                     &CalibrationExtraDialog::Save),
                    2, 0, 1, 2);
    grid->setRowStretch(3, 1);

    auto* ok = Controls::Button(this, tr("OK"), "okButton", this, &CalibrationExtraDialog::Confirm);
    auto* columns = new QHBoxLayout;
    columns->addWidget(levels);
    auto* right = new QVBoxLayout;
    right->addWidget(save);
    right->addStretch();
    right->addLayout(Controls::Row({}, {ok}));
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);

    // Start.
    detailLevel_ = CalibrationCandidates::kStartIndex;
    for (int j = 0; j < CalibrationCandidates::kCount; ++j) {
        detailButtons_[At(j)]->setText(
            candidates_ ? CalibrationCandidates::CandidateText((*candidates_)[At(j)]) : QString());
    }
    TakeCandidate();
    ShowFields();
}

QLabel* CalibrationExtraDialog::MarkLabel(int mark, int count, const char* name) {
    // The mark's level in the window's colours, its count as the calibration page marks it.
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
    label->setText(
        QStringLiteral("%1<span style=\"color:#00ffff; background-color:#000080;\">&nbsp;%2&nbsp;"
                       "</span>")
            .arg(CalibrationCandidates::MarkText(mark).toHtmlEscaped().replace(
                     QLatin1Char(' '), QStringLiteral("&nbsp;")),
                 CalibrationCandidates::CountText(count)));
    label->setAccessibleName(CalibrationCandidates::MarkText(mark) +
                             CalibrationCandidates::CountText(count));
    return label;
}

void CalibrationExtraDialog::ReadForm() {
    // A field that is not a number keeps its old value; the action goes on.
    detailLevel_ = detailLevels_->checkedId();
    if (const auto value =
            Validation::ReadInteger(middleGapEdit_->text(), middleGapEdit_, context_.messages)) {
        middleGapValue_ = *value;
    }
    if (const auto count =
            Validation::ReadInteger(gapCountEdit_->text(), gapCountEdit_, context_.messages)) {
        marks_.gapCount = *count;
    }
}

void CalibrationExtraDialog::ShowFields() {
    detailLevels_->setExclusive(false);
    for (int j = 0; j < CalibrationCandidates::kCount; ++j) {
        detailButtons_[At(j)]->setChecked(j == detailLevel_);
    }
    detailLevels_->setExclusive(true);
    middleGapEdit_->setText(QString::number(middleGapValue_));
    gapCountEdit_->setText(QString::number(marks_.gapCount));
}

void CalibrationExtraDialog::TakeCandidate() {
    // Without candidates the value stays what it was.
    if (candidates_ && detailLevel_ >= 0) {
        middleGapValue_ = (*candidates_)[At(detailLevel_)];
    }
}

void CalibrationExtraDialog::ChooseDetailLevel() {
    ReadForm();
    TakeCandidate();
    ShowFields();
}

void CalibrationExtraDialog::Save() {
    ReadForm();
    if (savedOnce_) {
        context_.messages.Warning(tr("Select the Sensening Level."));
        return;
    }
    protocol_.StoreCalibration(middleGapValue_, marks_.gapCount);
    savedOnce_ = true;
    ShowFields();
}

void CalibrationExtraDialog::Confirm() {
    ReadForm();
    result_ = middleGapValue_;
    accept();
}
