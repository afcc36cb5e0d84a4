#include "tester/TwoByteCodepageForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/Validation.h"
#include "forms/ValueLabel.h"
#include "tester/BuilderForm.h"
#include "tester/SampleRun.h"

namespace {

using Table = TwoByteCodepage::Table;
using FontKind = TwoByteCodepage::FontKind;

// Where each table's characters lie, as the form shows it.
const char* const kBlockAreas[TwoByteCodepage::kTables] = {
    QT_TRANSLATE_NOOP("TwoByteCodepageForm", "A1 to F7"),
    QT_TRANSLATE_NOOP("TwoByteCodepageForm", "A1 to F7"),
    QT_TRANSLATE_NOOP("TwoByteCodepageForm", "A1 to E8"),
    QT_TRANSLATE_NOOP("TwoByteCodepageForm", "81 to EE, FA to FC"),
};

std::vector<Controls::Entry<Table>> TableEntries() {
    std::vector<Controls::Entry<Table>> entries;
    for (const Table table : {Table::Ks5601, Table::Gb2312, Table::Big5, Table::Jis}) {
        entries.push_back({QString::fromLatin1(TwoByteCodepage::Info(table).name), table});
    }
    return entries;
}

// Two hex digits, nothing more.
constexpr int kBlockLength = 2;
// Three digits, more than any font size.
constexpr int kSizeLength = 3;

// A field as wide as the few characters it takes, not as wide as the form.
void FitToDigits(QLineEdit* field, int digits) {
    const int text = field->fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('W')));
    field->setFixedWidth(text + 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
}

}  // namespace

TwoByteCodepageForm::TwoByteCodepageForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("2 Byte Codepage"));

    tableList_ = Controls::List(this, "tableList", TableEntries());
    auto* tableRow = new QFormLayout;
    tableRow->addRow(tr("Code Table :"), tableList_);

    auto* block = new QGroupBox(tr("Character Block"), this);
    startField_ = Controls::Field(block, "startField");
    endField_ = Controls::Field(block, "endField");
    for (QLineEdit* field : {startField_, endField_}) {
        field->setMaxLength(kBlockLength);
        FitToDigits(field, kBlockLength);
    }
    areaLabel_ = ValueLabel::Make(block, "areaLabel");
    printAllBox_ = Controls::Check(block, tr("Print all block character code"), "printAllBox");
    auto* blockForm = new QFormLayout;
    blockForm->addRow(tr("Start Block :"), startField_);
    blockForm->addRow(tr("End Block :"), endField_);
    blockForm->addRow(tr("Block Area :"), areaLabel_);
    auto* blockLayout = new QVBoxLayout(block);
    blockLayout->addLayout(blockForm);
    blockLayout->addWidget(printAllBox_);

    auto* kind = new QGroupBox(tr("Font Type"), this);
    bitmapRadio_ = Controls::Radio(kind, tr("Bitmap Font"), "bitmapRadio");
    vectorRadio_ = Controls::Radio(kind, tr("Vector Font"), "vectorRadio");
    auto* kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(bitmapRadio_);
    kindLayout->addWidget(vectorRadio_);
    kindLayout->addStretch(1);

    auto* size = new QGroupBox(tr("Size"), this);
    fontList_ = Controls::List(size, "fontList", QStringList());
    widthField_ = Controls::Field(size, "widthField", QString::number(codepage_.vectorWidth));
    heightField_ = Controls::Field(size, "heightField", QString::number(codepage_.vectorHeight));
    for (QLineEdit* field : {widthField_, heightField_}) {
        field->setMaxLength(kSizeLength);
        FitToDigits(field, kSizeLength);
    }
    auto* sizeForm = new QFormLayout(size);
    sizeForm->addRow(tr("Bitmap Font Name: "), fontList_);
    sizeForm->addRow(tr("Vector Font Width :"), widthField_);
    sizeForm->addRow(tr("Vector Font Height :"), heightField_);

    auto* fonts = new QHBoxLayout;
    fonts->addWidget(kind);
    fonts->addWidget(size, 1);

    QWidget* print = Controls::Button(this, tr("Print Characters"), "printButton", this,
                                      &TwoByteCodepageForm::PrintCharacters);
    QWidget* close = Controls::Button(this, tr("Close"), "closeButton", this, &QDialog::accept);
    run_ = new SampleRun(context_, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tableRow);
    layout->addWidget(block);
    layout->addLayout(fonts);
    layout->addWidget(run_);
    layout->addLayout(Controls::Row({}, {print, close}));

    connect(tableList_, &QComboBox::currentIndexChanged, this, &TwoByteCodepageForm::ChooseTable);
    connect(printAllBox_, &QCheckBox::clicked, this, &TwoByteCodepageForm::ChoosePrintAll);
    connect(bitmapRadio_, &QRadioButton::clicked, this,
            [this] { ChooseFontKind(FontKind::Bitmap); });
    connect(vectorRadio_, &QRadioButton::clicked, this,
            [this] { ChooseFontKind(FontKind::Vector); });
    ChooseTable(0);
    ChooseFontKind(FontKind::Bitmap);
}

