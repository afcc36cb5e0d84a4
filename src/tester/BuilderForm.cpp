#include "tester/BuilderForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "forms/Controls.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"
#include "tester/CommandBuilder.h"
#include "tester/ConvertUnitForm.h"
#include "tester/PrinterText.h"
#include "tester/StepField.h"

BuilderForm::BuilderForm(CommandBuilder& builder, const ToolContext& context, FormRunner run,
                         QWidget* parent)
    : QDialog(parent), builder_(builder), context_(context), run_(std::move(run)) {}

void BuilderForm::TestPrint() {
    if (ReadForm()) {
        context_.port.Write(builder_.TestPrintBytes());
    }
}

void BuilderForm::InsertToLabel() {
    if (ReadForm()) {
        builder_.inserted = true;
        builder_.reopened = true;
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
    run_(form);
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

QComboBox* BuilderForm::Bind(QComboBox* list, int& position) {
    AddBinding(
        position, [list](int value) { list->setCurrentIndex(value); },
        [list](Messages&) { return std::optional<int>(list->currentIndex()); });
    return list;
}

QLineEdit* BuilderForm::Bind(QLineEdit* field, QByteArray& bytes) {
    AddBinding(
        bytes, [field](const QByteArray& value) { field->setText(PrinterText::ToField(value)); },
        [field](Messages& messages) {
            return PrinterText::ReadField(field->text(), field, messages);
        });
    return field;
}

StepField* BuilderForm::Step(const char* name, int low, int high) {
    auto* field = new StepField(low, high, this);
    field->setObjectName(QLatin1String(name));
    return field;
}

QComboBox* BuilderForm::List(const char* name, const QStringList& items) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    return list;
}

QLineEdit* BuilderForm::TextField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    return field;
}

QPushButton* BuilderForm::Button(const QString& text, const char* name) {
    return Controls::Button(this, text, name);
}

QPushButton* BuilderForm::ConvertButton() {
    QPushButton* convert = Button(tr("Convert"), "convertButton");
    connect(convert, &QPushButton::clicked, this, &BuilderForm::OpenConvert);
    return convert;
}

void BuilderForm::Arrange(QLayout* fields, const QList<QWidget*>& extra, bool testPrint) {
    QList<QWidget*> right;
    if (testPrint) {
        QPushButton* print = Button(tr("Test Print"), "testPrintButton");
        connect(print, &QPushButton::clicked, this, &BuilderForm::TestPrint);
        right << print;
    }
    QPushButton* insert = Button(tr("Insert to label"), "insertButton");
    QPushButton* close = Button(tr("Close"), "closeButton");
    connect(insert, &QPushButton::clicked, this, &BuilderForm::InsertToLabel);
    connect(close, &QPushButton::clicked, this, &BuilderForm::CloseForm);
    right << insert << close;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(Controls::Row(extra, right));
    ShowFields();
}
