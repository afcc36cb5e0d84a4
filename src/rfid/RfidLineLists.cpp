#include "rfid/RfidLineLists.h"

#include <QComboBox>

#include "forms/Controls.h"
#include "rfid/RfidCommands.h"
#include "rfid/RfidWriteBuilder.h"

QComboBox* RfidLineLists::DataTypes(QWidget* parent) {
    using DataType = RfidCommands::DataType;
    return Controls::List(
        parent, "dataTypeList",
        std::vector<Controls::Entry<DataType>>{{QStringLiteral("H"), DataType::Hex},
                                               {QStringLiteral("A"), DataType::Ascii}});
}

QComboBox* RfidLineLists::StartBlocks(QWidget* parent) {
    return Controls::NumberList(parent, "startBlockList", RfidWriteBuilder::kFirstBlock,
                                RfidWriteBuilder::kLastBlock);
}

QComboBox* RfidLineLists::ByteCounts(QWidget* parent) {
    return Controls::NumberList(parent, "byteCountList", 1, RfidWriteBuilder::kCells);
}
