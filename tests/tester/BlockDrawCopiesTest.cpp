// The Block Draw and Printing Copies forms: what they compose, refuse and show when reopened.
#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>
#include <memory>

#include "tester/BlockDrawBuilder.h"
#include "tester/BlockDrawForm.h"
#include "tester/BuilderRig.h"
#include "tester/PrintingCopiesBuilder.h"
#include "tester/PrintingCopiesForm.h"

namespace {

using BlockDraw = BuilderRig<BlockDrawBuilder, BlockDrawForm>;
using Copies = BuilderRig<PrintingCopiesBuilder, PrintingCopiesForm>;

// Positions of the kinds in the "Type" list.
enum KindIndex { kO, kE, kD, kS, kB };

TEST(BlockDraw, ComposesWhatTheFormShowsForTestPrintAndInsert) {
    struct Case {
        const char* what;
        std::function<void(BlockDraw&)> change;
        QByteArray line;
        bool optionalEnabled = false;
    };
    const Case cases[] = {
        {.what = "defaults", .change = [](BlockDraw&) {}, .line = "BD100,100,800,120,O"},
        {.what = "S from the defaults",
         .change = [](BlockDraw& b) { Choose(b.List("kindList"), kS); },
         .line = "BD100,100,800,300,S,10",
         .optionalEnabled = true},
        {.what = "B",
         .change = [](BlockDraw& b) { Choose(b.List("kindList"), kB); },
         .line = "BD100,100,800,120,B,20",
         .optionalEnabled = true},
        {.what = "E after S takes end Y back and drops the sixth field",
         .change =
             [](BlockDraw& b) {
                 Choose(b.List("kindList"), kS);
                 Type(b.Step("extraField"), QStringLiteral("44"));
                 Choose(b.List("kindList"), kE);
             },
         .line = "BD100,100,800,120,E"},
        {.what = "D after B",
         .change =
             [](BlockDraw& b) {
                 Choose(b.List("kindList"), kB);
                 Choose(b.List("kindList"), kD);
             },
         .line = "BD100,100,800,120,D"},
        {.what = "coordinates truncated toward zero, extra typed after the kind",
         .change =
             [](BlockDraw& b) {
                 Type(b.Step("startXField"), QStringLiteral("10.9"));
                 Type(b.Step("startYField"), QStringLiteral("0"));
                 Type(b.Step("endXField"), QStringLiteral("1000"));
                 Choose(b.List("kindList"), kB);
                 Type(b.Step("endYField"), QStringLiteral("499.5"));
                 Type(b.Step("extraField"), QStringLiteral("15"));
             },
         .line = "BD10,0,1000,499,B,15",
         .optionalEnabled = true},
    };
    for (const Case& c : cases) {
        BlockDraw b;
        EXPECT_EQ(b.form->windowTitle(), QStringLiteral("Block Draw Command"));
        c.change(b);
        EXPECT_EQ(b.Step("extraField")->isEnabled(), c.optionalEnabled) << c.what;
        b.Press("testPrintButton");
        ASSERT_EQ(b.rig.link.writes.size(), 1u) << c.what;
        EXPECT_EQ(b.rig.link.writes[0], c.line + "\rP1\r") << c.what;
        b.Press("insertButton");
        EXPECT_EQ(b.form->result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{c.line}) << c.what;
        EXPECT_TRUE(b.rig.messages.entries.empty()) << c.what;
    }
}

TEST(BlockDraw, AWrongFieldStopsEveryButtonWithItsMessage) {
    ExpectWrongFieldsStop<BlockDraw>({{"startXField", "", "Please enter a number."},
                                      {"endYField", "1O", "Please enter a number."},
                                      {"extraField", "2.5", "Please enter an integer."}},
                                     [](BlockDraw& b) { Choose(b.List("kindList"), kS); });
}

TEST(BlockDraw, AReopenedFormShowsEveryValueOfTheInsertion) {
    BlockDraw b;
    Choose(b.List("kindList"), kS);
    Type(b.Step("extraField"), QStringLiteral("55"));
    Type(b.Step("endYField"), QStringLiteral("640"));
    b.Press("insertButton");

    b.Open(CommandBuilder::Opening::Again);
    EXPECT_EQ(Controls::Chosen<char>(b.List("kindList")), 'S');
    EXPECT_TRUE(b.Step("extraField")->isEnabled());
    EXPECT_EQ(b.Step("extraField")->Text(), QStringLiteral("55"));
    EXPECT_EQ(b.Step("endYField")->Text(), QStringLiteral("640"));
    b.Press("insertButton");
    EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{"BD100,100,800,640,S,55"});

    // A kind without the extra number comes back with "Optional" disabled.
    Choose(b.List("kindList"), kO);
    b.Press("insertButton");
    b.Open(CommandBuilder::Opening::Again);
    EXPECT_FALSE(b.Step("extraField")->isEnabled());
    EXPECT_EQ(Controls::Chosen<char>(b.List("kindList")), 'O');
}

TEST(BlockDraw, ConvertOpensTheUnitConverter) {
    BlockDraw b;
    b.Press("convertButton");
    EXPECT_EQ(b.script.titles, QStringList{QStringLiteral("Convert Unit")});
}

TEST(PrintingCopies, InsertsBothNumbersAndStartsEveryOpeningFromOne) {
    struct Case {
        const char* first;
        const char* second;
        QByteArray line;
    };
    const Case cases[] = {
        {"1", "1", "P1,1"},
        {"3", "2", "P3,2"},
        {"0", "100", "P0,100"},
    };
    for (const Case& c : cases) {
        Copies b;
        EXPECT_EQ(b.form->windowTitle(), QStringLiteral("Printing Copies"));
        EXPECT_EQ(b.form->findChild<QWidget*>(QStringLiteral("testPrintButton")), nullptr);
        Type(b.Step("firstField"), QLatin1String(c.first));
        Type(b.Step("secondField"), QLatin1String(c.second));
        b.Press("insertButton");
        EXPECT_EQ(b.form->result(), QDialog::Accepted) << c.line.data();
        EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{c.line});

        b.Open(CommandBuilder::Opening::Again);
        EXPECT_EQ(b.Step("firstField")->Text(), QStringLiteral("1")) << c.line.data();
        EXPECT_EQ(b.Step("secondField")->Text(), QStringLiteral("1")) << c.line.data();
        EXPECT_TRUE(b.rig.link.writes.empty());
    }
}

TEST(PrintingCopies, ANumberThatIsNoIntegerStopsInsertAndClose) {
    for (const char* text : {"", "1.5", "x"}) {
        for (const char* button : {"insertButton", "closeButton"}) {
            Copies b;
            b.form->show();
            Type(b.Step("secondField"), QLatin1String(text));
            b.Press(button);
            EXPECT_EQ(b.rig.messages.Warnings(),
                      QStringList{QStringLiteral("Please enter an integer.")})
                << text << " " << button;
            EXPECT_TRUE(b.form->isVisible());
        }
    }
}

}  // namespace
