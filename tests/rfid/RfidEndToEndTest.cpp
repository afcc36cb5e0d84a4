#include <gtest/gtest.h>

#include <QLineEdit>

#include "rfid/DataCellGrid.h"
#include "rfid/RfidReadForm.h"
#include "rfid/RfidWriteForm.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

const QStringList kEpc =
    Texts({"E2", "00", "68", "0A", "00", "00", "40", "1F", "12", "34", "AB", "CD"});
constexpr int kFirstEpcCell = 5;  // byte 4 of the EPC memory

std::vector<std::uint8_t> Bytes(const QStringList& hex) {
    std::vector<std::uint8_t> bytes;
    for (const QString& pair : hex) {
        bytes.push_back(static_cast<std::uint8_t>(pair.toUInt(nullptr, 16)));
    }
    return bytes;
}

std::vector<std::uint8_t> TagEpc(const sim::PrinterState& state) {
    if (!state.rfid.tag) {
        return {};
    }
    const auto& epc = state.rfid.tag->epc;
    return {epc.begin() + 4, epc.begin() + 16};
}

// Lays out the default range (12 bytes from block 4) and fills it with `bytes`.
void EnterData(RfidWriteForm& form, const QStringList& bytes) {
    Click(form, "setDataButton");
    auto* grid = form.findChild<DataCellGrid*>();
    for (int i = 0; i < bytes.size(); ++i) {
        Type(grid->Cell(kFirstEpcCell + i), bytes[i]);
    }
}

// Ticks exactly the steps named, as a person would.
void TickSteps(RfidWriteForm& form, bool unlock, bool data, bool lock) {
    const std::pair<const char*, bool> steps[] = {
        {"unlockBox", unlock}, {"dataBox", data}, {"lockCommandBox", lock}};
    for (const auto& [name, wanted] : steps) {
        auto* box = Find<QAbstractButton>(form, name);
        if (box->isChecked() != wanted) {
            Click(box);
        }
    }
}

class RfidEndToEnd : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(RfidEndToEnd, DataWrittenThroughTheWriteFormReadsBackIntoTheSameCells) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    RfidWriteForm write(rig.Context());
    EnterData(write, kEpc);
    TickSteps(write, false, true, false);
    Click(write, "writeButton");
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Writing is success")});
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return TagEpc(state) == Bytes(kEpc); }));
    // The label of the write came out.
    EXPECT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return state.labels.printedCount == 1; }));

    rig.messages.Clear();
    RfidReadForm read(rig.Context());
    Click(read, "readButton");
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("Reading data is successful")});
    const QStringList cells = read.findChild<DataCellGrid*>()->Texts();
    EXPECT_EQ(cells.mid(kFirstEpcCell - 1, kEpc.size()), kEpc);
    EXPECT_EQ(cells.first(kFirstEpcCell - 1), Texts({"-", "-", "-", "-"}));
}

INSTANTIATE_TEST_SUITE_P(Transports, RfidEndToEnd, testing::ValuesIn(kTransports),
                         TransportTestName);

// A locked EPC takes no data until the encoder has opened the tag with its access password.
TEST(RfidEndToEndLock, ALockedTagTakesDataOnlyAfterTheUnlock) {
    SimRig rig(SimRig::Transport::Tcp);
    ASSERT_TRUE(rig.Connect());
    RfidWriteForm form(rig.Context());
    for (const char* field : {"accessEdit", "killEdit"}) {
        Type(Find<QLineEdit>(form, field), QStringLiteral("11.22.33.44"));
    }
    Click(form, "passwordButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.rfid.tag && state.rfid.tag->accessPassword == "11223344";
    }));

    // Writes to the EPC need the password from now on.
    Click(form, "maskEpcLeftBox");
    Click(form, "actionEpcLeftBox");
    TickSteps(form, false, false, true);
    Click(form, "writeButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.rfid.tag && state.rfid.tag->locks[2].locked;
    }));
    const std::vector<std::uint8_t> before = TagEpc(rig.printer.Snapshot());
    const long voidedBefore = rig.printer.Snapshot().rfid.voided;

    EnterData(form, kEpc);
    TickSteps(form, false, true, false);
    Click(form, "writeButton");
    ASSERT_TRUE(rig.WaitFor(
        [&](const sim::PrinterState& state) { return state.rfid.voided == voidedBefore + 1; }));
    EXPECT_EQ(TagEpc(rig.printer.Snapshot()), before);

    TickSteps(form, true, true, false);
    Click(form, "writeButton");
    EXPECT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return TagEpc(state) == Bytes(kEpc); }));
}

}  // namespace
