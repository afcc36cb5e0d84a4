// The label preview pane, and the tester's Preview button that shows it beside the editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include "forms/Controls.h"
#include "images/PcxCodec.h"
#include "preview/LabelPreviewPane.h"
#include "preview/LabelView.h"
#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/TesterWindow.h"

namespace {

const QByteArray kText = "T20,20,3,1,1,0,0,N,N,'Tagwell'\r\n";
const QByteArray kBox = "BD100,100,300,200,O\r\n";
constexpr int kWaitMs = 5000;  // far beyond the typing pause: only a fault waits this long

struct Pane {
    Pane() {
        pane.resize(500, 700);
        pane.show();
    }
    void Draw(const QByteArray& script) {
        pane.SetScript(script);
        pane.RenderNow();
    }
    QComboBox* Labels() { return Find<QComboBox>(pane, "labelList"); }
    QString Copies() { return Find<QLabel>(pane, "copiesLabel")->text(); }
    QTreeWidget* Undrawn() { return Find<QTreeWidget>(pane, "undrawnList"); }
    QComboBox* Zoom() { return Find<QComboBox>(pane, "zoomList"); }

    LabelPreviewPane pane;
};

TEST(LabelPreviewPane, ShowsTheLabelsOfTheScript) {
    struct Case {
        const char* what;
        QByteArray script;
        std::size_t labels;
        const char* chooser;  // the label shown first
        const char* copies;
        const char* size = "";
        const char* hint = "";
    };
    const Case cases[] = {
        {.what = "an empty script",
         .script = "",
         .labels = 0,
         .chooser = "",
         .copies = "",
         .hint = "Type or load a script to see its label."},
        {.what = "settings that draw nothing",
         .script = "SW400\r\nSL300\r\n",
         .labels = 0,
         .chooser = "",
         .copies = "",
         .hint = "Nothing in the script is drawn on a label."},
        {.what = "one printed label of the set size",
         .script = "SW400\r\nSL240,24,G\r\n" + kText + "P1\r\n",
         .labels = 1,
         .chooser = "Label 1 of 1",
         .copies = "× 1",
         .size = "400 × 240 dots (50.0 × 30.0 mm)"},
        {.what = "three labels, the first of five copies, the last not printed",
         .script = kText + "P5\r\n" + kBox + "P1\r\n" + kText,
         .labels = 3,
         .chooser = "Label 1 of 3",
         .copies = "× 5",
         .size = "812 × 1219 dots (101.5 × 152.4 mm)"},
        {.what = "drawing that no print command follows",
         .script = kText,
         .labels = 1,
         .chooser = "Label 1 of 1",
         .copies = "not printed yet: no print command follows"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pane p;
        p.Draw(c.script);
        EXPECT_EQ(p.pane.Shown().labels.size(), c.labels);
        EXPECT_EQ(p.Labels()->count(), int(c.labels));
        EXPECT_EQ(p.Labels()->isVisibleTo(&p.pane), c.labels > 0);
        EXPECT_EQ(p.Labels()->isEnabled(), c.labels > 1);
        EXPECT_EQ(p.Labels()->currentText(), QString::fromUtf8(c.chooser));
        EXPECT_EQ(p.Copies(), QString::fromUtf8(c.copies));
        if (*c.size != '\0') {
            EXPECT_EQ(Find<QLabel>(p.pane, "sizeLabel")->text(), QString::fromUtf8(c.size));
        }
        const auto* hint = Find<QLabel>(p.pane, "hintLabel");
        EXPECT_EQ(hint->isVisibleTo(&p.pane), *c.hint != '\0');
        if (*c.hint != '\0') {
            EXPECT_EQ(hint->text(), QString::fromUtf8(c.hint));
        }
    }
}

TEST(LabelPreviewPane, TheChosenLabelStaysChosenWhileTheScriptChanges) {
    Pane p;
    p.Draw(kText + "P5\r\n" + kBox + "P2\r\n" + kText);
    Choose(p.Labels(), 1);
    EXPECT_EQ(p.pane.ShownLabel(), 1);
    EXPECT_EQ(p.Copies(), QStringLiteral("× 2"));
    EXPECT_GT(p.pane.Shown().labels[1].bitmap.InkIn(100, 100, 300, 200), 0);

    // Typing on in the second label keeps it in view; losing it falls back to the last one.
    p.Draw(kText + "P5\r\n" + kBox + kText + "P3\r\n");
    EXPECT_EQ(p.pane.ShownLabel(), 1);
    EXPECT_EQ(p.Labels()->currentText(), QStringLiteral("Label 2 of 2"));
    EXPECT_EQ(p.Copies(), QStringLiteral("× 3"));
    p.Draw(kText + "P5\r\n");
    EXPECT_EQ(p.pane.ShownLabel(), 0);
    EXPECT_EQ(p.Copies(), QStringLiteral("× 5"));
}

TEST(LabelPreviewPane, ListsTheCommandsItCouldNotDraw) {
    const QByteArray longCommand = "ZZ" + QByteArray(60, '7');
    struct Case {
        const char* what;
        QByteArray script;
        QStringList row;  // line, command, reason; none: every command was drawn
        const char* title;
    };
    const Case cases[] = {
        {.what = "an unknown command",
         .script = kText + "ZZ1,2\r\nP1\r\n",
         .row = Texts({"2", "ZZ1,2", "No label command of this name"}),
         .title = "Commands not drawn (1):"},
        {.what = "a long command is shortened",
         .script = longCommand + "\r\n",
         .row = {QStringLiteral("1"), QString::fromLatin1(longCommand.left(39)) + QChar(0x2026),
                 QStringLiteral("No label command of this name")},
         .title = "Commands not drawn (1):"},
        {.what = "a text line it cannot read",
         .script = "\r\n\r\nT20,20\r\n",
         .row = Texts({"3", "T20,20", "The printer cannot read it"}),
         .title = "Commands not drawn (1):"},
        {.what = "a picture the printer does not hold, named",
         .script = "IR10,10,'LOGO'\r\n",
         .row = Texts({"1", "IR10,10,'LOGO'", "Picture not in the printer's memory: LOGO"}),
         .title = "Commands not drawn (1):"},
        {.what = "everything drawn",
         .script = kText + kBox + "P1\r\n",
         .row = {},
         .title = "Every command was drawn."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pane p;
        p.Draw(c.script);
        QTreeWidget* list = p.Undrawn();
        EXPECT_EQ(list->isVisibleTo(&p.pane), !c.row.isEmpty());
        EXPECT_EQ(Find<QLabel>(p.pane, "undrawnTitle")->text(), QString::fromUtf8(c.title));
        if (c.row.isEmpty()) {
            EXPECT_EQ(list->topLevelItemCount(), 0);
            continue;
        }
        ASSERT_EQ(list->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = list->topLevelItem(0);
        EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2)}), c.row);
        // The whole command is one hover away.
        EXPECT_EQ(row->toolTip(1), row->text(1).endsWith(QChar(0x2026))
                                       ? QString::fromLatin1(longCommand)
                                       : row->text(1));
    }
}

