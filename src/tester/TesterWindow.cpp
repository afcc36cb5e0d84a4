#include "tester/TesterWindow.h"

#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/BoxMessages.h"
#include "forms/Controls.h"
#include "forms/FileChooser.h"
#include "forms/Pacer.h"
#include "forms/PrinterText.h"
#include "forms/PrinterTextInput.h"
#include "forms/Validation.h"
#include "forms/ValueLabel.h"
#include "link/PrinterPort.h"
#include "preview/LabelPreviewPane.h"
#include "tester/ScriptFile.h"
#include "tester/StepField.h"
#include "tester/TorqCommand.h"

namespace {

// A Qt name filter: the description is translated, the patterns after it are not.
QString NameFilter(const QString& description, const char* patterns) {
    return description + QLatin1String(" (") + QLatin1String(patterns) + QLatin1Char(')');
}

QStringList LoadFilters() {
    return {NameFilter(TesterWindow::tr("All files(*.*)"), "*.*"),
            NameFilter(TesterWindow::tr("Text files(*.txt)"), "*.txt"),
            NameFilter(TesterWindow::tr("Binary files(*.bin)"), "*.bin")};
}

QStringList SaveFilters() {
    return {NameFilter(TesterWindow::tr("All files(*.*)"), "*.*"),
            NameFilter(TesterWindow::tr("Text files(*.txt)"), "*.txt")};
}

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

TesterWindow::TesterWindow(const ToolContext& context, QWidget* parent, TesterForms forms)
    : QDialog(parent), context_(context), forms_(std::move(forms)) {
    setWindowTitle(tr("TORQ Tester"));
    BuildForm();
}

QPushButton* TesterWindow::FormButton(const QString& text, const char* name, TesterButton button) {
    return Controls::Button(this, text, QLatin1String(name), this, [this, button] {
        if (forms_.forms.contains(button)) {
            RunForm(button);
        } else {
            RunBuilder(button);
        }
    });
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

    QPushButton* cut = Controls::Button(this, tr("Cut"), QStringLiteral("cutButton"), editor_,
                                        &QPlainTextEdit::cut);
    QPushButton* copy = Controls::Button(this, tr("Copy"), QStringLiteral("copyButton"), editor_,
                                         &QPlainTextEdit::copy);
    QPushButton* paste = Controls::Button(this, tr("Paste"), QStringLiteral("pasteButton"), editor_,
                                          &QPlainTextEdit::paste);
    QPushButton* clean = Controls::Button(this, tr("Clean"), QStringLiteral("cleanButton"), this,
                                          &TesterWindow::Clean);

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

    QPushButton* multiSend = Controls::Button(
        this, tr("Multi Send"), QStringLiteral("multiSendButton"), this, &TesterWindow::MultiSend);
    count_ = StepField::Make(this, "countField", 0, kMostSends);
    count_->SetDigitsOnly(true);
    count_->SetText(QStringLiteral("1"));
    counter_ = ValueLabel::Make(this, "sentCounter");
    counter_->setMinimumWidth(counter_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    QPushButton* load =
        Controls::Button(this, tr("Load"), QStringLiteral("loadButton"), this, &TesterWindow::Load);
    QPushButton* save =
        Controls::Button(this, tr("Save"), QStringLiteral("saveButton"), this, &TesterWindow::Save);
    QPushButton* convert = FormButton(tr("Convert"), "convertButton", TesterButton::Convert);
    previewButton_ = Controls::Button(this, tr("Preview"), QStringLiteral("previewButton"));
    previewButton_->setCheckable(true);
    connect(previewButton_, &QPushButton::toggled, this, &TesterWindow::ShowPreview);
    QPushButton* close = Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this,
                                          &TesterWindow::CloseTester);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(multiSend);
    bottom->addWidget(count_);
    bottom->addWidget(counter_);
    bottom->addStretch();
    bottom->addWidget(load);
    bottom->addWidget(save);
    bottom->addWidget(convert);
    bottom->addWidget(previewButton_);
    bottom->addSpacing(12);
    bottom->addWidget(close);

    // The whole form on one side, the label preview (hidden until asked for) on the other.
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("testerForm"));
    auto* formLayout = new QVBoxLayout(form);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(editorGroup, 1);
    formLayout->addLayout(groups);
    formLayout->addLayout(bottom);
    preview_ = new LabelPreviewPane(this);
    preview_->setObjectName(QStringLiteral("previewPane"));
    preview_->hide();
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("previewSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(form);
    splitter_->addWidget(preview_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_);
    connect(editor_, &QPlainTextEdit::textChanged, this, &TesterWindow::UpdatePreview);
}

void TesterWindow::ShowPreview(bool shown) {
    if (shown == preview_->isVisibleTo(this)) {
        return;
    }
    const QSignalBlocker quiet(previewButton_);
    previewButton_->setChecked(shown);
    const int handle = splitter_->handleWidth();
    if (shown) {
        UpdatePreview();
        preview_->RenderNow();
        preview_->show();
        // Before the window first shows, its layout gives every side the size it asks for.
        if (isVisible() && !isMaximized() && !isFullScreen()) {
            const int room = preview_->sizeHint().width();
            const int formWidth = splitter_->widget(0)->width();
            resize(width() + room + handle, height());
            splitter_->setSizes({formWidth, room});
        }
    } else {
        const int room = preview_->width();
        preview_->hide();
        // The window's smallest size still counts the pane until the splitter and the layout
        // are redone.
        splitter_->refresh();
        layout()->activate();
        if (isVisible() && !isMaximized() && !isFullScreen()) {
            resize(std::max(minimumWidth(), width() - room - handle), height());
        }
    }
}

void TesterWindow::UpdatePreview() {
    if (!previewButton_->isChecked()) {
        return;
    }
    // The bytes Multi Send would send; a character without a byte is named, not sent anywhere.
    const QString raw = editor_->document()->toRawText();
    const auto bytes = PrinterText::FromEditor(raw);
    if (bytes) {
        preview_->SetScript(*bytes);
    } else {
        preview_->ShowNotice(PrinterText::RefusalText(PrinterText::UnsendableInEditor(raw)));
    }
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
        PrinterTextInput::ReadEditor(editor_->document()->toRawText(), editor_, context_.messages);
    if (!bytes) {
        return;
    }
    // One transfer: a printer lost halfway must not receive the later copies afresh.
    context_.port.SetKeepOpen(true);
    for (int i = 0; i < *count; ++i) {
        if (context_.port.Write(*bytes) == 0) {
            counter_->clear();
            break;
        }
        counter_->setText(QString::number(i + 1));
        context_.pacer.KeepPainted();
    }
    context_.port.SetKeepOpen(false);
}

void TesterWindow::Load() {
    const QString path = context_.files.ChooseOpen(LoadFilters());
    if (path.isEmpty()) {
        // The editor keeps its text: a cancelled choice must not cost an unsaved script.
        context_.messages.Warning(tr("Don't select load file"));
        return;
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    const ScriptFile::Loaded loaded = ScriptFile::Load(path);
    switch (loaded.result) {
        case ScriptFile::LoadResult::Done:
            SetEditorBytes(loaded.bytes);
            break;
        case ScriptFile::LoadResult::CannotOpen:
            context_.messages.Warning(tr("Cannot open the file %1.").arg(shownPath));
            break;
        case ScriptFile::LoadResult::TooLarge:
            context_.messages.Warning(tr("The file %1 is too large to load (more than %2 bytes).")
                                          .arg(shownPath)
                                          .arg(ScriptFile::kLargestLoad));
            break;
        case ScriptFile::LoadResult::CannotRead:
            context_.messages.Warning(tr("Cannot read the file %1.").arg(shownPath));
            break;
    }
}

void TesterWindow::Save() {
    const QString path = context_.files.ChooseSave(SaveFilters(), QLatin1String(kProposedName));
    if (path.isEmpty()) {
        context_.messages.Warning(tr("Don't select save file"));
        return;
    }
    const auto bytes =
        PrinterTextInput::ReadEditor(editor_->document()->toRawText(), editor_, context_.messages);
    if (!bytes) {
        return;
    }
    if (!ScriptFile::Save(path, *bytes)) {
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
    if (factory == forms_.builders.end() || !factory->second.builder || !factory->second.form) {
        ShowNotYetAvailable(context_.messages);
        return;
    }
    const BuilderEntry& entry = factory->second;
    const std::unique_ptr<CommandBuilder> builder = entry.builder();
    // Each insertion opens the form again, until it is left another way.
    for (auto opening = CommandBuilder::Opening::First;; opening = CommandBuilder::Opening::Again) {
        builder->BeginOpening(opening);
        const std::unique_ptr<QDialog> form = entry.form(*builder, context_, this);
        if (context_.run(*form) != QDialog::Accepted) {
            return;
        }
        AppendToEditor(torq::JoinLines(builder->Lines(), "\r\n"));
    }
}

void TesterWindow::RunForm(TesterButton button) {
    const auto factory = forms_.forms.find(button);
    if (factory == forms_.forms.end() || !factory->second) {
        ShowNotYetAvailable(context_.messages);
        return;
    }
    const std::unique_ptr<QDialog> form = factory->second(context_, this);
    context_.run(*form);
}

void TesterWindow::AppendToEditor(const QByteArray& bytes) {
    QTextCursor cursor(editor_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(PrinterText::ToEditor(bytes));
    editor_->setTextCursor(cursor);
    editor_->ensureCursorVisible();
}
