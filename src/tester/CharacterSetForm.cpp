#include "tester/CharacterSetForm.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Validation.h"
#include "tester/BuilderForm.h"
#include "tester/SampleRun.h"
#include "tester/StepField.h"

namespace {

using FontKind = CharacterSetSample::FontKind;
using Sample = CharacterSetSample::Sample;

const char* const kInternationalSets[CharacterSetSample::kInternationalSets] = {
    QT_TRANSLATE_NOOP("CharacterSetForm", "U.S.A"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "France"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Germany"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "U.K"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Denmark I"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Sweden"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Italy"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Spain"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Norway"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Denmark II"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Japan"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Spain II"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Latin America"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Korea"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "Slovenia/Croatia"),
    QT_TRANSLATE_NOOP("CharacterSetForm", "China"),
};

// Code table names are the same in every language.
const char* const kCodeTables[CharacterSetSample::kCodeTables] = {
    "PC437",  "PC850",  "PC852",  "PC860",  "PC863",  "PC865",   "PC1252", "PC865+PC1252",
    "PC857",  "PC737",  "PC1250", "PC1253", "PC1254", "PC855",   "PC862",  "PC866",
    "PC1251", "PC1255", "PC928",  "PC864",  "PC775",  "WPC1257", "CP858"};

// The step controls reach 1000; the text command takes positions up to 999.
constexpr int kStepHigh = 1000;
constexpr double kPositionHigh = 999;

QStringList InternationalNames() {
    QStringList names;
    for (const char* name : kInternationalSets) {
        names << QCoreApplication::translate("CharacterSetForm", name);
    }
    return names;
}

QStringList CodeTableNames() {
    QStringList names;
    for (const char* name : kCodeTables) {
        names << QString::fromLatin1(name);
    }
    return names;
}

}  // namespace

CharacterSetForm::CharacterSetForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("Character Set Command"));

    auto* sets = new QGroupBox(tr("Character Set"), this);
    internationalList_ = Controls::List(sets, "internationalList", InternationalNames());
    tableList_ = Controls::List(sets, "tableList", CodeTableNames());
    auto* lists = new QFormLayout;
    lists->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    lists->addRow(tr("International"), internationalList_);
    lists->addRow(tr("Code Table :"), tableList_);
    QList<QWidget*> printButtons = {
        Controls::Button(sets, tr("Under 80H"), "under80Button", this,
                         [this] { Print(Sample::Under80); }),
        Controls::Button(sets, tr("International"), "internationalButton", this,
                         [this] { Print(Sample::International); }),
        Controls::Button(sets, tr("Over 80H"), "over80Button", this,
                         [this] { Print(Sample::Over80); })};
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : printButtons) {
        buttons->addWidget(button);
    }
    auto* setsLayout = new QVBoxLayout(sets);
    setsLayout->addLayout(lists);
    setsLayout->addLayout(buttons);

    auto* font = new QGroupBox(tr("Font Setting"), this);
    bitmapRadio_ = Controls::Radio(font, tr("Bitmap Font"), "bitmapRadio");
    vectorRadio_ = Controls::Radio(font, tr("Vector Font"), "vectorRadio");
    connect(bitmapRadio_, &QRadioButton::clicked, this,
            [this] { ChooseFontKind(FontKind::Bitmap); });
    connect(vectorRadio_, &QRadioButton::clicked, this,
            [this] { ChooseFontKind(FontKind::Vector); });
    xField_ = StepField::Make(font, "xField", 0, kStepHigh);
    yField_ = StepField::Make(font, "yField", 0, kStepHigh);
    fontList_ = Controls::List(font, "fontList", BuilderForm::Letters("0123456ab"));
    upperField_ = StepField::Make(font, "upperField", CharacterSetSample::kBitmapLow,
                                  CharacterSetSample::kBitmapHigh);
    lowerField_ = StepField::Make(font, "lowerField", CharacterSetSample::kBitmapLow,
                                  CharacterSetSample::kBitmapHigh);
    upperLabel_ = new QLabel(font);
    upperLabel_->setObjectName(QStringLiteral("upperLabel"));
    upperLabel_->setBuddy(upperField_);
    lowerLabel_ = new QLabel(font);
    lowerLabel_->setObjectName(QStringLiteral("lowerLabel"));
    lowerLabel_->setBuddy(lowerField_);
    auto* grid = new QGridLayout(font);
    grid->addWidget(bitmapRadio_, 0, 0, 1, 2);
    grid->addWidget(vectorRadio_, 0, 2, 1, 2);
    const auto caption = [font](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, font);
        label->setBuddy(field);
        return label;
    };
    grid->addWidget(caption(tr("X Pos"), xField_), 1, 0);
    grid->addWidget(xField_, 1, 1);
    grid->addWidget(caption(tr("Y Pos"), yField_), 1, 2);
    grid->addWidget(yField_, 1, 3);
    grid->addWidget(caption(tr("Font"), fontList_), 2, 0);
    grid->addWidget(fontList_, 2, 1);
    grid->addWidget(upperLabel_, 3, 0);
    grid->addWidget(upperField_, 3, 1);
    grid->addWidget(lowerLabel_, 3, 2);
    grid->addWidget(lowerField_, 3, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    run_ = new SampleRun(context_, this);
    QWidget* close =
        Controls::Button(this, tr("Close"), "closeButton", this, &CharacterSetForm::CloseForm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sets);
    layout->addWidget(font);
    layout->addWidget(run_);
    layout->addLayout(Controls::Row({}, {close}));
    ShowFields();
}

