// The sample printers reach the printer simulator byte for byte over TCP and a pseudo-terminal,
// high bytes and all.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "support/SimRig.h"
#include "support/Widgets.h"
#include "tester/CharacterSetForm.h"
#include "tester/TwoByteCodepageForm.h"

namespace {

class SamplesOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(SamplesOver, InternationalPrintsSixteenRowsOnOneLabel) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    CharacterSetForm form(rig.Context());
    Choose(Find<QComboBox>(form, "tableList"), 22);
    Click(form, "internationalButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.labels.printedCount >= 1;
    })) << TransportName(GetParam());
    const sim::PrinterState state = rig.printer.Snapshot();
    ASSERT_EQ(state.labels.printed.size(), 1u);
    const std::vector<sim::LabelElement>& rows = state.labels.printed[0].elements;
    ASSERT_EQ(rows.size(), 16u);
    for (std::size_t n = 0; n < rows.size(); ++n) {
        EXPECT_EQ(rows[n].fields[1], std::to_string(50 + 70 * n));
        EXPECT_EQ(rows[n].data, "#$@[\\]^`{|}~");  // unescaped by the printer
    }
    EXPECT_EQ(state.labels.format.international, 15);
    EXPECT_EQ(state.labels.format.codeTable, 22);
    EXPECT_TRUE(state.labels.rejected.empty());
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST_P(SamplesOver, JisPrintAllPrintsATwoByteLabelPerLeadByte) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    TwoByteCodepageForm form(rig.Context());
    Choose(Find<QComboBox>(form, "tableList"), 3);
    Click(Find<QCheckBox>(form, "printAllBox"));
    Click(form, "printButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.labels.printedCount >= 124;
    })) << TransportName(GetParam());
    const sim::PrinterState state = rig.printer.Snapshot();
    ASSERT_EQ(state.labels.printed.size(), 124u);
    for (std::size_t i = 0; i < state.labels.printed.size(); ++i) {
        const char lead = static_cast<char>(0x81 + i);
        std::string pairs;
        for (int trail = 0x3F; trail <= 0xFE; ++trail) {
            pairs += lead;
            pairs += static_cast<char>(trail);
        }
        const sim::Label& label = state.labels.printed[i];
        ASSERT_EQ(label.lines, std::vector<std::string>{"T20,20,j,1,1,0,0,N,N,'" + pairs + "'"})
            << i;
        ASSERT_EQ(label.elements.size(), 1u);
        EXPECT_EQ(label.elements[0].data, pairs) << i;
    }
    EXPECT_TRUE(state.labels.rejected.empty());
    EXPECT_TRUE(rig.messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Transports, SamplesOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
