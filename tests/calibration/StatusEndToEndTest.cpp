// The status dialog against the printer simulator over TCP and a pseudo-terminal: the state the
// printer is in comes back as the boxes each page ticks; a silent printer ends in the warning.
#include <gtest/gtest.h>

#include <QTabWidget>

#include "calibration/PrinterStatusDialog.h"
#include "calibration/StatusPage.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

using Box = StatusDecoding::Box;
using Boxes = StatusDecoding::Boxes;
using Page = PrinterStatusDialog::Page;

class StatusOver : public testing::TestWithParam<SimRig::Transport> {};

Boxes Press(PrinterStatusDialog& dialog, Page page, const char* button) {
    dialog.Tabs()->setCurrentIndex(page);
    Click(*dialog.PageAt(page), button);
    return dialog.PageAt(page)->Ticked();
}

TEST_P(StatusOver, EachPageShowsThePrintersState) {
    struct Case {
        const char* what;
        std::function<void(sim::StatusState&)> state;
        Boxes cp;
        Boxes cu;
        Boxes cps;
        Boxes ee;  // over the serial line only
    };
    const Case cases[] = {
        {.what = "idle",
         .state = [](sim::StatusState&) {},
         .cp = {Box::StatusOk},
         .cu = {Box::StatusOk},
         .cps = {Box::StatusOk},
         .ee = {Box::NoError}},
        {.what = "cover open while printing, serial error",
         .state =
             [](sim::StatusState& s) {
                 s.coverOpen = true;
                 s.printing = true;
                 s.errorCode = "06";
             },
         .cp = {Box::CoverOpen, Box::PrintingLabel},
         .cu = {Box::CoverOpen},
         .cps = {Box::CoverOpen},
         .ee = {Box::SerialError}},
        {.what = "out of paper and ribbon, jammed, paused; busy",
         .state =
             [](sim::StatusState& s) {
                 s.paperEmpty = true;
                 s.ribbonEnd = true;
                 s.paperJam = true;
                 s.headOverheat = true;
                 s.paused = true;
                 s.building = true;
                 s.errorCode = "50";
             },
         .cp = {Box::PaperEmpty, Box::RibbonEndError, Box::HeadOverheat, Box::LabelPaused,
                Box::BuildingLabel},
         .cu = {Box::PaperEmpty, Box::RibbonEndError, Box::HeadOverheat},
         .cps = {Box::PaperEmpty, Box::PaperJam, Box::HeadOverheat},
         .ee = {Box::PrinterBusy}},
        {.what = "cutter and gap; illegal interrupt",
         .state =
             [](sim::StatusState& s) {
                 s.cutterJammed = true;
                 s.gapDetectionError = true;
                 s.errorCode = "23";
             },
         .cp = {Box::CutterJammed, Box::GapDetectionError},
         .cu = {Box::CutterJammed, Box::GapDetectionError},
         .cps = {Box::StatusOk},
         .ee = {Box::IllegalInterrupt}},
    };
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    const bool serial = rig.transport == SimRig::Transport::Pty;
    for (const Case& c : cases) {
        rig.printer.Edit([&](sim::PrinterState& s) {
            s.status = {};
            c.state(s.status);
        });
        rig.printer.ClearReceived();
        rig.messages.Clear();
        PrinterStatusDialog dialog(rig.Context());
        dialog.show();
        EXPECT_EQ(Press(dialog, Page::ErrorsAndJob, "cpTestButton"), c.cp) << c.what;
        EXPECT_EQ(Press(dialog, Page::Errors, "cuTestButton"), c.cu) << c.what;
        EXPECT_EQ(Press(dialog, Page::MechanismErrors, "cpsTestButton"), c.cps) << c.what;
        const Boxes ee = Press(dialog, Page::ErrorCode, "eeTestButton");
        if (serial) {
            EXPECT_EQ(ee, c.ee) << c.what;
            EXPECT_EQ(rig.messages.entries.size(), 0u) << c.what;
            EXPECT_EQ(rig.printer.Received(), "^cp\r^cu\rCPS\r^ee\r") << c.what;
        } else {
            // Refused before anything was sent.
            EXPECT_EQ(ee, Boxes()) << c.what;
            EXPECT_EQ(rig.messages.Informations(),
                      Texts({"This Command is applied in Serial Interface only!"}))
                << c.what;
            EXPECT_EQ(rig.printer.Received(), "^cp\r^cu\rCPS\r") << c.what;
        }
        EXPECT_EQ(rig.messages.Warnings(), QStringList()) << c.what;
    }
}

// A printer that never answers. Each page ends after two reads (the request's and the one that
// takes a late reply off the link), each bounded by the link's read time-out: on TCP a receive
// gives up after 3 s, so a page takes about 6 s; on serial a read asks three times, each up to
// 3 s plus 1 ms a byte by default, so about 18 s. The serial time-out is shortened to 0.5 s here
// only to keep the case short (about 3 s a page).
TEST_P(StatusOver, ASilentPrinterEndsInTheWarningAndTheZeroBuffer) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    const bool serial = rig.transport == SimRig::Transport::Pty;
    if (serial) {
        ASSERT_TRUE(rig.port.SetTimeouts({.readTotalConstant = 500}));
    }
    rig.server.SetMisbehaviour({.silent = true});
    PrinterStatusDialog dialog(rig.Context());
    dialog.show();
    EXPECT_EQ(Press(dialog, Page::ErrorsAndJob, "cpTestButton"), Boxes{Box::StatusOk});
    EXPECT_EQ(rig.messages.Warnings(), Texts({"Status Data Read Fail!"}));
    if (serial) {
        rig.messages.Clear();
        EXPECT_EQ(Press(dialog, Page::ErrorCode, "eeTestButton"), Boxes());
        EXPECT_EQ(rig.messages.Warnings(), Texts({"Status Data Read Fail!"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Transports, StatusOver, testing::ValuesIn(kTransports), TransportTestName);

}  // namespace
