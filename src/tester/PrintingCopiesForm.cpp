#include "tester/PrintingCopiesForm.h"

#include <QHBoxLayout>

#include "tester/CommandLayout.h"
#include "tester/PrintingCopiesBuilder.h"
#include "tester/StepField.h"

PrintingCopiesForm::PrintingCopiesForm(PrintingCopiesBuilder& builder, const ToolContext& context,
                                       QWidget* parent)
    : BuilderForm(builder, context, parent) {
    setWindowTitle(tr("Printing Copies"));
    CommandLayout command(this, QStringLiteral("P"));
    // The two numbers have no captions of their own; assistive technology still names them.
    StepField* first = Bind(StepField::Make(this, "firstField", 0, 100), builder.first);
    first->setAccessibleName(tr("First number"));
    command.Add(QString(), first);
    StepField* second = Bind(StepField::Make(this, "secondField", 0, 100), builder.second);
    second->setAccessibleName(tr("Second number"));
    command.Add(QString(), second);
    // The two numbers stay together, as they read in the command.
    auto* row = new QHBoxLayout;
    row->addLayout(command.Layout());
    row->addStretch(1);
    Arrange(row, {}, false);
}
