// What the tester and its forms send reaches the printer simulator byte for byte, over TCP and a
// pseudo-terminal, and prints the labels it should.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "support/SimRig.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/FontFinderForm.h"
#include "tester/FormScript.h"
#include "tester/StepField.h"
#include "tester/TesterForms.h"
#include "tester/TesterWindow.h"
#include "tester/VectorTextBuilder.h"

namespace {

std::string Std(const QByteArray& bytes) {
    return bytes.toStdString();
}

class TesterOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(TesterOver, EveryTestPrintReachesThePrinterAndPrintsOneLabel) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    const TesterForms forms = StandardTesterForms();

    BitmapTextBuilder bitmap;
    auto bitmapForm =
        forms.builders.at(TesterButton::BitmapText).form(bitmap, rig.Context(), nullptr);
    Find<QLineEdit>(*bitmapForm, "dataField")->setText(QStringLiteral("Bob's label \u00E9"));
    Click(*bitmapForm, "testPrintButton");
    const QByteArray bitmapLine = "T20,20,3,1,1,0,0,N,N,'Bob's label \xE9'";

    VectorTextBuilder vector;
    auto vectorForm =
        forms.builders.at(TesterButton::VectorText).form(vector, rig.Context(), nullptr);
    Type(Find<StepField>(*vectorForm, "spacingField"), QStringLiteral("-5"));
    Click(*vectorForm, "testPrintButton");
    const QByteArray vectorLine = "V20,20,U,35,35,-5,N,N,N,0,L,0,'KORVALE Label Printer'";

    FontFinderForm finder(rig.Context());
    Click(finder, "findMostButton");
    Click(finder, "findRoundButton");
    Click(finder, "printButton");

    const QByteArray expected = bitmapLine + "\rP1\r" + vectorLine +
                                "\rP1\rSL600,0,C\rT50,50,0,3,3,0,0,N,N,'TEST148'\r"
                                "T50,350,5,1,1,0,0,N,N,'TEST148'\rP1\r";
    EXPECT_EQ(rig.ReceivedAtLeast(std::size_t(expected.size())), Std(expected))
        << TransportName(GetParam());
    const sim::LabelState labels = rig.printer.Snapshot().labels;
    EXPECT_EQ(labels.printedCount, 3);
    ASSERT_EQ(labels.printed.size(), 3u);
    EXPECT_EQ(labels.printed[0].lines, std::vector<std::string>{Std(bitmapLine)});
    EXPECT_EQ(labels.printed[1].lines, std::vector<std::string>{Std(vectorLine)});
    EXPECT_EQ(labels.printed[2].lines,
              (std::vector<std::string>{"SL600,0,C", "T50,50,0,3,3,0,0,N,N,'TEST148'",
                                        "T50,350,5,1,1,0,0,N,N,'TEST148'"}));
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST_P(TesterOver, MultiSendSendsTheScriptCountTimes) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    FormScript script;
    script.steps = {Press("insertButton"), Press("closeButton")};
    ToolContext context = rig.Context();
    context.run = script.Runner();
    TesterWindow window(context);
    window.SetEditorBytes("SOT\r\nSD20\r\n");
    Click(window, "bitmapTextButton");
    // Typed at the end, as a person would finish the script.
    auto* editor = Find<QPlainTextEdit>(window, "editor");
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral("P1"));
    QTest::keyClick(editor, Qt::Key_Return);
    const QByteArray text = "SOT\r\nSD20\r\nT20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'\r\nP1\r\n";
    ASSERT_EQ(window.EditorBytes(), text);
    Type(Find<StepField>(window, "countField"), QStringLiteral("3"));
    Click(window, "multiSendButton");

    EXPECT_EQ(rig.ReceivedAtLeast(std::size_t(text.size()) * 3), Std(text + text + text))
        << TransportName(GetParam());
    EXPECT_EQ(Find<QLabel>(window, "sentCounter")->text(), QStringLiteral("3"));
    const sim::LabelState labels = rig.printer.Snapshot().labels;
    EXPECT_EQ(labels.printedCount, 3);
    ASSERT_EQ(labels.printed.size(), 3u);
    EXPECT_EQ(
        labels.printed[2].lines,
        (std::vector<std::string>{"SOT", "SD20", "T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'"}));
    EXPECT_TRUE(labels.current.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(Transports, TesterOver, testing::ValuesIn(kTransports), TransportTestName);

}  // namespace
