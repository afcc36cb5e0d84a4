#include "tester/TesterWindow.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "forms/BoxMessages.h"
#include "forms/Controls.h"
#include "forms/FileChooser.h"
#include "forms/Pacer.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"
#include "tester/PrinterText.h"
#include "tester/StepField.h"
#include "tester/TorqCommand.h"

namespace {

const QStringList kLoadFilters = {QStringLiteral("All files(*.*) (*.*)"),
                                  QStringLiteral("Text files(*.txt) (*.txt)"),
                                  QStringLiteral("Binary files(*.bin) (*.bin)")};
const QStringList kSaveFilters = {QStringLiteral("All files(*.*) (*.*)"),
                                  QStringLiteral("Text files(*.txt) (*.txt)")};
const char* const kProposedName = "VELD.txt";

// A group of buttons laid out in rows of `perRow`.
QGroupBox* ButtonGroup(QWidget* parent, const QString& title,
                       std::initializer_list<QPushButton*> buttons, int perRow) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    int i = 0;
    for (QPushButton* button : buttons) {
        button->setParent(group);
        grid->addWidget(button, i / perRow, i % perRow);
        ++i;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return group;
}

}  // namespace

TesterWindow::TesterWindow(const ToolContext& context, QWidget* parent, TesterForms forms,
                           FormRunner run)
    : QDialog(parent), context_(context), forms_(std::move(forms)), run_(std::move(run)) {
    setWindowTitle(tr("TORQ Tester"));
    BuildForm();
}

QPushButton* TesterWindow::Button(const QString& text, const char* name) {
    return Controls::Button(this, text, name);
}

QPushButton* TesterWindow::FormButton(const QString& text, const char* name, TesterButton button) {
    QPushButton* pushButton = Button(text, name);
    connect(pushButton, &QPushButton::clicked, this, [this, button] {
        if (forms_.forms.contains(button)) {
            RunForm(button);
        } else {
            RunBuilder(button);
        }
    });
    return pushButton;
}