void TwoByteCodepageForm::ShowTableBlocks() {
    const TwoByteCodepage::TableInfo& info = TwoByteCodepage::Info(codepage_.table);
    areaLabel_->setText(tr(kBlockAreas[static_cast<int>(codepage_.table)]));
    startField_->setText(QString::fromLatin1(info.startBlock));
    endField_->setText(QString::fromLatin1(info.endBlock));
}

void TwoByteCodepageForm::ChooseTable(int index) {
    tableList_->setCurrentIndex(index);
    codepage_.table = Controls::Chosen<Table>(tableList_);
    const TwoByteCodepage::TableInfo& info = TwoByteCodepage::Info(codepage_.table);
    fontList_->clear();
    for (const auto& entry : BuilderForm::Letters(info.bitmapFonts)) {
        fontList_->addItem(entry.text, QVariant::fromValue(entry.value));
    }
    Controls::Choose(fontList_, QVariant::fromValue(info.chosenFont));
    ShowTableBlocks();
}

void TwoByteCodepageForm::ChoosePrintAll(bool all) {
    printAllBox_->setChecked(all);
    if (all) {
        ShowTableBlocks();
    }
    startField_->setEnabled(!all);
    endField_->setEnabled(!all);
}

void TwoByteCodepageForm::ChooseFontKind(FontKind kind) {
    const bool bitmap = kind == FontKind::Bitmap;
    bitmapRadio_->setChecked(bitmap);
    vectorRadio_->setChecked(!bitmap);
    fontList_->setEnabled(bitmap);
    widthField_->setEnabled(!bitmap);
    heightField_->setEnabled(!bitmap);
}

std::optional<std::uint8_t> TwoByteCodepageForm::ReadBlock(QLineEdit* field, const QString& wrong) {
    const auto block = TwoByteCodepage::ReadBlock(field->text());
    if (!block) {
        context_.messages.Warning(wrong);
        field->setFocus();
    }
    return block;
}

bool TwoByteCodepageForm::ReadSize() {
    codepage_.fontKind = vectorRadio_->isChecked() ? FontKind::Vector : FontKind::Bitmap;
    codepage_.bitmapFont = Controls::Chosen<char>(fontList_);
    if (codepage_.fontKind == FontKind::Bitmap) {
        return true;
    }
    // Whole numbers only: the sizes are written into the command as they stand, so any other
    // text (an apostrophe, say) would become printer commands.
    const auto width = Validation::ReadInteger(widthField_->text(), widthField_, context_.messages);
    if (!width) {
        return false;
    }
    const auto height =
        Validation::ReadInteger(heightField_->text(), heightField_, context_.messages);
    if (!height) {
        return false;
    }
    codepage_.vectorWidth = *width;
    codepage_.vectorHeight = *height;
    return true;
}

void TwoByteCodepageForm::PrintCharacters() {
    const TwoByteCodepage::TableInfo& info = TwoByteCodepage::Info(codepage_.table);
    int first = info.firstLead;
    int last = info.lastLead;
    if (!printAllBox_->isChecked()) {
        const auto start = ReadBlock(startField_, tr("Start Block value is wrong!"));
        if (!start) {
            return;
        }
        const auto end = ReadBlock(endField_, tr("End Block value is wrong!"));
        if (!end) {
            return;
        }
        first = *start;
        last = *end;
    }
    if (!ReadSize()) {
        return;
    }
    // A start above the end prints nothing.
    const int count = std::max(last - first + 1, 0);
    run_->Send(count, [this, first](int i) {
        return codepage_.Label(static_cast<std::uint8_t>(first + i));
    });
}
