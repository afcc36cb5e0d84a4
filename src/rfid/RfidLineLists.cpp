#include "rfid/RfidLineLists.h"

#include <QComboBox>

#include "forms/Controls.h"
#include "rfid/RfidCommands.h"
#include "rfid/RfidWriteBuilder.h"

namespace {

QComboBox* Numbers(QWidget* parent, const char* name, int from, int to) {
    std::vector<Controls::Entry<int>> entries;
    for (int n = from; n <= to; ++n) {
        entries.push_back({QString::number(n), n});
    }
    return Controls::List(parent, name, entries);
}

}  // namespace

QComboBox* RfidLineLists::DataTypes(QWidget* parent) {
    using DataType = RfidCommands::DataType;
    return Controls::List(
        parent, "dataTypeList",
        std::vector<Controls::Entry<DataType>>{{QStringLiteral("H"), DataType::Hex},
                                               {QStringLiteral("A"), DataType::Ascii}});
}

QComboBox* RfidLineLists::StartBlocks(QWidget* parent) {
    return Numbers(parent, "startBlockList", RfidWriteBuilder::kFirstBlock,
                   RfidWriteBuilder::kLastBlock);
}

QComboBox* RfidLineLists::ByteCounts(QWidget* parent) {
    return Numbers(parent, "byteCountList", 1, RfidWriteBuilder::kCells);
}
