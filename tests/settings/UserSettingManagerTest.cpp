#include <gtest/gtest.h>

#include <QTabWidget>

#include "PageDriver.h"
#include "settings/UserSettingManager.h"
#include "support/TestRig.h"

namespace {

TEST(UserSettingManager, HoldsTheFivePagesInOrderAndShowsSerialFirst) {
    TestRig rig;
    UserSettingManager window(rig.Context());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("User Setting Manager"));
    QTabWidget* tabs = window.Tabs();
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i) {
        labels << tabs->tabText(i);
    }
    EXPECT_EQ(labels,
              Strings({"Serial", "Language", "Print&&Page", "Hardware Info", "Printer Info"}));
    EXPECT_EQ(tabs->currentIndex(), 0);
    const PageDriver ui(window);
    EXPECT_FALSE(ui.Enabled(QStringLiteral("handShakeCombo")));
    EXPECT_EQ(ui.Index(QStringLiteral("handShakeCombo")), -1);
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST(UserSettingManager, PagesKeepTheirValuesAcrossSwitchesAndReopeningStartsAfresh) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    {
        UserSettingManager window(rig.Context(3));
        window.show();
        const PageDriver ui(window);
        rig.link.QueueReply("\x35");
        ui.Click(QStringLiteral("serialGetButton"));
        window.Tabs()->setCurrentIndex(UserSettingManager::PrintAndPage);
        rig.link.QueueReply("832\r\n");
        ui.Click(QStringLiteral("paperWidthGetButton"));
        window.Tabs()->setCurrentIndex(UserSettingManager::Serial);
        EXPECT_EQ(ui.Index(QStringLiteral("baudrateCombo")), 1);
        EXPECT_TRUE(ui.Enabled(QStringLiteral("serialSetButton")));
        EXPECT_EQ(ui.Text(QStringLiteral("paperWidthEdit")), QStringLiteral("832"));
        EXPECT_EQ(ui.Find<QComboBox>(QStringLiteral("speedCombo"))->itemText(1),
                  QStringLiteral("70 mm/s"));
        ui.Click(QStringLiteral("closeButton"));
        EXPECT_FALSE(window.isVisible());
    }
    UserSettingManager again(rig.Context(1));
    const PageDriver ui(again);
    EXPECT_EQ(ui.Index(QStringLiteral("baudrateCombo")), -1);
    EXPECT_FALSE(ui.Enabled(QStringLiteral("serialSetButton")));
    EXPECT_EQ(ui.Text(QStringLiteral("paperWidthEdit")), QStringLiteral("0"));
    EXPECT_FALSE(ui.Enabled(QStringLiteral("paperWidthSetButton")));
    EXPECT_EQ(ui.Find<QComboBox>(QStringLiteral("speedCombo"))->count(), 4);
}

}  // namespace
