#include "rfid/RfidReadForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "rfid/DataCellGrid.h"
#include "rfid/RfidCommands.h"
#include "rfid/TagAreaControls.h"

RfidReadForm::RfidReadForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context), protocol_(context.port, context.pacer) {
    setWindowTitle(tr("RFID Read"));

    auto* group = new QGroupBox(tr("RFID Read"), this);
    group->setObjectName(QStringLiteral("readGroup"));
    areaControls_ = new TagAreaControls(group);
    connect(areaControls_, &TagAreaControls::MemoryChosen, this, [this] { ReadForm(); });
    grid_ = new DataCellGrid(group, TagCells::kCount, TagCells::kPerRow);
    grid_->SetReadOnly(true);

    QHBoxLayout* memoryRow = areaControls_->MemoryRow();
    memoryRow->addWidget(
        Controls::Button(group, tr("Read"), "readButton", this, &RfidReadForm::Read));
    memoryRow->addWidget(
        Controls::Button(group, tr("Print"), "printButton", this, &RfidReadForm::Print));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(areaControls_->KindRow());
    groupLayout->addLayout(areaControls_->RangeRow(group));
    groupLayout->addLayout(memoryRow);
    groupLayout->addSpacing(4);
    groupLayout->addWidget(grid_);

    auto* close = Controls::Button(this, tr("Close"), "closeButton", this, [this] {
        ReadForm();
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(Controls::Row({}, {close}));

    ShowFields();
}

void RfidReadForm::ReadForm() {
    area_ = areaControls_->Read();
}

void RfidReadForm::ShowFields() {
    areaControls_->Show(area_);
    grid_->SetTexts(QStringList(cells_.begin(), cells_.end()));
}

void RfidReadForm::Read() {
    ReadForm();
    if (!TagAreaControls::RangeFits(area_, context_.messages)) {
        return;
    }
    const int expected = RfidCommands::ReplyLength(area_.type, area_.count);
    const RfidProtocol::Reply reply =
        protocol_.ReadTag(RfidCommands::ReadData(area_.kind, area_.memory, area_.type, area_.start,
                                                 area_.count, RfidCommands::Output::Send),
                          expected);
    if (reply.count == 0) {
        context_.messages.Warning(tr("Reading data is faied"));
        return;
    }
    cells_ = TagCells::FromReply(reply.text, expected, area_.type, area_.start);
    ShowFields();
    context_.messages.Information(tr("Reading data is successful"));
}

void RfidReadForm::Print() {
    // The same memory of the same kind of tag as a read, printed instead of sent back.
    ReadForm();
    if (!TagAreaControls::RangeFits(area_, context_.messages)) {
        return;
    }
    protocol_.Send(RfidCommands::ReadData(area_.kind, area_.memory, area_.type, area_.start,
                                          area_.count, RfidCommands::Output::Print));
}
