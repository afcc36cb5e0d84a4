#include "tester/BuilderForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "link/PrinterPort.h"
#include "tester/CommandBuilder.h"
#include "tester/ConvertUnitForm.h"
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

QPushButton* BuilderForm::Button(const QString& text, const char* name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    // Enter in a field must not press a button by surprise.
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* BuilderForm::ButtonRow(std::initializer_list<QPushButton*> extra, bool testPrint) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : extra) {
        row->addWidget(button);
    }
    row->addStretch();
    if (testPrint) {
        QPushButton* print = Button(tr("Test Print"), "testPrintButton");
        connect(print, &QPushButton::clicked, this, &BuilderForm::TestPrint);
        row->addWidget(print);
    }
    QPushButton* insert = Button(tr("Insert to label"), "insertButton");
    QPushButton* close = Button(tr("Close"), "closeButton");
    connect(insert, &QPushButton::clicked, this, &BuilderForm::InsertToLabel);
    connect(close, &QPushButton::clicked, this, &BuilderForm::CloseForm);
    row->addWidget(insert);
    row->addWidget(close);
    return row;
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