TEST(LabelPreviewPane, DrawsThePicturesTheScriptStores) {
    QImage square(16, 16, QImage::Format_RGB32);
    square.fill(Qt::black);
    const QByteArray pcx = PcxCodec::Write(square);
    ASSERT_FALSE(pcx.isEmpty());
    Pane p;
    p.Draw("IS" + QByteArray::number(pcx.size()) + ",'LOGO'" + pcx +
           "\r\nIR10,10,'LOGO'\r\nP1\r\n");
    ASSERT_EQ(p.pane.Shown().labels.size(), 1u);
    EXPECT_EQ(p.pane.Shown().labels[0].bitmap.InkIn(10, 10, 16, 16), 16 * 16);
    EXPECT_EQ(p.Undrawn()->topLevelItemCount(), 0);
}

// Turns the wheel over the label with Ctrl held, `notches` notches away from the person.
void CtrlWheel(QWidget* viewport, int notches) {
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

TEST(LabelPreviewPane, ZoomChangesTheShownScale) {
    Pane p;
    p.Draw(kText + "P1\r\n");
    auto* view = Find<LabelView>(p.pane, "labelView");
    // Fit, the first entry, shows the whole 812 × 1219 label.
    EXPECT_EQ(Controls::Chosen<int>(p.Zoom()), LabelPreviewPane::kFit);
    const double fitted = p.pane.Scale();
    EXPECT_LT(fitted, 1.0);
    EXPECT_LE(812 * fitted, view->viewport()->width());
    EXPECT_LE(1219 * fitted, view->viewport()->height());
    // ... and follows the pane's size.
    p.pane.resize(900, 1400);
    QApplication::processEvents();
    EXPECT_GT(p.pane.Scale(), fitted);
    p.pane.resize(500, 700);
    QApplication::processEvents();

    struct Case {
        const char* what;
        int from;  // zoom entry chosen first, in percent
        int notches;
        int zoom;
    };
    const Case cases[] = {
        {.what = "an entry", .from = 200, .notches = 0, .zoom = 200},
        {.what = "wheel in from 100 %", .from = 100, .notches = 1, .zoom = 200},
        {.what = "wheel out from 100 %", .from = 100, .notches = -1, .zoom = 50},
        {.what = "two notches", .from = 25, .notches = 2, .zoom = 100},
        {.what = "in beyond the largest", .from = 400, .notches = 3, .zoom = 400},
        {.what = "in from the fitted scale",
         .from = LabelPreviewPane::kFit,
         .notches = 1,
         .zoom = 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Controls::Choose(p.Zoom(), c.from));
        CtrlWheel(view->viewport(), c.notches);
        EXPECT_EQ(Controls::Chosen<int>(p.Zoom()), c.zoom);
        EXPECT_DOUBLE_EQ(p.pane.Scale(), c.zoom / 100.0);
    }
}

TEST(LabelPreviewPane, DrawsShortlyAfterTheLastChange) {
    Pane p;
    p.pane.SetScript(kText + "P1\r\n");
    p.pane.SetScript(kText + "P7\r\n");
    EXPECT_TRUE(p.pane.Shown().labels.empty()) << "drawn at every keystroke";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.pane.Shown().labels.empty(); }, kWaitMs));
    EXPECT_EQ(p.Copies(), QStringLiteral("× 7"));
}

