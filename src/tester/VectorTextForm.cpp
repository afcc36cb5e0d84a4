#include "tester/VectorTextForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Validation.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/CommandLayout.h"
#include "tester/PrinterText.h"
#include "tester/StepField.h"
#include "tester/VectorTextBuilder.h"

VectorTextForm::VectorTextForm(VectorTextBuilder& builder, const ToolContext& context,
                               FormRunner run, QWidget* parent)
    : BuilderForm(builder, context, std::move(run), parent), builder_(builder) {
    setWindowTitle(tr("Vector Text Command"));
    x_ = Step("xField", 0, 1000);
    y_ = Step("yField", 0, 1000);
    font_ = List("fontList", VectorTextBuilder::Fonts());
    width_ = Step("widthField", 1, 100);
    height_ = Step("heightField", 1, 100);
    spacing_ = Step("spacingField", -100, 100);
    bold_ = List("boldList", VectorTextBuilder::Bolds());
    reverse_ = List("reverseList", VectorTextBuilder::Reverses());
    italic_ = List("italicList", VectorTextBuilder::Italics());
    rotation_ = List("rotationList", BitmapTextBuilder::Rotations());
    justification_ = List("justificationList", VectorTextBuilder::Justifications());
    direction_ = List("directionList", VectorTextBuilder::Directions());
    data_ = new QLineEdit(this);
    data_->setObjectName(QStringLiteral("dataField"));

    CommandLayout command(this, QStringLiteral("V"));
    command.Add(tr("X Pos"), x_);
    command.Add(tr("Y Pos"), y_);
    command.Add(tr("Font"), font_);
    command.Add(tr("Width"), width_);
    command.Add(tr("Height"), height_);
    command.Add(tr("Font Space"), spacing_);
    command.Add(tr("Bold"), bold_);
    command.Add(tr("Reverse"), reverse_);
    command.Add(tr("Italic"), italic_);
    command.EndRow();
    command.Add(tr("Rotation"), rotation_);
    command.Add(tr("Justification"), justification_);
    command.Add(tr("Text Direction"), direction_);
    command.AddData(data_);

    QPushButton* convert = Button(tr("Convert"), "convertButton");
    connect(convert, &QPushButton::clicked, this, &VectorTextForm::OpenConvert);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(command.Layout());
    layout->addSpacing(8);
    layout->addLayout(ButtonRow({convert}));
    ShowFields();
}

void VectorTextForm::ShowFields() {
    const VectorTextBuilder::Fields& f = builder_.fields;
    x_->SetNumber(f.x);
    y_->SetNumber(f.y);
    font_->setCurrentIndex(f.font);
    width_->SetText(QString::number(f.width));
    height_->SetText(QString::number(f.height));
    spacing_->SetText(QString::number(f.spacing));
    bold_->setCurrentIndex(f.bold);
    reverse_->setCurrentIndex(f.reverse);
    italic_->setCurrentIndex(f.italic);
    rotation_->setCurrentIndex(f.rotation);
    justification_->setCurrentIndex(f.justification);
    direction_->setCurrentIndex(f.direction);
    data_->setText(PrinterText::ToField(f.data));
}

bool VectorTextForm::ReadForm() {
    Messages& messages = Context().messages;
    const auto x = Validation::ReadNumber(x_->Text(), x_, messages);
    if (!x) {
        return false;
    }
    const auto y = Validation::ReadNumber(y_->Text(), y_, messages);
    if (!y) {
        return false;
    }
    const auto width = Validation::ReadInteger(width_->Text(), width_, messages);
    if (!width) {
        return false;
    }
    const auto height = Validation::ReadInteger(height_->Text(), height_, messages);
    if (!height) {
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
                       *width,
                       *height,
                       *spacing,
                       bold_->currentIndex(),
                       reverse_->currentIndex(),
                       italic_->currentIndex(),
                       rotation_->currentIndex(),
                       justification_->currentIndex(),
                       direction_->currentIndex(),
                       *data};
    return true;
}