void TesterWindow::BuildForm() {
    auto* editorGroup = new QGroupBox(tr("TORQ Command"), this);
    editor_ = new QPlainTextEdit(editorGroup);
    editor_->setObjectName(QStringLiteral("editor"));
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Commands have no blanks to wrap at; wrapping at word boundaries would also make a long
    // line without line breaks (image data, say) take minutes to lay out.
    editor_->setWordWrapMode(QTextOption::WrapAnywhere);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setTabChangesFocus(true);
    const QFontMetrics metrics(editor_->font());
    editor_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * 72,
                            metrics.lineSpacing() * 14);
    auto* editorLayout = new QVBoxLayout(editorGroup);
    editorLayout->addWidget(editor_);

    QPushButton* cut = Button(tr("Cut"), "cutButton");
    QPushButton* copy = Button(tr("Copy"), "copyButton");
    QPushButton* paste = Button(tr("Paste"), "pasteButton");
    QPushButton* clean = Button(tr("Clean"), "cleanButton");
    connect(cut, &QPushButton::clicked, editor_, &QPlainTextEdit::cut);
    connect(copy, &QPushButton::clicked, editor_, &QPlainTextEdit::copy);
    connect(paste, &QPushButton::clicked, editor_, &QPlainTextEdit::paste);
    connect(clean, &QPushButton::clicked, this, &TesterWindow::Clean);

    auto* settings = new QVBoxLayout;
    settings->addWidget(
        ButtonGroup(this, tr("Printing Setting"),
                    {FormButton(tr("Speed && Density && Direction"), "speedDensityDirectionButton",
                                TesterButton::SpeedDensityDirection)},
                    1));
    settings->addWidget(
        ButtonGroup(this, tr("Paper Setting"),
                    {FormButton(tr("Margin && Width && Length"), "marginWidthLengthButton",
                                TesterButton::MarginWidthLength)},
                    1));
    settings->addWidget(
        ButtonGroup(this, tr("Printer Status"),
                    {FormButton(tr("Check Printer Status"), "checkPrinterStatusButton",
                                TesterButton::CheckPrinterStatus)},
                    1));

    auto* module = ButtonGroup(
        this, tr("Printing Module"),
        {FormButton(tr("Line && Box"), "lineBoxButton", TesterButton::LineAndBox),
         FormButton(tr("1D Barcode"), "barcode1DButton", TesterButton::Barcode1D),
         FormButton(tr("2D Barcode"), "barcode2DButton", TesterButton::Barcode2D),
         FormButton(tr("Copies"), "copiesButton", TesterButton::Copies),
         FormButton(tr("Bitmap Text"), "bitmapTextButton", TesterButton::BitmapText),
         FormButton(tr("Vector Text"), "vectorTextButton", TesterButton::VectorText),
         FormButton(tr("Character Set"), "characterSetButton", TesterButton::CharacterSet)},
        2);
    auto* edit = ButtonGroup(this, tr("TORQ Command Edit"), {cut, copy, paste, clean}, 2);
    auto* twoByte = ButtonGroup(
        this, tr("2Byte Code"),
        {FormButton(tr("Print Codes"), "printCodesButton", TesterButton::PrintCodes)}, 1);
    auto* rfid =
        ButtonGroup(this, tr("RFID Write and Read"),
                    {FormButton(tr("Write"), "rfidWriteButton", TesterButton::RfidWrite),
                     FormButton(tr("Read"), "rfidReadButton", TesterButton::RfidRead),
                     FormButton(tr("Password"), "rfidPasswordButton", TesterButton::RfidPassword),
                     FormButton(tr("Security"), "rfidSecurityButton", TesterButton::RfidSecurity),
                     FormButton(tr("Kill"), "rfidKillButton", TesterButton::RfidKill)},
                    2);
    auto* editColumn = new QVBoxLayout;
    editColumn->addWidget(edit);
    editColumn->addWidget(twoByte);

    auto* groups = new QHBoxLayout;
    groups->addLayout(settings);
    groups->addWidget(module);
    groups->addLayout(editColumn);
    groups->addWidget(rfid);

    QPushButton* multiSend = Button(tr("Multi Send"), "multiSendButton");
    count_ = new StepField(0, kMostSends, this);
    count_->setObjectName(QStringLiteral("countField"));
    count_->SetDigitsOnly(true);
    count_->SetText(QStringLiteral("1"));
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("sentCounter"));
    counter_->setMinimumWidth(counter_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    QPushButton* load = Button(tr("Load"), "loadButton");
    QPushButton* save = Button(tr("Save"), "saveButton");
    QPushButton* convert = FormButton(tr("Convert"), "convertButton", TesterButton::Convert);
    QPushButton* close = Button(tr("Close"), "closeButton");
    connect(multiSend, &QPushButton::clicked, this, &TesterWindow::MultiSend);
    connect(load, &QPushButton::clicked, this, &TesterWindow::Load);
    connect(save, &QPushButton::clicked, this, &TesterWindow::Save);
    connect(close, &QPushButton::clicked, this, &TesterWindow::CloseTester);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(multiSend);
    bottom->addWidget(count_);
    bottom->addWidget(counter_);
    bottom->addStretch();
    bottom->addWidget(load);
    bottom->addWidget(save);
    bottom->addWidget(convert);
    bottom->addSpacing(12);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editorGroup, 1);
    layout->addLayout(groups);
    layout->addLayout(bottom);
}

std::optional<QByteArray> TesterWindow::EditorBytes() const {
    return PrinterText::FromEditor(editor_->document()->toRawText());
}

void TesterWindow::SetEditorBytes(const QByteArray& bytes) {
    editor_->setPlainText(PrinterText::ToEditor(bytes));
}

