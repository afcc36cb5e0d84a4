#pragma once

#include <QDialog>

#include "forms/ToolContext.h"
#include "tester/TesterForms.h"

class LabelPreviewPane;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class StepField;

// "TORQ Tester": a free-text editor of printer commands, sent to the printer a chosen number of
// times, kept in files, and filled by the builder forms it opens.
class TesterWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMostSends = 10000;

    // Every form it opens runs through `context.run`.
    explicit TesterWindow(const ToolContext& context, QWidget* parent = nullptr,
                          TesterForms forms = StandardTesterForms());

    // The editor's text as bytes; nothing when it holds a character that has no byte.
    std::optional<QByteArray> EditorBytes() const;
    void SetEditorBytes(const QByteArray& bytes);

    void MultiSend();
    void Load();
    void Save();
    void Clean();
    void CloseTester();
    void reject() override;
    // Shows or hides the label preview beside the editor; the window grows to make room for it
    // and gives the room back.
    void ShowPreview(bool shown);

    // The builder cycle of one button.
    void RunBuilder(TesterButton button);
    // A form that inserts nothing.
    void RunForm(TesterButton button);

private:
    void BuildForm();
    QPushButton* FormButton(const QString& text, const char* name, TesterButton button);
    void AppendToEditor(const QByteArray& bytes);
    void UpdatePreview();

    ToolContext context_;
    TesterForms forms_;
    QPlainTextEdit* editor_ = nullptr;
    StepField* count_ = nullptr;
    QLabel* counter_ = nullptr;
    QSplitter* splitter_ = nullptr;
    LabelPreviewPane* preview_ = nullptr;
    QPushButton* previewButton_ = nullptr;
};
