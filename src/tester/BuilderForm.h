#pragma once

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#include "forms/ToolContext.h"
#include "tester/FormRunner.h"

class CommandBuilder;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class StepField;

// What the builder forms share: the buttons "Test Print", "Insert to label", "Convert" and
// "Close" and what they do. A form reads its controls into its builder's fields (ReadForm) and
// shows the fields in its controls; the builder composes the lines.
class BuilderForm : public QDialog {
    Q_OBJECT
public:
    BuilderForm(CommandBuilder& builder, const ToolContext& context, FormRunner run,
                QWidget* parent);

    // Read the form; send the test print in one write.
    void TestPrint();
    // Read the form; leave it for the tester to append the lines and open it again.
    void InsertToLabel();
    // Read the form; leave it, which ends the builder cycle.
    void CloseForm();
    void OpenConvert();

protected:
    // Copies every control into the builder's fields; false, after the field's message and with
    // the fields unchanged, when one is wrong.
    virtual bool ReadForm() = 0;

    QPushButton* Button(const QString& text, const char* name);
    // "Test Print" (when the form has one), "Insert to label" and "Close", connected; `extra`
    // buttons go first.
    QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> extra, bool testPrint = true);
    StepField* Step(const char* name, int low, int high);
    QComboBox* List(const char* name, const QStringList& items);

    const ToolContext& Context() const { return context_; }
    const FormRunner& Run() const { return run_; }

private:
    CommandBuilder& builder_;
    ToolContext context_;
    FormRunner run_;
};
