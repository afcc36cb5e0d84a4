#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "settings/UserSettingManager.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

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
              Texts({"Serial", "Language", "Print&&Page", "Hardware Info", "Printer Info"}));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(Find(window, "handShakeCombo")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(window, "handShakeCombo")->currentIndex(), -1);
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST(UserSettingManager, PagesKeepTheirValuesAcrossSwitchesAndReopeningStartsAfresh) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    {
        UserSettingManager window(rig.Context(3));
        window.show();
        rig.link.QueueReply("\x35");
        Click(window, "serialGetButton");
        window.Tabs()->setCurrentIndex(UserSettingManager::PrintAndPage);
        rig.link.QueueReply("832\r\n");
        Click(window, "paperWidthGetButton");
        window.Tabs()->setCurrentIndex(UserSettingManager::Serial);
        EXPECT_EQ(Find<QComboBox>(window, "baudrateCombo")->currentIndex(), 1);
        EXPECT_TRUE(Find(window, "serialSetButton")->isEnabled());
        EXPECT_EQ(Find<QLineEdit>(window, "paperWidthEdit")->text(), QStringLiteral("832"));
        EXPECT_EQ(Find<QComboBox>(window, "speedCombo")->itemText(1), QStringLiteral("70 mm/s"));
        Click(window, "closeButton");
        EXPECT_FALSE(window.isVisible());
    }
    UserSettingManager again(rig.Context(1));
    EXPECT_EQ(Find<QComboBox>(again, "baudrateCombo")->currentIndex(), -1);
    EXPECT_FALSE(Find(again, "serialSetButton")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(again, "paperWidthEdit")->text(), QStringLiteral("0"));
    EXPECT_FALSE(Find(again, "paperWidthSetButton")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(again, "speedCombo")->count(), 4);
}

}  // namespace
