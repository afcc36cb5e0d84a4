#include "rfid/RfidWriteLineForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "forms/Messages.h"
#include "rfid/DataCellGrid.h"
#include "rfid/RfidLineLists.h"
#include "rfid/RfidWriteBuilder.h"
#include "tester/CommandLayout.h"

RfidWriteLineForm::RfidWriteLineForm(RfidWriteBuilder& builder, const ToolContext& context,
                                     QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("RFID Write"));
    typeList_ = RfidLineLists::DataTypes(this);
    startList_ = RfidLineLists::StartBlocks(this);
    countList_ = RfidLineLists::ByteCounts(this);
    grid_ = new DataCellGrid(this, RfidWriteBuilder::kCells, RfidWriteBuilder::kCells);
    connect(grid_, &DataCellGrid::Edited, this, &RfidWriteLineForm::CellEdited);

    CommandLayout command(this, QStringLiteral(">RFW,"));
    command.Add(tr("Data Type"), typeList_);
    command.Add(tr("Start Block Number"), startList_);
    command.Add(tr("Number of Byte"), countList_);
    command.AddData(grid_);

    setDataButton_ =
        Controls::Button(this, tr("Set Data"), "setDataButton", this, &RfidWriteLineForm::SetData);
    resetDataButton_ = Controls::Button(this, tr("Reset Data"), "resetDataButton", this,
                                        &RfidWriteLineForm::ResetData);
    Arrange(command.Layout(), {setDataButton_, resetDataButton_}, false);

    if (builder_.reopened) {
        LayOutCells();
    } else {
        FreeCells();
    }
    Refresh();
}

bool RfidWriteLineForm::ReadForm() {
    builder_.type = Controls::Chosen<RfidCommands::DataType>(typeList_);
    builder_.start = Controls::Chosen<int>(startList_);
    builder_.count = Controls::Chosen<int>(countList_);
    builder_.cells = grid_->Texts();
    return true;
}

void RfidWriteLineForm::Refresh() {
    Controls::Choose(typeList_, QVariant::fromValue(builder_.type));
    Controls::Choose(startList_, QVariant::fromValue(builder_.start));
    Controls::Choose(countList_, QVariant::fromValue(builder_.count));
    grid_->SetTexts(builder_.cells);
}

bool RfidWriteLineForm::RangeFits() {
    if (builder_.RangeFits()) {
        return true;
    }
    Context().messages.Information(
        tr("Invalid value!\nPlease check StartBlockNumber and Number of bytes."));
    return false;
}

void RfidWriteLineForm::SetData() {
    ReadForm();
    if (!RangeFits()) {
        return;
    }
    builder_.cells = QStringList(RfidWriteBuilder::kCells, QString());
    LayOutCells();
    Refresh();
}

void RfidWriteLineForm::ResetData() {
    builder_.Reset();
    FreeCells();
    Refresh();
}

void RfidWriteLineForm::LayOutCells() {
    grid_->SetCharsPerCell(builder_.CharsPerCell());
    grid_->EnableRange(builder_.FirstCell(), builder_.LastCell());
    resetDataButton_->setEnabled(true);
    SetChoicesEnabled(false);
}

void RfidWriteLineForm::FreeCells() {
    grid_->EnableRange(0, -1);
    resetDataButton_->setEnabled(false);
    SetChoicesEnabled(true);
}

void RfidWriteLineForm::SetChoicesEnabled(bool enabled) {
    setDataButton_->setEnabled(enabled);
    for (QComboBox* list : {typeList_, startList_, countList_}) {
        list->setEnabled(enabled);
    }
}

void RfidWriteLineForm::CellEdited(int number) {
    ReadForm();
    Refresh();
    // A full cell hands the typing on to the next cell of the range; the last cell keeps it.
    if (number >= RfidWriteBuilder::kCells ||
        builder_.cells[number - 1].size() < builder_.CharsPerCell()) {
        return;
    }
    if (QLineEdit* next = grid_->Cell(number + 1); next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
    }
}

void RfidWriteLineForm::accept() {
    // Without "Set Data" the range has not been checked yet.
    if (!RangeFits() ||
        !DataCellGrid::DataText(builder_.cells, builder_.type, Context().messages)) {
        return;
    }
    BuilderForm::accept();
}
