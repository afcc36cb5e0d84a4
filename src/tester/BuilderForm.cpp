#include "tester/BuilderForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/PrinterText.h"
#include "forms/PrinterTextInput.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"
#include "tester/CommandBuilder.h"
#include "tester/ConvertUnitForm.h"
#include "tester/StepField.h"

BuilderForm::BuilderForm(CommandBuilder& builder, const ToolContext& context, QWidget* parent)
    : QDialog(parent), builder_(builder), context_(context) {}

void BuilderForm::TestPrint() {
    if (ReadForm()) {
        context_.port.Write(builder_.TestPrintBytes());
    }
}

void BuilderForm::InsertToLabel() {
    if (ReadForm()) {
        accept();
    }
}

void BuilderForm::CloseForm() {
    if (ReadForm()) {
        reject();
    }
}

void BuilderForm::OpenConvert() {
    ConvertUnitForm form(context_, this);
    context_.run(form);
}

bool BuilderForm::ReadForm() {
    // Every control is read before any field changes, so a wrong one leaves them all as they were.
    std::vector<std::function<void()>> stores;
    for (const Binding& binding : bindings_) {
        std::function<void()> store = binding.read(context_.messages);
        if (!store) {
            return false;
        }
        stores.push_back(std::move(store));
    }
    for (const auto& store : stores) {
        store();
    }
    return true;
}

void BuilderForm::ShowFields() {
    for (const Binding& binding : bindings_) {
        binding.show();
    }
}

template <typename Value, typename Show, typename Read>
void BuilderForm::AddBinding(Value& value, Show show, Read read) {
    bindings_.push_back({[&value, show] { show(value); },
                         [&value, read](Messages& messages) -> std::function<void()> {
                             std::optional<Value> taken = read(messages);
                             if (!taken) {
                                 return {};
                             }
                             return [&value, taken = std::move(*taken)] { value = taken; };
                         }});
}

StepField* BuilderForm::Bind(StepField* field, double& number) {
    AddBinding(
        number, [field](double value) { field->SetNumber(value); },
        [field](Messages& messages) {
            return Validation::ReadNumber(field->Text(), field, messages);
        });
    return field;
}

StepField* BuilderForm::Bind(StepField* field, double& number, double low, double high) {
    AddBinding(
        number, [field](double value) { field->SetNumber(value); },
        [field, low, high](Messages& messages) {
            return Validation::ReadNumber(field->Text(), low, high, field, messages);
        });
    return field;
}

StepField* BuilderForm::Bind(StepField* field, int& integer) {
    AddBinding(
        integer, [field](int value) { field->SetText(QString::number(value)); },
        [field](Messages& messages) {
            return Validation::ReadInteger(field->Text(), field, messages);
        });
    return field;
}

QComboBox* BuilderForm::Bind(QComboBox* list, char& letter) {
    AddBinding(
        letter, [list](char value) { Controls::Choose(list, QVariant::fromValue(value)); },
        [list](Messages&) { return std::optional<char>(Controls::Chosen<char>(list)); });
    return list;
}

QComboBox* BuilderForm::Bind(QComboBox* list, int& number) {
    AddBinding(
        number, [list](int value) { Controls::Choose(list, QVariant::fromValue(value)); },
        [list](Messages&) { return std::optional<int>(Controls::Chosen<int>(list)); });
    return list;
}

QLineEdit* BuilderForm::Bind(QLineEdit* field, QByteArray& bytes) {
    AddBinding(
        bytes, [field](const QByteArray& value) { field->setText(PrinterText::ToField(value)); },
        [field](Messages& messages) -> std::optional<QByteArray> {
            // A line end inside the data would end the command there and send the rest of the
            // data as commands of their own.
            if (field->text().contains(QLatin1Char('\r')) ||
                field->text().contains(QLatin1Char('\n'))) {
                messages.Warning(
                    tr("The data holds a line break, which would end the command "
                       "early.\nPlease keep the data on one line."));
                field->setFocus();
                return std::nullopt;
            }
            return PrinterTextInput::ReadField(field->text(), field, messages);
        });
    return field;
}

QPlainTextEdit* BuilderForm::Bind(QPlainTextEdit* field, QByteArray& bytes) {
    AddBinding(
        bytes,
        [field](const QByteArray& value) { field->setPlainText(PrinterText::ToEditor(value)); },
        [field](Messages& messages) {
            return PrinterTextInput::ReadEditor(field->document()->toRawText(), field, messages);
        });
    return field;
}

std::vector<Controls::Entry<char>> BuilderForm::Letters(QByteArrayView letters) {
    std::vector<Controls::Entry<char>> entries;
    for (const char letter : letters) {
        entries.push_back({QString(QLatin1Char(letter)), letter});
    }
    return entries;
}

std::vector<Controls::Entry<int>> BuilderForm::Rotations() {
    return {{QStringLiteral("0"), 0},
            {QStringLiteral("90"), 1},
            {QStringLiteral("180"), 2},
            {QStringLiteral("270"), 3}};
}

std::vector<Controls::Entry<int>> BuilderForm::OffOn() {
    return {{tr("Off"), 0}, {tr("On"), 1}};
}

QPushButton* BuilderForm::ConvertButton() {
    return Controls::Button(this, tr("Convert"), QStringLiteral("convertButton"), this,
                            &BuilderForm::OpenConvert);
}

void BuilderForm::Arrange(QLayout* fields, const QList<QWidget*>& extra, bool testPrint) {
    QList<QWidget*> right;
    if (testPrint) {
        right << Controls::Button(this, tr("Test Print"), QStringLiteral("testPrintButton"), this,
                                  &BuilderForm::TestPrint);
    }
    right << Controls::Button(this, tr("Insert to label"), QStringLiteral("insertButton"), this,
                              &BuilderForm::InsertToLabel)
          << Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this,
                              &BuilderForm::CloseForm);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(Controls::Row(extra, right));
    ShowFields();
}