struct Tester {
    Tester() : window(ConnectedContext()) {
        window.show();
        QApplication::processEvents();
    }
    ToolContext ConnectedContext() {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        return rig.Context();
    }
    LabelPreviewPane* Pane() { return Find<LabelPreviewPane>(window, "previewPane"); }
    QPushButton* Button() { return Find<QPushButton>(window, "previewButton"); }

    TestRig rig;
    TesterWindow window;
};

TEST(TesterPreview, TheButtonShowsThePaneThatFollowsTheEditorAndSendsNothing) {
    Tester t;
    const int narrow = t.window.width();
    EXPECT_FALSE(t.Pane()->isVisible());

    // A script written while the pane was hidden shows at once when it opens.
    t.window.SetEditorBytes(kText + "P2\r\n");
    Click(t.Button());
    EXPECT_TRUE(t.Button()->isChecked());
    EXPECT_TRUE(t.Pane()->isVisible());
    EXPECT_GT(t.window.width(), narrow) << "the window grows to make room";
    ASSERT_EQ(t.Pane()->Shown().labels.size(), 1u);

    // Typing a second label into the editor draws it too.
    auto* editor = Find<QPlainTextEdit>(t.window, "editor");
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral("BD10,10,50,50,O"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("P3"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.Pane()->Shown().labels.size() == 2; }, kWaitMs));
    EXPECT_EQ(t.Pane()->Shown().labels[1].copies, 3);
    EXPECT_EQ(t.Pane()->Shown().labels[1].bitmap.InkIn(10, 10, 50, 50), 40 * 40);

    // A character that has no byte is named instead of drawn.
    editor->insertPlainText(QStringLiteral("\u3042"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.Pane()->Shown().labels.empty(); }, kWaitMs));
    EXPECT_TRUE(Find<QLabel>(*t.Pane(), "hintLabel")->text().contains(QStringLiteral("\u3042")));

    Click(t.Button());
    EXPECT_FALSE(t.Pane()->isVisible());
    EXPECT_EQ(t.window.width(), narrow) << "the room is given back";
    EXPECT_TRUE(t.rig.link.writes.empty());
}

}  // namespace
