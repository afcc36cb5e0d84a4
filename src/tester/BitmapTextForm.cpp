#include "tester/BitmapTextForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Validation.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/CommandLayout.h"
#include "tester/FontFinderForm.h"
#include "tester/PrinterText.h"
#include "tester/StepField.h"

namespace {

// The step controls reach 1000; the command takes positions up to 999.
constexpr int kStepHigh = 1000;
constexpr double kPositionHigh = 999;

}  // namespace

BitmapTextForm::BitmapTextForm(BitmapTextBuilder& builder, const ToolContext& context,
                               FormRunner run, QWidget* parent)
    : BuilderForm(builder, context, std::move(run), parent), builder_(builder) {
    setWindowTitle(tr("Bitmap Text Command"));
    x_ = Step("xField", 0, kStepHigh);
    y_ = Step("yField", 0, kStepHigh);
    font_ = List("fontList", BitmapTextBuilder::Fonts());
    hMulti_ = Step("hMultiField", 1, 4);
    vMulti_ = Step("vMultiField", 1, 4);
    spacing_ = Step("spacingField", 0, 100);
    rotation_ = List("rotationList", BitmapTextBuilder::Rotations());
    reverse_ = List("reverseList", BitmapTextBuilder::Reverses());
    bold_ = List("boldList", BitmapTextBuilder::Bolds());
    data_ = new QLineEdit(this);
    data_->setObjectName(QStringLiteral("dataField"));

    CommandLayout command(this, QStringLiteral("T"));
    command.Add(tr("X Pos"), x_);
    command.Add(tr("Y Pos"), y_);
    command.Add(tr("Font"), font_);
    command.Add(tr("H Multi"), hMulti_);
    command.Add(tr("V Multi"), vMulti_);
    command.Add(tr("Space_R"), spacing_);
    command.Add(tr("Rotation"), rotation_);
    command.Add(tr("Reverse"), reverse_);
    command.Add(tr("Bold"), bold_);
    command.AddData(data_);

    QPushButton* findFont = Button(tr("Find Font"), "findFontButton");
    QPushButton* convert = Button(tr("Convert"), "convertButton");
    connect(findFont, &QPushButton::clicked, this, &BitmapTextForm::OpenFontFinder);
    connect(convert, &QPushButton::clicked, this, &BitmapTextForm::OpenConvert);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(command.Layout());
    layout->addSpacing(8);
    layout->addLayout(ButtonRow({findFont, convert}));
    ShowFields();
}

void BitmapTextForm::ShowFields() {
    const BitmapTextBuilder::Fields& f = builder_.fields;
    x_->SetNumber(f.x);
    y_->SetNumber(f.y);
    font_->setCurrentIndex(f.font);
    hMulti_->SetText(QString::number(f.hMulti));
    vMulti_->SetText(QString::number(f.vMulti));
    spacing_->SetText(QString::number(f.spacing));
    rotation_->setCurrentIndex(f.rotation);
    reverse_->setCurrentIndex(f.reverse);
    bold_->setCurrentIndex(f.bold);
    data_->setText(PrinterText::ToField(f.data));
}

bool BitmapTextForm::ReadForm() {
    Messages& messages = Context().messages;
    const auto x = Validation::ReadNumber(x_->Text(), 0, kPositionHigh, x_, messages);
    if (!x) {
        return false;
    }
    const auto y = Validation::ReadNumber(y_->Text(), 0, kPositionHigh, y_, messages);
    if (!y) {
        return false;
    }
    const auto hMulti = Validation::ReadInteger(hMulti_->Text(), hMulti_, messages);
    if (!hMulti) {
        return false;
    }
    const auto vMulti = Validation::ReadInteger(vMulti_->Text(), vMulti_, messages);
    if (!vMulti) {
        return false;
    }
    const auto spacing = Validation::ReadInteger(spacing_->Text(), spacing_, messages);
    if (!spacing) {
        return false;
    }
    const auto data = PrinterText::ReadField(data_->text(), data_, messages);
    if (!data) {
        return false;
    }
    builder_.fields = {*x,
                       *y,
                       font_->currentIndex(),
                       *hMulti,
                       *vMulti,
                       *spacing,
                       rotation_->currentIndex(),
                       reverse_->currentIndex(),
                       bold_->currentIndex(),
                       *data};
    return true;
}

void BitmapTextForm::OpenFontFinder() {
    FontFinderForm finder(Context(), this);
    Run()(finder);
}
