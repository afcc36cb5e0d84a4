#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "settings/PrinterInfoPage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

const char* const kLabels[] = {"modelNameLabel", "modelTypeLabel", "firmwareVersionLabel",
                               "temperatureLabel"};

QStringList Shown(const QWidget& page) {
    QStringList texts;
    for (const char* label : kLabels) {
        texts << Find<QLabel>(page, label)->text();
    }
    return texts;
}

TEST(PrinterInfoPage, GetReadsFourFactsAndShowsThem) {
    const struct {
        QByteArray temperature;  // empty: no reply
        QStringList shown;
        QStringList messages;
        int progress;
    } cases[] = {
        {"25\r\n", Texts({"QX-M43", "DT", "V1.04", "25 Celsius"}),
         Texts({"Get printer information is successful."}), 0},
        {"\r\n", Texts({"QX-M43", "DT", "V1.04", " Celsius"}),
         Texts({"Get printer information is successful."}), 0},
        // The first three answered, the temperature did not: nothing is shown.
        {"", Texts({"", "", "", ""}),
         Texts({"Get printer information is failed", "Get printer information is failed."}), 100},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        rig.link.Answer("^PI0", "QX-M43\r\n");
        rig.link.Answer("^PI1", "DT\r\n");
        rig.link.Answer("^PI2", "V1.04\r\n");
        if (!c.temperature.isEmpty()) {
            rig.link.Answer("^PI4,0", c.temperature);
        }
        PrinterInfoPage page(rig.Context());
        Click(page, "printerInfoGetButton");
        EXPECT_EQ(rig.link.writes, (std::vector<QByteArray>{"^PI0", "^PI1", "^PI2", "^PI4,0"}));
        EXPECT_EQ(rig.link.readSizes.front(), 32);
        EXPECT_EQ(rig.pacer.pauses.front(), 10);
        EXPECT_EQ(Shown(page), c.shown);
        EXPECT_EQ(rig.messages.Texts(), c.messages);
        EXPECT_EQ(rig.messages.Warnings().size(), c.progress == 100 ? 2 : 0);
        EXPECT_EQ(Find<QProgressBar>(page, "printerInfoProgress")->value(), c.progress);
        EXPECT_EQ(page.Field(PrinterInfoPage::ModelName),
                  c.progress == 0 ? QStringLiteral("QX-M43\r\n") : QString());
    }
}

TEST(PrinterInfoPage, AFailedGetEmptiesWhatAnEarlierOneShowed) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    rig.link.Answer("^PI4,0", "31\r\n");
    PrinterInfoPage page(rig.Context());
    Click(page, "printerInfoGetButton");
    EXPECT_EQ(Shown(page), Texts({"", "", "", "31 Celsius"}));
    rig.link.answers.clear();
    Click(page, "printerInfoGetButton");
    EXPECT_EQ(Shown(page), Texts({"", "", "", ""}));
}

}  // namespace
