// The barcode forms' "Test Print" reaches the printer simulator byte for byte, over TCP and a
// pseudo-terminal, and prints one label each.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

#include "support/SimRig.h"
#include "support/Widgets.h"
#include "tester/Barcode1DBuilder.h"
#include "tester/Barcode1DForm.h"
#include "tester/Barcode2DBuilder.h"
#include "tester/Barcode2DForm.h"
#include "tester/StepField.h"

namespace {

class BarcodesOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(BarcodesOver, EveryTestPrintReachesThePrinterAndPrintsOneLabel) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());

    Barcode1DBuilder oneD;
    Barcode1DForm oneDForm(oneD, rig.Context());
    Click(oneDForm, "testPrintButton");
    Click(Find<QCheckBox>(oneDForm, "quietZoneCheck"));
    Choose(Find<QComboBox>(oneDForm, "symbologyList"), 9);
    Choose(Find<QComboBox>(oneDForm, "rotationList"), 1);
    Choose(Find<QComboBox>(oneDForm, "hriList"), 0);
    Click(oneDForm, "testPrintButton");

    Barcode2DBuilder twoD;
    Barcode2DForm twoDForm(twoD, rig.Context());
    Click(twoDForm, "testPrintButton");
    auto* kinds = Find<QComboBox>(twoDForm, "kindList");
    Choose(kinds, 1);
    Click(twoDForm, "testPrintButton");
    Choose(kinds, 2);
    Choose(Find<QComboBox>(twoDForm, "modeList"), 1);
    Choose(Find<QComboBox>(twoDForm, "eclList"), 3);
    Find<QPlainTextEdit>(twoDForm, "dataField")->setPlainText(QStringLiteral("ONE\nTWO"));
    Click(twoDForm, "testPrintButton");

    const std::vector<std::string> lines = {
        "B1100,100,0,2,7,100,0,1,'123456789'",
        "B1100,100,9,2,7,100,1,0,12,'123456789'",
        "B2100,100,M,0,'999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER MESSAGE "
        "ENCODING. THIS IS AN 84 CHAR MSG'",
        "B2100,100,P,30,5,0,0,1,1,3,10,0,'KORVALE Label Printer, This is Test Printing.'",
        "B2100,100,Q,2,H,4,0,'ONE\r\nTWO'",
    };
    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\rP1\r";
    }
    EXPECT_EQ(rig.ReceivedAtLeast(expected.size()), expected) << TransportName(GetParam());
    const sim::LabelState labels = rig.printer.Snapshot().labels;
    EXPECT_EQ(labels.printedCount, int(lines.size()));
    ASSERT_EQ(labels.printed.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(labels.printed[i].lines, std::vector<std::string>{lines[i]}) << i;
    }
    EXPECT_TRUE(rig.messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Transports, BarcodesOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
