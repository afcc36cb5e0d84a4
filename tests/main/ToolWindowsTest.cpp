#include <gtest/gtest.h>

#include "main/ToolWindows.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

struct ToolCase {
    Tool tool;
    const char* title;
};

// The main window's buttons open these windows; a tool left out of the table would fall back to
// "not available" without anyone noticing.
TEST(ToolWindows, EveryToolOpensItsWindow) {
    const ToolCase cases[] = {
        {Tool::UserSettingManager, "User Setting Manager"},
        {Tool::CalibrationSettingManager, "Manual Calibration"},
        {Tool::PcxFileDownloader, "PCX File Downloader"},
        {Tool::FileTransferManager, "File Transfer"},
        {Tool::RfidConfiguration, "RFID Cofiguration"},
        {Tool::RfidWriteRead, "RFID Write"},
        {Tool::TorqTester, "TORQ Tester"},
    };
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    for (const ToolCase& c : cases) {
        const auto window = MakeToolWindow(c.tool, rig.Context(), nullptr);
        ASSERT_NE(window, nullptr) << c.title;
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(c.title));
    }
    // Opening a window sends nothing.
    EXPECT_TRUE(rig.link.writes.empty());
}

// The status checks live with the calibration and the RFID builders with the RFID forms; the
// tester made for the main window opens them.
TEST(ToolWindows, TheTestersButtonsOfOtherFoldersOpenTheirForms) {
    const std::pair<const char*, const char*> cases[] = {
        {"checkPrinterStatusButton", "Check Printer Status"},
        {"rfidWriteButton", "RFID Write"},
        {"rfidReadButton", "RFID Read"},
        {"rfidPasswordButton", "RFID Password"},
        {"rfidSecurityButton", "RFID Security"},
        {"rfidKillButton", "RFID Kill"},
    };
    for (const auto& [button, title] : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        const auto tester = MakeToolWindow(Tool::TorqTester, rig.Context(), nullptr);
        ASSERT_NE(tester, nullptr);
        Click(*tester, button);
        EXPECT_EQ(rig.formsRun, QStringList{QLatin1String(title)}) << button;
        EXPECT_TRUE(rig.messages.entries.empty()) << button;
        EXPECT_TRUE(rig.link.writes.empty()) << button;
    }
}

}  // namespace