void CharacterSetForm::ShowFields() {
    internationalList_->setCurrentIndex(sample_.international);
    tableList_->setCurrentIndex(sample_.table);
    xField_->SetNumber(sample_.x);
    yField_->SetNumber(sample_.y);
    Controls::Choose(fontList_, QVariant::fromValue(sample_.font));
    ShowFontKind();
}

void CharacterSetForm::ShowFontKind() {
    const bool bitmap = sample_.fontKind == FontKind::Bitmap;
    bitmapRadio_->setChecked(bitmap);
    vectorRadio_->setChecked(!bitmap);
    fontList_->setEnabled(bitmap);
    upperLabel_->setText(bitmap ? tr("H Multi") : tr("Width"));
    lowerLabel_->setText(bitmap ? tr("V Multi") : tr("Height"));
    const int low = bitmap ? CharacterSetSample::kBitmapLow : CharacterSetSample::kVectorLow;
    const int high = bitmap ? CharacterSetSample::kBitmapHigh : CharacterSetSample::kVectorHigh;
    upperField_->SetRange(low, high);
    lowerField_->SetRange(low, high);
    upperField_->SetText(QString::number(sample_.upper));
    lowerField_->SetText(QString::number(sample_.lower));
}

bool CharacterSetForm::ReadForm() {
    const auto x =
        Validation::ReadNumber(xField_->Text(), 0, kPositionHigh, xField_, context_.messages);
    if (!x) {
        return false;
    }
    const auto y =
        Validation::ReadNumber(yField_->Text(), 0, kPositionHigh, yField_, context_.messages);
    if (!y) {
        return false;
    }
    const auto upper = Validation::ReadInteger(upperField_->Text(), upperField_, context_.messages);
    if (!upper) {
        return false;
    }
    const auto lower = Validation::ReadInteger(lowerField_->Text(), lowerField_, context_.messages);
    if (!lower) {
        return false;
    }
    sample_.international = internationalList_->currentIndex();
    sample_.table = tableList_->currentIndex();
    sample_.fontKind = vectorRadio_->isChecked() ? FontKind::Vector : FontKind::Bitmap;
    sample_.x = *x;
    sample_.y = *y;
    sample_.font = Controls::Chosen<char>(fontList_);
    sample_.upper = *upper;
    sample_.lower = *lower;
    return true;
}

void CharacterSetForm::ChooseFontKind(FontKind kind) {
    // The sizes start over with the kind; the other fields keep what was typed.
    sample_.fontKind = kind;
    const int value = kind == FontKind::Bitmap ? CharacterSetSample::kBitmapDefault
                                               : CharacterSetSample::kVectorDefault;
    sample_.upper = value;
    sample_.lower = value;
    ShowFontKind();
}

void CharacterSetForm::Print(Sample sample) {
    if (!ReadForm()) {
        return;
    }
    const QList<QByteArray> writes = sample_.Writes(sample);
    run_->Send(static_cast<int>(writes.size()), [&writes](int i) { return writes[i]; });
}

void CharacterSetForm::CloseForm() {
    if (ReadForm()) {
        accept();
    }
}
