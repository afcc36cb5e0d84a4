// The Block Draw form's "Test Print" reaches the printer simulator byte for byte over TCP and a
// pseudo-terminal, and prints one label.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QThread>

#include "support/SimRig.h"
#include "support/Widgets.h"
#include "tester/BlockDrawBuilder.h"
#include "tester/BlockDrawForm.h"
#include "tester/StepField.h"

namespace {

class BlockDrawOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(BlockDrawOver, TestPrintsReachThePrinterAndEachPrintsOneLabel) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    BlockDrawBuilder builder;
    BlockDrawForm form(builder, rig.Context());
    Click(form, "testPrintButton");
    Choose(Find<QComboBox>(form, "kindList"), 3);  // S
    Type(Find<StepField>(form, "extraField"), QStringLiteral("30"));
    Click(form, "testPrintButton");

    const std::string expected =
        "BD100,100,800,120,O\rP1\r"
        "BD100,100,800,300,S,30\rP1\r";
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.labels.printedCount >= 2;
    })) << TransportName(GetParam())
        << ": " << rig.printer.Received();
    EXPECT_EQ(rig.printer.Received(), expected);
    const sim::LabelState labels = rig.printer.Snapshot().labels;
    EXPECT_EQ(labels.printedCount, 2);
    ASSERT_EQ(labels.printed.size(), 2u);
    EXPECT_EQ(labels.printed[0].lines, std::vector<std::string>{"BD100,100,800,120,O"});
    EXPECT_EQ(labels.printed[1].lines, std::vector<std::string>{"BD100,100,800,300,S,30"});
    EXPECT_TRUE(rig.messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Transports, BlockDrawOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