void TesterWindow::MultiSend() {
    const auto count =
        Validation::ReadInteger(count_->Text(), 0, kMostSends, count_, context_.messages);
    if (!count) {
        return;
    }
    const auto bytes =
        PrinterText::ReadEditor(editor_->document()->toRawText(), editor_, context_.messages);
    if (!bytes) {
        return;
    }
    for (int i = 0; i < *count; ++i) {
        if (context_.port.Write(*bytes) == 0) {
            counter_->clear();
            return;
        }
        counter_->setText(QString::number(i + 1));
        context_.pacer.KeepPainted();
    }
}

void TesterWindow::Load() {
    const QString path = context_.files.ChooseOpen(kLoadFilters);
    if (path.isEmpty()) {
        // The editor keeps its text: a cancelled choice must not cost an unsaved script.
        context_.messages.Warning(tr("Don't select load file"));
        return;
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto refuseTooLarge = [&] {
        context_.messages.Warning(tr("The file %1 is too large to load (more than %2 bytes).")
                                      .arg(shownPath)
                                      .arg(kLargestLoad));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context_.messages.Warning(tr("Cannot open the file %1.").arg(shownPath));
        return;
    }
    if (file.size() > kLargestLoad) {
        refuseTooLarge();
        return;
    }
    // One byte more than the limit shows a file that grew, or a device without a size.
    QByteArray bytes = file.read(kLargestLoad + 1);
    if (file.error() != QFileDevice::NoError) {
        context_.messages.Warning(tr("Cannot read the file %1.").arg(shownPath));
        return;
    }
    if (bytes.size() > kLargestLoad) {
        refuseTooLarge();
        return;
    }
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) {
        bytes.truncate(zero);
    }
    SetEditorBytes(bytes);
}

void TesterWindow::Save() {
    const QString path = context_.files.ChooseSave(kSaveFilters, QLatin1String(kProposedName));
    if (path.isEmpty()) {
        context_.messages.Warning(tr("Don't select save file"));
        return;
    }
    const auto bytes =
        PrinterText::ReadEditor(editor_->document()->toRawText(), editor_, context_.messages);
    if (!bytes) {
        return;
    }
    // Written beside the file and then put in its place, so a failed write leaves the old file.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        context_.messages.Warning(
            tr("Cannot write the file %1.").arg(QDir::toNativeSeparators(path)));
    }
}

void TesterWindow::Clean() {
    // Through the cursor, so that Undo can bring the text back.
    QTextCursor cursor(editor_->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void TesterWindow::CloseTester() {
    if (Validation::ReadInteger(count_->Text(), count_, context_.messages).has_value()) {
        QDialog::reject();
    }
}

void TesterWindow::reject() {
    CloseTester();
}

void TesterWindow::RunBuilder(TesterButton button) {
    const auto factory = forms_.builders.find(button);
    if (factory == forms_.builders.end() || !factory->second) {
        ShowNotYetAvailable(context_.messages);
        return;
    }
    const std::unique_ptr<CommandBuilder> builder = factory->second();
    while (true) {
        const std::unique_ptr<QDialog> form = builder->MakeForm(context_, run_, this);
        run_(*form);
        if (!builder->inserted) {
            return;
        }
        builder->inserted = false;
        AppendToEditor(torq::JoinLines(builder->Lines(), "\r\n"));
    }
}

void TesterWindow::RunForm(TesterButton button) {
    const auto factory = forms_.forms.find(button);
    if (factory == forms_.forms.end() || !factory->second) {
        ShowNotYetAvailable(context_.messages);
        return;
    }
    const std::unique_ptr<QDialog> form = factory->second(context_, run_, this);
    run_(*form);
}

void TesterWindow::AppendToEditor(const QByteArray& bytes) {
    QTextCursor cursor(editor_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(PrinterText::ToEditor(bytes));
    editor_->setTextCursor(cursor);
    editor_->ensureCursorVisible();
}
