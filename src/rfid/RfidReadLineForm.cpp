#include "rfid/RfidReadLineForm.h"

#include <QComboBox>
#include <QHBoxLayout>

#include "rfid/RfidLineLists.h"
#include "rfid/RfidReadBuilder.h"
#include "tester/CommandLayout.h"

RfidReadLineForm::RfidReadLineForm(RfidReadBuilder& builder, const ToolContext& context,
                                   QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("RFID Read"));
    using Output = RfidCommands::Output;
    typeList_ = RfidLineLists::DataTypes(this);
    startList_ = RfidLineLists::StartBlocks(this);
    countList_ = RfidLineLists::ByteCounts(this);
    outputList_ =
        Controls::List(this, "outputList",
                       std::vector<Controls::Entry<Output>>{{QStringLiteral("S"), Output::Send},
                                                            {QStringLiteral("P"), Output::Print}});

    CommandLayout command(this, QStringLiteral(">RFR,"));
    command.Add(tr("Data Type"), typeList_);
    command.Add(tr("Start Block Number"), startList_);
    command.Add(tr("Number of Byte"), countList_);
    command.Add(tr("Output Type"), outputList_);
    Arrange(command.Layout(), {}, false);

    Controls::Choose(typeList_, QVariant::fromValue(builder_.type));
    Controls::Choose(startList_, QVariant::fromValue(builder_.start));
    Controls::Choose(countList_, QVariant::fromValue(builder_.count));
    Controls::Choose(outputList_, QVariant::fromValue(builder_.output));
}

bool RfidReadLineForm::ReadForm() {
    builder_.type = Controls::Chosen<RfidCommands::DataType>(typeList_);
    builder_.start = Controls::Chosen<int>(startList_);
    builder_.count = Controls::Chosen<int>(countList_);
    builder_.output = Controls::Chosen<RfidCommands::Output>(outputList_);
    return true;
}
