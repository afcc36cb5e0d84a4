#include "rfid/TagAreaControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "forms/Controls.h"
#include "forms/Messages.h"

namespace {

using DataType = RfidCommands::DataType;
using Memory = RfidCommands::Memory;
using TagKind = RfidCommands::TagKind;

}  // namespace

TagAreaControls::TagAreaControls(QWidget* parent) : QObject(parent) {
    label = Controls::Radio(parent, tr("Label"), "labelRadio");
    metal = Controls::Radio(parent, tr("Metal"), "metalRadio");
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(label);
    kinds->addButton(metal);
    epc = Controls::Radio(parent, tr("EPC Data :"), "epcDataRadio");
    user = Controls::Radio(parent, tr("User Data"), "userDataRadio");
    auto* memories = new QButtonGroup(this);
    memories->addButton(epc);
    memories->addButton(user);
    connect(memories, &QButtonGroup::buttonClicked, this, [this] {
        SetListsEnabled(listsEnabled_);
        emit MemoryChosen();
    });
    dataType = Controls::List(parent, "dataTypeList",
                              std::vector<Controls::Entry<DataType>>{
                                  {tr("Hex"), DataType::Hex}, {tr("ASCII"), DataType::Ascii}});
    dataType->setAccessibleName(tr("Data type"));
    startBlock = Controls::NumberList(parent, "startBlockList", 0, TagCells::kStartBlocks - 1);
    byteCount = Controls::NumberList(parent, "byteCountList", TagCells::kMinimumBytes,
                                     TagCells::kMaximumBytes);
}

QHBoxLayout* TagAreaControls::KindRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(metal);
    row->addStretch();
    return row;
}

QHBoxLayout* TagAreaControls::MemoryRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(epc);
    row->addWidget(dataType);
    row->addSpacing(24);
    row->addWidget(user);
    row->addStretch();
    return row;
}

QHBoxLayout* TagAreaControls::RangeRow(QWidget* parent) const {
    auto* row = new QHBoxLayout;
    const std::pair<QString, QComboBox*> lists[] = {{tr("Start Block Number :"), startBlock},
                                                    {tr("Nuber of bytes :"), byteCount}};
    for (const auto& [text, list] : lists) {
        auto* caption = new QLabel(text, parent);
        caption->setBuddy(list);
        row->addWidget(caption);
        row->addWidget(list);
        row->addSpacing(12);
    }
    row->addStretch();
    return row;
}

TagArea TagAreaControls::Read() const {
    TagArea area;
    area.kind = metal->isChecked() ? TagKind::Metal : TagKind::Label;
    area.memory = user->isChecked() ? Memory::User : Memory::Epc;
    area.type = Controls::Chosen<DataType>(dataType);
    area.start = startBlock->currentIndex();
    area.count = byteCount->currentIndex() + TagCells::kMinimumBytes;
    return area;
}

void TagAreaControls::Show(const TagArea& area) {
    (area.kind == TagKind::Metal ? metal : label)->setChecked(true);
    (area.memory == Memory::User ? user : epc)->setChecked(true);
    Controls::Choose(dataType, QVariant::fromValue(area.type));
    startBlock->setCurrentIndex(area.start);
    byteCount->setCurrentIndex(area.count - TagCells::kMinimumBytes);
    SetListsEnabled(listsEnabled_);
}

bool TagAreaControls::RangeFits(const TagArea& area, Messages& messages) {
    if (TagCells::FitsLimit(area.start, area.count)) {
        return true;
    }
    messages.Warning(tr("Invalid value!\nPlease check StartBlockNumber and Number of bytes."));
    return false;
}

void TagAreaControls::SetListsEnabled(bool enabled) {
    listsEnabled_ = enabled;
    // With the user memory the data type still decides the cells, but cannot be changed.
    dataType->setEnabled(enabled && epc->isChecked());
    startBlock->setEnabled(enabled);
    byteCount->setEnabled(enabled);
}
