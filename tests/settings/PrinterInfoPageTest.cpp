#include <gtest/gtest.h>

#include <QAccessible>
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

using Entry = RecordingMessages::Entry;
using Kind = Messages::Kind;

TEST(PrinterInfoPage, GetReadsFourFactsAndShowsThem) {
    const Entry success = {Kind::Information,
                           QStringLiteral("Get printer information is successful.")};
    const struct {
        QByteArray temperature;  // empty: no reply
        QStringList shown;
        std::vector<Entry> messages;
        int progress;
    } cases[] = {
        // The three texts as received, a line end as a line break; the temperature stripped.
        {"25\r\n", Texts({"QX-M43\n", " DT\n", "V1.04\n", "25 Celsius"}), {success}, 0},
        {"\r\n", Texts({"QX-M43\n", " DT\n", "V1.04\n", " Celsius"}), {success}, 0},
        // The first three answered, the temperature did not: nothing is shown, and the first
        // box has its own caption.
        {"",
         Texts({"", "", "", ""}),
         {{Kind::Warning, QStringLiteral("Get printer information is failed"),
           QStringLiteral("Warning")},
          {Kind::Warning, QStringLiteral("Get printer information is failed.")}},
         100},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        rig.link.Answer("^PI0", "QX-M43\r\n");
        rig.link.Answer("^PI1", " DT\r\n");
        rig.link.Answer("^PI2", "V1.04\r\n");
        if (!c.temperature.isEmpty()) {
            rig.link.Answer("^PI4,0", c.temperature);
        }
        PrinterInfoPage page(rig.Context());
        page.show();
        Click(page, "printerInfoGetButton");
        EXPECT_EQ(rig.link.writes, (std::vector<QByteArray>{"^PI0", "^PI1", "^PI2", "^PI4,0"}));
        EXPECT_EQ(rig.link.readSizes.front(), 32);
        EXPECT_EQ(rig.pacer.pauses.front(), 10);
        EXPECT_EQ(Shown(page), c.shown);
        EXPECT_EQ(rig.messages.entries, c.messages);
        EXPECT_EQ(Find<QProgressBar>(page, "printerInfoProgress")->value(), c.progress);
        EXPECT_EQ(page.Field(PrinterInfoPage::ModelName),
                  c.progress == 0 ? QStringLiteral("QX-M43\r\n") : QString());
        // A value and its line break fit in the room the page took before it had values.
        QCoreApplication::processEvents();
        for (const char* name : kLabels) {
            const auto* label = Find<QLabel>(page, name);
            EXPECT_GE(label->height(), label->sizeHint().height()) << name;
        }
    }
}

// A screen reader reads a value label as its value, empty while it is empty, and the caption as
// its description; an empty value must not be read out as its caption or its group.
TEST(PrinterInfoPage, ValuesReadOutAsTheirValueWithTheCaptionAsDescription) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    PrinterInfoPage page(rig.Context());
    page.show();
    const QStringList captions =
        Texts({"Model Name :", "Model Type :", "Firmware Version :", "TPH Temperature :"});
    const auto read = [&](QAccessible::Text what) {
        QStringList texts;
        for (const char* name : kLabels) {
            texts << QAccessible::queryAccessibleInterface(Find<QLabel>(page, name))->text(what);
        }
        return texts;
    };
    EXPECT_EQ(read(QAccessible::Name), Texts({"", "", "", ""}));
    EXPECT_EQ(read(QAccessible::Description), captions);
    rig.link.Answer("^PI0", "QX-M43\r\n");
    // A line end inside a reply stays a line break: two lines never run together.
    rig.link.Answer("^PI2", "V1.04\r\nB2\r");
    rig.link.Answer("^PI4,0", "31\r\n");
    Click(page, "printerInfoGetButton");
    EXPECT_EQ(read(QAccessible::Name), Texts({"QX-M43\n", "", "V1.04\nB2\n", "31 Celsius"}));
    EXPECT_EQ(read(QAccessible::Description), captions);
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
