#include "tester/Barcode2DForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <initializer_list>

#include "tester/CommandLayout.h"
#include "tester/StepField.h"

namespace {

using Kind = Barcode2DBuilder::Kind;

// Entries whose value is their position.
std::vector<Controls::Entry<int>> Numbered(const QStringList& texts) {
    std::vector<Controls::Entry<int>> entries;
    for (int i = 0; i < texts.size(); ++i) {
        entries.push_back({texts[i], i});
    }
    return entries;
}

void Refill(QComboBox* list, const std::vector<Controls::Entry<int>>& entries) {
    list->clear();
    for (const auto& entry : entries) {
        list->addItem(entry.text, QVariant::fromValue(entry.value));
    }
}

QComboBox* ShapedList(QWidget* parent, const char* name) {
    QComboBox* list = Controls::List(parent, name, QStringList());
    // Its entries change with the kind ("Mode 0", "Model 1", "L").
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

}  // namespace

Barcode2DForm::Barcode2DForm(Barcode2DBuilder& builder, const ToolContext& context, QWidget* parent)
    : BuilderForm(builder, context, parent),
      builder_(builder),
      letterField_(Controls::Field(this, "kindLetterField")),
      kindList_(Controls::List(this, QStringLiteral("kindList"),
                               std::vector<Controls::Entry<Kind>>{
                                   {QStringLiteral("Maxicode"), Kind::Maxicode},
                                   {QStringLiteral("PDF417"), Kind::Pdf417},
                                   {QStringLiteral("QR Code"), Kind::QrCode},
                               })),
      modeList_(ShapedList(this, "modeList")),
      eclList_(ShapedList(this, "eclList")),
      barField_(StepField::Make(this, "barField", 4, 99)) {
    setWindowTitle(tr("2D Barcode Command"));
    // The letter follows the kind; it is shown, never typed.
    letterField_->setReadOnly(true);
    letterField_->setFocusPolicy(Qt::NoFocus);
    letterField_->setAlignment(Qt::AlignCenter);
    letterField_->setMaximumWidth(letterField_->fontMetrics().horizontalAdvance(QLatin1Char('M')) *
                                  4);
    Refill(modeList_, Numbered({tr("Mode 0"), tr("Mode 2"), tr("Mode 3"), tr("Mode 4")}));

    Barcode2DBuilder& b = builder;
    const auto part = [](QLabel* caption, QWidget* field) { return Part{caption, field}; };
    CommandLayout command(this, QStringLiteral("B2"));
    command.Add(tr("Start X"), Bind(StepField::Make(this, "xField", 0, 1000), b.x));
    command.Add(tr("Start Y"), Bind(StepField::Make(this, "yField", 0, 1000), b.y));
    command.Add(tr("Type"), letterField_);
    modeLabel_ = command.Add(tr("Mode"), Bind(modeList_, b.modeIndex));
    mode_ = part(modeLabel_, modeList_);
    StepField* maxRow = Bind(StepField::Make(this, "maxRowField", 3, 90), b.maxRow);
    maxRow_ = part(command.Add(tr("Max Row"), maxRow), maxRow);
    StepField* maxCol = Bind(StepField::Make(this, "maxColField", 1, 30), b.maxCol);
    maxCol_ = part(command.Add(tr("Max Col"), maxCol), maxCol);
    eclLabel_ = command.Add(tr("ECL"), Bind(eclList_, b.eclIndex));
    ecl_ = part(eclLabel_, eclList_);
    command.EndRow();
    QComboBox* compress = Bind(Controls::List(this, QStringLiteral("compressList"),
                                              Numbered({tr("Text"), tr("Numeric"), tr("Binary")})),
                               b.compress);
    compress_ = part(command.Add(tr("Compress"), compress), compress);
    QComboBox* hri = Bind(Controls::List(this, QStringLiteral("hriList"), OffOn()), b.hri);
    hri_ = part(command.Add(tr("HRI"), hri), hri);
    QComboBox* origin = Bind(Controls::List(this, QStringLiteral("originList"),
                                            Numbered({tr("Upper Left"), tr("Center")})),
                             b.origin);
    origin_ = part(command.Add(tr("Origin"), origin), origin);
    StepField* moduleWidth = Bind(StepField::Make(this, "moduleWidthField", 2, 9), b.moduleWidth);
    moduleWidth_ = part(command.Add(tr("Module W"), moduleWidth), moduleWidth);
    barLabel_ = command.Add(tr("Bar Height"), Bind(barField_, b.barHeight));
    bar_ = part(barLabel_, barField_);
    QComboBox* rotation =
        Bind(Controls::List(this, QStringLiteral("rotationList"), Rotations()), b.rotation);
    rotation_ = part(command.Add(tr("Rotation"), rotation), rotation);
    auto* dataEdit = new QPlainTextEdit(this);
    dataEdit->setObjectName(QStringLiteral("dataField"));
    dataEdit->setTabChangesFocus(true);
    dataEdit->setFixedHeight(dataEdit->fontMetrics().lineSpacing() * 4 + 12);
    command.AddData(Bind(dataEdit, b.data));

    // The kind list with its caption, set a little apart from the buttons.
    auto* kindRow = new QWidget(this);
    auto* kindLayout = new QHBoxLayout(kindRow);
    kindLayout->setContentsMargins(0, 0, 12, 0);
    auto* kindLabel = new QLabel(tr("2D Barcode Type :"), kindRow);
    kindLabel->setBuddy(kindList_);
    kindLayout->addWidget(kindLabel);
    kindLayout->addWidget(kindList_);
    QPushButton* testPrint = Controls::Button(
        this, tr("Test Print"), QStringLiteral("testPrintButton"), this, &BuilderForm::TestPrint);
    Arrange(command.Layout(), {kindRow, testPrint, ConvertButton()}, false);
    // Opening (and reopening) shapes the form for the kind the builder holds, keeping its values.
    Show();

    connect(kindList_, &QComboBox::currentIndexChanged, this, &Barcode2DForm::KindChosen);
    connect(modeList_, &QComboBox::currentIndexChanged, this, &Barcode2DForm::ModeChosen);
    connect(eclList_, &QComboBox::currentIndexChanged, this, &Barcode2DForm::EclChosen);
}

void Barcode2DForm::KindChosen() {
    if (showing_) {
        return;
    }
    const Kind chosen = Controls::Chosen<Kind>(kindList_);
    // A field that cannot be read keeps the form as it is, for the person to correct.
    if (!ReadForm()) {
        Reselect(kindList_, QVariant::fromValue(builder_.kind));
        return;
    }
    builder_.ChooseKind(chosen);
    Show();
}

void Barcode2DForm::ModeChosen() {
    if (showing_) {
        return;
    }
    if (!ReadForm()) {
        Reselect(modeList_, QVariant::fromValue(builder_.modeIndex));
        return;
    }
    builder_.ChooseMode(builder_.modeIndex);
    Show();
}

void Barcode2DForm::EclChosen() {
    if (showing_) {
        return;
    }
    if (!ReadForm()) {
        Reselect(eclList_, QVariant::fromValue(builder_.eclIndex));
    }
}

void Barcode2DForm::Reselect(QComboBox* list, const QVariant& value) {
    showing_ = true;
    Controls::Choose(list, value);
    showing_ = false;
}

void Barcode2DForm::Show() {
    showing_ = true;
    Shape(builder_.kind);
    ShowFields();
    Controls::Choose(kindList_, QVariant::fromValue(builder_.kind));
    showing_ = false;
}

void Barcode2DForm::Shape(Kind kind) {
    // Each kind refills only the lists it uses; a list it leaves alone keeps its entries.
    switch (kind) {
        case Kind::Maxicode:
            Refill(modeList_, Numbered({tr("Mode 0"), tr("Mode 2"), tr("Mode 3"), tr("Mode 4")}));
            modeLabel_->setText(tr("Mode"));
            break;
        case Kind::Pdf417:
            Refill(eclList_,
                   Numbered({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                             QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                             QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")}));
            eclLabel_->setText(tr("ECL"));
            barLabel_->setText(tr("Bar Height"));
            barField_->SetRange(4, 99);
            break;
        case Kind::QrCode:
            Refill(eclList_, Numbered({QStringLiteral("L"), QStringLiteral("M"),
                                       QStringLiteral("Q"), QStringLiteral("H")}));
            eclLabel_->setText(tr("ECC"));
            barLabel_->setText(tr("Bar Size"));
            barField_->SetRange(1, 4);
            Refill(modeList_, Numbered({tr("Model 1"), tr("Model 2")}));
            modeLabel_->setText(tr("Model"));
            break;
    }
    letterField_->setText(QString(QLatin1Char(Barcode2DBuilder::Letter(kind))));

    const bool maxicode = kind == Kind::Maxicode;
    const bool pdf = kind == Kind::Pdf417;
    const bool qr = kind == Kind::QrCode;
    const std::initializer_list<std::pair<const Part&, bool>> uses = {
        {mode_, maxicode || qr}, {maxRow_, pdf},      {maxCol_, pdf},
        {ecl_, pdf || qr},       {compress_, pdf},    {hri_, pdf},
        {origin_, pdf},          {moduleWidth_, pdf}, {bar_, pdf || qr},
        {rotation_, pdf || qr},
    };
    for (const auto& [used, on] : uses) {
        used.caption->setEnabled(on);
        used.field->setEnabled(on);
    }
}
