#include "tester/BlockDrawForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "tester/BlockDrawBuilder.h"
#include "tester/CommandLayout.h"
#include "tester/StepField.h"

BlockDrawForm::BlockDrawForm(BlockDrawBuilder& builder, const ToolContext& context, QWidget* parent)
    : BuilderForm(builder, context, parent) {
    setWindowTitle(tr("Block Draw Command"));
    torq::BlockDraw& f = builder.fields;
    CommandLayout command(this, QStringLiteral("BD"));
    command.Add(tr("Start X"), Bind(StepField::Make(this, "startXField", 0, 1000), f.startX));
    command.Add(tr("Start Y"), Bind(StepField::Make(this, "startYField", 0, 1000), f.startY));
    command.Add(tr("End X"), Bind(StepField::Make(this, "endXField", 0, 1000), f.endX));
    endYField_ = Bind(StepField::Make(this, "endYField", 0, 1000), f.endY);
    command.Add(tr("End Y"), endYField_);
    kindList_ = Bind(Controls::List(this, QStringLiteral("kindList"), Letters("OEDSB")), f.kind);
    command.Add(tr("Type"), kindList_);
    extraField_ = Bind(StepField::Make(this, "extraField", 0, 1000), f.extra);
    command.Add(tr("Optional"), extraField_);

    Arrange(command.Layout(), {ConvertButton()});
    extraField_->setEnabled(BlockDrawBuilder::HasExtra(f.kind));
    // Connected once the builder's values are shown, so that showing a reopened form's kind
    // does not replace its extra number and end Y.
    connect(kindList_, &QComboBox::currentIndexChanged, this, &BlockDrawForm::KindChosen);
}

void BlockDrawForm::KindChosen() {
    const char kind = Controls::Chosen<char>(kindList_);
    const BlockDrawBuilder::KindValues values = BlockDrawBuilder::ValuesFor(kind);
    extraField_->setEnabled(BlockDrawBuilder::HasExtra(kind));
    extraField_->SetText(QString::number(values.extra));
    endYField_->SetNumber(values.endY);
}
