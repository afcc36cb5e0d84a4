#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDialog>
#include <functional>
#include <vector>

#include "forms/Controls.h"
#include "forms/ToolContext.h"

class CommandBuilder;
class QComboBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StepField;

// What the builder forms share: the buttons "Test Print", "Insert to label", "Convert" and
// "Close" and what they do, and controls bound to the builder's fields. A form binds each
// control to its field as it lays the command out; reading the form copies the controls into
// the fields, and the builder composes the lines from them. "Insert to label" accepts the form;
// every other way out leaves it rejected.
class BuilderForm : public QDialog {
    Q_OBJECT
public:
    BuilderForm(CommandBuilder& builder, const ToolContext& context, QWidget* parent);

    // Read the form; send the builder's test print in one write.
    void TestPrint();
    // Read the form; accept it, so that the tester appends the lines and opens it again.
    void InsertToLabel();
    // Read the form; reject it, which ends the builder cycle.
    void CloseForm();
    void OpenConvert();

    // Entries that show the letter they write (the sample printers' font lists use them too).
    static std::vector<Controls::Entry<char>> Letters(QByteArrayView letters);

protected:
    // Copies every bound control into the builder's fields, in the order they were bound; false,
    // after the first wrong control's message and with the fields unchanged, when one is wrong.
    virtual bool ReadForm();
    // Shows the builder's fields in the bound controls.
    void ShowFields();

    // Bind a control to a field of the builder (which outlives its forms) and give it back.
    StepField* Bind(StepField* field, double& number);
    StepField* Bind(StepField* field, double& number, double low, double high);
    StepField* Bind(StepField* field, int& integer);
    // A list whose entries carry what they write (see Letters and Rotations).
    QComboBox* Bind(QComboBox* list, char& letter);
    QComboBox* Bind(QComboBox* list, int& number);
    // The text as printer bytes (see PrinterText).
    QLineEdit* Bind(QLineEdit* field, QByteArray& data);
    // Multi-line data: each line break is written as CR LF.
    QPlainTextEdit* Bind(QPlainTextEdit* field, QByteArray& data);

    // "0", "90", "180", "270": commands write the rotation as its position in this list.
    static std::vector<Controls::Entry<int>> Rotations();
    // "Off" 0, "On" 1 (a barcode's human-readable line).
    static std::vector<Controls::Entry<int>> OffOn();

    // "Convert", connected.
    QPushButton* ConvertButton();
    // The form's whole layout: `fields` above the row of buttons ("Test Print" when the form has
    // one, "Insert to label" and "Close", connected; `extra` buttons go first). Shows the fields.
    void Arrange(QLayout* fields, const QList<QWidget*>& extra, bool testPrint = true);

    const ToolContext& Context() const { return context_; }

private:
    struct Binding {
        std::function<void()> show;
        // Reads the control: what stores the value read, or nothing after the control's message.
        std::function<std::function<void()>(Messages&)> read;
    };
    template <typename Value, typename Show, typename Read>
    void AddBinding(Value& value, Show show, Read read);

    CommandBuilder& builder_;
    ToolContext context_;
    std::vector<Binding> bindings_;
};
