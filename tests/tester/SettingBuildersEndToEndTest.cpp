// The Printing Setting test label reaches the printer simulator byte for byte over TCP and a
// pseudo-terminal, prints one label and applies the settings; the printer takes what Label
// Setting inserts.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <string>
#include <vector>

#include "support/SimRig.h"
#include "support/Widgets.h"
#include "tester/LabelSettingBuilder.h"
#include "tester/LabelSettingForm.h"
#include "tester/PrintingSettingBuilder.h"
#include "tester/PrintingSettingForm.h"
#include "tester/TorqCommand.h"

namespace {

class SettingBuildersOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(SettingBuildersOver, TheTestLabelPrintsOnceWithItsLinesAndSettings) {
    struct Case {
        const char* what;
        std::function<void(PrintingSettingForm&)> change;
        std::vector<std::string> settingLines;
        sim::LabelFormat format;
    };
    const Case cases[] = {
        {.what = "defaults",
         .change = [](PrintingSettingForm&) {},
         .settingLines = {"T100,200,3,1,1,0,0,N,N,'Printing Speed     : 5.0 ips'", "SS3",
                          "T100,250,3,1,1,0,0,N,N,'Density(0~20)      : 20'", "SD20",
                          "T100,300,3,1,1,0,0,N,N,'Printing Direction : SOT'", "SOT"},
         .format = {.speed = 3, .density = 20, .topFirst = true}},
        {.what = "2.5 ips, density 0, bottom first, density not applied",
         .change =
             [](PrintingSettingForm& form) {
                 Click(form, "speedRadio0");
                 QTest::keyClick(Find<QSlider>(form, "densitySlider"), Qt::Key_Home);
                 Click(form, "applyDensityBox");
                 Click(form, "bottomRadio");
             },
         .settingLines = {"T100,200,3,1,1,0,0,N,N,'Printing Speed     : 2.5 ips'", "SS0",
                          "T100,300,3,1,1,0,0,N,N,'Printing Direction : SOB'", "SOB"},
         .format = {.speed = 0, .topFirst = false}},
    };
    for (const Case& c : cases) {
        SimRig rig(GetParam());
        ASSERT_TRUE(rig.Connect());
        PrintingSettingBuilder builder;
        PrintingSettingForm form(builder, rig.Context());
        c.change(form);
        Click(form, "testPrintButton");

        std::vector<std::string> lines = {"T100,100,3,1,1,0,0,N,N,'Printer Setting Test'",
                                          "T100,150,3,1,1,0,0,N,N,'============================='"};
        lines.insert(lines.end(), c.settingLines.begin(), c.settingLines.end());
        lines.insert(lines.end(), {"T100,350,3,1,1,0,0,N,N,'============================='",
                                   "BD150,500,495,750,B,15", "BD200,550,300,700,S,30",
                                   "BD430,550,330,700,S,30"});
        std::string expected;
        for (const std::string& line : lines) {
            expected += line + "\r";
        }
        expected += "\rP1\r";

        ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
            return state.labels.printedCount >= 1;
        })) << c.what
            << " " << TransportName(GetParam());
        EXPECT_EQ(rig.printer.Received(), expected) << c.what;
        const sim::LabelState labels = rig.printer.Snapshot().labels;
        EXPECT_EQ(labels.printedCount, 1) << c.what;
        ASSERT_EQ(labels.printed.size(), 1u) << c.what;
        EXPECT_EQ(labels.printed[0].lines, lines) << c.what;
        EXPECT_TRUE(labels.rejected.empty()) << c.what;
        EXPECT_EQ(labels.format, c.format) << c.what;
        EXPECT_TRUE(rig.messages.entries.empty()) << c.what;
    }
}

TEST_P(SettingBuildersOver, ThePrinterTakesWhatLabelSettingInserts) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    LabelSettingBuilder builder;
    LabelSettingForm form(builder, rig.Context());
    Click(form, "mmRadio");
    Click(form, "blackMarkRadio");
    Click(form, "insertButton");
    ASSERT_EQ(form.result(), QDialog::Accepted);
    // As the tester's editor holds the lines, sent with a print command.
    const QByteArray script = torq::JoinLines(builder.Lines() << torq::Print(1), "\r\n");
    ASSERT_EQ(script, "SW812\r\nSL1219,24,B\r\nSM40,40\r\nP1\r\n");
    ASSERT_NE(rig.port.Write(script), 0);

    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& state) {
        return state.labels.printedCount >= 1;
    })) << TransportName(GetParam());
    const sim::LabelState labels = rig.printer.Snapshot().labels;
    EXPECT_TRUE(labels.rejected.empty());
    EXPECT_EQ(labels.format, (sim::LabelFormat{.width = 812,
                                               .length = 1219,
                                               .media = sim::LabelFormat::Media::BlackMark,
                                               .gapLength = 24,
                                               .marginX = 40,
                                               .marginY = 40}));
}

INSTANTIATE_TEST_SUITE_P(Transports, SettingBuildersOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace
