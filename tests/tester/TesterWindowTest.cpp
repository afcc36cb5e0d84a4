// The tester window: Multi Send, files, the builder cycle and the buttons of later tools.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTranslator>

#include "support/TestRig.h"
#include "tester/FormScript.h"
#include "tester/ScriptFile.h"
#include "tester/StepField.h"
#include "tester/TesterWindow.h"

namespace {

const QStringList kLoadFilters = {QStringLiteral("All files(*.*) (*.*)"),
                                  QStringLiteral("Text files(*.txt) (*.txt)"),
                                  QStringLiteral("Binary files(*.bin) (*.bin)")};
const QStringList kSaveFilters = {QStringLiteral("All files(*.*) (*.*)"),
                                  QStringLiteral("Text files(*.txt) (*.txt)")};
const QByteArray kBitmapDefault = "T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'";

struct Tester {
    explicit Tester(const QString& portName = QStringLiteral("COM1:"))
        : window(ConnectedContext(portName)) {}

    ToolContext ConnectedContext(const QString& portName) {
        rig.ConnectAndClear(portName);
        ToolContext context = rig.Context();
        context.run = script.Runner();
        return context;
    }
    QPlainTextEdit* Editor() { return Find<QPlainTextEdit>(window, "editor"); }
    StepField* Count() { return Find<StepField>(window, "countField"); }
    QString Counter() { return Find<QLabel>(window, "sentCounter")->text(); }
    void Press(const char* name) { Click(window, name); }
    QByteArray Bytes() { return window.EditorBytes().value_or("(not bytes)"); }

    TestRig rig;
    FormScript script;
    TesterWindow window;
};

TEST(TesterWindow, OpensEmptyWithCountOne) {
    Tester t;
    EXPECT_EQ(t.window.windowTitle(), QStringLiteral("TORQ Tester"));
    EXPECT_EQ(t.Editor()->toPlainText(), QString());
    EXPECT_EQ(t.Count()->Text(), QStringLiteral("1"));
    EXPECT_EQ(t.Counter(), QString());
}

TEST(TesterWindow, MultiSendWritesTheWholeTextCountTimes) {
    struct Case {
        const char* what;
        QByteArray text;
        const char* count;
        std::size_t writes;
        const char* counter;
    };
    const Case cases[] = {
        {.what = "empty editor, count 3", .text = "", .count = "3", .writes = 3, .counter = "3"},
        {.what = "count 0 sends nothing and keeps the counter",
         .text = "P1",
         .count = "0",
         .writes = 0,
         .counter = "earlier"},
        {.what = "script with CR LF and high bytes",
         .text = "SOT\r\nT1,1,3,1,1,0,0,N,N,'\xE9\xFF'\r\nP1",
         .count = "2",
         .writes = 2,
         .counter = "2"},
    };
    for (const Case& c : cases) {
        Tester t;
        t.window.SetEditorBytes(c.text);
        Find<QLabel>(t.window, "sentCounter")->setText(QStringLiteral("earlier"));
        Type(t.Count(), QLatin1String(c.count));
        t.Press("multiSendButton");
        EXPECT_EQ(t.rig.link.writes, std::vector<QByteArray>(c.writes, c.text)) << c.what;
        EXPECT_EQ(t.Counter(), QLatin1String(c.counter)) << c.what;
        EXPECT_TRUE(t.rig.messages.entries.empty()) << c.what;
    }
}

TEST(TesterWindow, AFailedWriteStopsMultiSendAndClearsTheCounter) {
    Tester t;
    t.window.SetEditorBytes("P1\r\n");
    Type(t.Count(), QStringLiteral("5"));
    t.Press("multiSendButton");
    EXPECT_EQ(t.Counter(), QStringLiteral("5"));

    t.rig.link.ClearRecord();
    t.rig.link.acceptPerWrite = 0;
    t.Press("multiSendButton");
    EXPECT_EQ(t.Counter(), QString());
    // The port tried its four times once, warned once, and Multi Send went no further.
    EXPECT_EQ(t.rig.link.writes.size(), 4u);
    EXPECT_EQ(t.rig.messages.Warnings(),
              QStringList{QStringLiteral("Port error! Check printer's port, please.")});
}

TEST(TesterWindow, AWrongCountSendsNothingAndKeepsTheTesterOpen) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Please enter an integer."},
        {"10001", "Please enter an integer between 0 and 10000."},
        {"99999999999", "Please enter an integer."},
    };
    for (const auto& [count, message] : cases) {
        Tester t;
        t.window.show();
        Type(t.Count(), QLatin1String(count));
        t.Press("multiSendButton");
        EXPECT_TRUE(t.rig.link.writes.empty()) << count;
        EXPECT_EQ(t.rig.messages.Warnings(), QStringList{QLatin1String(message)}) << count;
    }
    Tester t;
    t.window.show();
    Type(t.Count(), QString());
    t.Press("closeButton");
    QTest::keyClick(&t.window, Qt::Key_Escape);
    EXPECT_TRUE(t.window.isVisible());
    EXPECT_EQ(t.rig.messages.Warnings(),
              QStringList(2, QStringLiteral("Please enter an integer.")));
    Type(t.Count(), QStringLiteral("3"));
    t.Press("closeButton");
    EXPECT_FALSE(t.window.isVisible());
}

TEST(TesterWindow, TheCountTakesDigitsOnlyAndItsStepControlCycles) {
    Tester t;
    t.Count()->setFocus();
    t.Count()->SetText(QString());
    QTest::keyClicks(t.Count(), QStringLiteral("-1a2"));
    EXPECT_EQ(t.Count()->Text(), QStringLiteral("12"));
    t.Count()->SetText(QStringLiteral("10000"));
    t.Count()->stepBy(1);
    EXPECT_EQ(t.Count()->Text(), QStringLiteral("0"));
}

TEST(TesterWindow, BuilderLinesAreAppendedAtTheEndOfWhateverStandsThere) {
    struct Case {
        const char* what;
        QByteArray before;
        std::vector<std::function<void(QDialog&)>> steps;
        QByteArray after;
        int openings;
    };
    const auto insert = Press("insertButton");
    const auto close = Press("closeButton");
    const auto changeData = [](QDialog& form) {
        Type(Find<QLineEdit>(form, "dataField"), QStringLiteral("second"));
        Click(form, "insertButton");
    };
    const Case cases[] = {
        {.what = "unterminated line",
         .before = "SOT",
         .steps = {insert, close},
         .after = "SOT" + kBitmapDefault + "\r\n",
         .openings = 2},
        {.what = "two insertions, the second as shown",
         .before = "P1\r\n",
         .steps = {insert, changeData, close},
         .after = "P1\r\n" + kBitmapDefault + "\r\nT20,20,3,1,1,0,0,N,N,'second'\r\n",
         .openings = 3},
        {.what = "closed at once",
         .before = "SOT",
         .steps = {close},
         .after = "SOT",
         .openings = 1},
        {.what = "left with Escape",
         .before = "",
         .steps = {[](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); }},
         .after = "",
         .openings = 1},
    };
    for (const Case& c : cases) {
        Tester t;
        t.window.SetEditorBytes(c.before);
        // The caret stands at the start: insertion goes to the end all the same.
        t.Editor()->moveCursor(QTextCursor::Start);
        t.script.steps.assign(c.steps.begin(), c.steps.end());
        t.Press("bitmapTextButton");
        EXPECT_EQ(t.Bytes(), c.after) << c.what;
        EXPECT_EQ(t.script.titles, QStringList(c.openings, QStringLiteral("Bitmap Text Command")))
            << c.what;
        EXPECT_TRUE(t.rig.link.writes.empty()) << c.what;
    }
}

TEST(TesterWindow, ANewCycleStartsFromTheDefaults) {
    Tester t;
    t.script.steps = {[](QDialog& form) {
                          Type(Find<QLineEdit>(form, "dataField"), QStringLiteral("changed"));
                          Click(form, "insertButton");
                      },
                      Press("closeButton"), Press("insertButton"), Press("closeButton")};
    t.Press("vectorTextButton");
    t.Press("vectorTextButton");
    EXPECT_EQ(t.Bytes(), QByteArray("V20,20,U,35,35,1,N,N,N,0,L,0,'changed'\r\n"
                                    "V20,20,U,35,35,1,N,N,N,0,L,0,'KORVALE Label Printer'\r\n"));
}

TEST(TesterWindow, EveryButtonOpensItsFormOrSaysItIsNotAvailable) {
    // The status checks and the RFID lines are plugged in by the main window's tools; a tester
    // on its own has only its own forms.
    const struct {
        const char* button;
        const char* title;  // nothing: "not available"
    } cases[] = {
        {"speedDensityDirectionButton", "Printing Setting"},
        {"marginWidthLengthButton", "Label Setting"},
        {"lineBoxButton", "Block Draw Command"},
        {"barcode1DButton", "1D Barcode Command"},
        {"barcode2DButton", "2D Barcode Command"},
        {"copiesButton", "Printing Copies"},
        {"convertButton", "Convert Unit"},
        {"checkPrinterStatusButton", nullptr},
        {"characterSetButton", "Character Set Command"},
        {"printCodesButton", "2 Byte Codepage"},
        {"rfidWriteButton", nullptr},
        {"rfidKillButton", nullptr},
    };
    for (const auto& c : cases) {
        Tester t;
        t.Press(c.button);
        if (c.title == nullptr) {
            EXPECT_EQ(t.rig.messages.Texts(),
                      QStringList{QStringLiteral("This tool is not available in this version.")})
                << c.button;
            EXPECT_TRUE(t.script.titles.isEmpty()) << c.button;
        } else {
            EXPECT_TRUE(t.rig.messages.entries.empty()) << c.button;
            EXPECT_EQ(t.script.titles, QStringList{QString::fromLatin1(c.title)}) << c.button;
        }
    }
}

TEST(TesterWindow, APluggedBuilderOrFormOpensFromItsButton) {
    // A builder of several lines, whose form inserts when it is accepted; it tells its form
    // which opening of the cycle it is.
    struct Settings : CommandBuilder {
        void BeginOpening(Opening opening) override { openings.push_back(opening); }
        QList<QByteArray> Lines() const override { return {"SS3", "SD20", "SOT"}; }
        std::vector<Opening> openings;
    };
    struct SettingsForm : QDialog {
        SettingsForm(Settings& builder, const ToolContext&, QWidget*) {
            setWindowTitle(builder.openings.back() == CommandBuilder::Opening::First
                               ? QStringLiteral("Printing Setting")
                               : QStringLiteral("Printing Setting again"));
        }
    };
    TestRig rig;
    FormScript script;
    TesterForms forms;
    forms.builders[TesterButton::SpeedDensityDirection] = Builds<Settings, SettingsForm>();
    forms.forms[TesterButton::CharacterSet] = [](const ToolContext&, QWidget*) {
        auto form = std::make_unique<QDialog>();
        form->setWindowTitle(QStringLiteral("Character Set Command"));
        return form;
    };
    ToolContext context = rig.Context();
    context.run = script.Runner();
    TesterWindow window(context, nullptr, forms);
    script.steps = {[](QDialog& form) { form.accept(); }, [](QDialog& form) { form.reject(); },
                    [](QDialog& form) { form.accept(); }};
    Click(window, "speedDensityDirectionButton");
    Click(window, "characterSetButton");
    EXPECT_EQ(window.EditorBytes(), QByteArray("SS3\r\nSD20\r\nSOT\r\n"));
    EXPECT_EQ(script.titles, (QStringList{QStringLiteral("Printing Setting"),
                                          QStringLiteral("Printing Setting again"),
                                          QStringLiteral("Character Set Command")}));
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST(TesterWindow, CleanCutCopyAndPasteActOnTheEditor) {
    Tester t;
    t.window.SetEditorBytes("SOT\r\nP1");
    t.Editor()->selectAll();
    t.Press("copyButton");
    t.Press("cleanButton");
    EXPECT_EQ(t.Bytes(), QByteArray());
    t.Press("pasteButton");
    t.Press("pasteButton");
    EXPECT_EQ(t.Bytes(), QByteArray("SOT\r\nP1SOT\r\nP1"));
    t.Editor()->selectAll();
    t.Press("cutButton");
    EXPECT_EQ(t.Bytes(), QByteArray());
    // Clean can be undone, so a slip of the hand costs nothing.
    t.window.SetEditorBytes("keep");
    t.Press("cleanButton");
    t.Editor()->undo();
    EXPECT_EQ(t.Bytes(), QByteArray("keep"));
}

TEST(TesterWindow, SaveThenLoadGivesTheIdenticalBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("VELD.txt"));
    QByteArray script = "SOT\r\nT20,20,3,1,1,0,0,N,N,'\x80\xA0\xE9\xFF'\r\nlone\rLF\nP1\r\n";
    Tester t;
    t.window.SetEditorBytes(script);
    t.rig.files.answers = {path, path};
    t.Press("saveButton");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), script);

    Tester u;
    u.window.SetEditorBytes("to be replaced");
    u.rig.files.answers = {path};
    u.Press("loadButton");
    EXPECT_EQ(u.Bytes(), script);
    EXPECT_TRUE(u.rig.messages.entries.empty());
    ASSERT_EQ(t.rig.files.requests.size(), 1u);
    EXPECT_TRUE(t.rig.files.requests[0].save);
    EXPECT_EQ(t.rig.files.requests[0].nameFilters, kSaveFilters);
    EXPECT_EQ(t.rig.files.requests[0].proposedName, QStringLiteral("VELD.txt"));
    ASSERT_EQ(u.rig.files.requests.size(), 1u);
    EXPECT_FALSE(u.rig.files.requests[0].save);
    EXPECT_EQ(u.rig.files.requests[0].nameFilters, kLoadFilters);
}

TEST(TesterWindow, FileFilterNamesAreTranslatedAndTheirPatternsKept) {
    // Marks every text of the tester window, as a translation would replace it.
    struct MarkingTranslator : QTranslator {
        QString translate(const char* context, const char* source, const char*,
                          int) const override {
            return qstrcmp(context, "TesterWindow") == 0
                       ? QStringLiteral("<%1>").arg(QString::fromUtf8(source))
                       : QString();
        }
        bool isEmpty() const override { return false; }
    };
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    Tester t;
    t.Press("loadButton");
    t.Press("saveButton");
    QCoreApplication::removeTranslator(&translator);
    ASSERT_EQ(t.rig.files.requests.size(), 2u);
    EXPECT_EQ(t.rig.files.requests[0].nameFilters,
              Texts({"<All files(*.*)> (*.*)", "<Text files(*.txt)> (*.txt)",
                     "<Binary files(*.bin)> (*.bin)"}));
    EXPECT_EQ(t.rig.files.requests[1].nameFilters,
              Texts({"<All files(*.*)> (*.*)", "<Text files(*.txt)> (*.txt)"}));
}

TEST(TesterWindow, LoadStopsAtAZeroByteAndKeepsTheTextWhenItCannotLoad) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    struct Case {
        const char* what;
        QString answer;
        QByteArray after;
        QString warning;
    };
    const QString zero =
        WriteFile(dir, QStringLiteral("zero.bin"), QByteArray("P1\0more text", 12));
    const QString large =
        WriteFile(dir, QStringLiteral("large.bin"), QByteArray(ScriptFile::kLargestLoad + 1, 'x'));
    const QString missing = folder.filePath(QStringLiteral("missing.txt"));
    // A named pipe nobody writes to: opening it the usual way would wait for ever.
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Case cases[] = {
        {.what = "zero byte", .answer = zero, .after = "P1", .warning = {}},
        {.what = "cancelled",
         .answer = QString(),
         .after = "unsaved\r\nscript",
         .warning = QStringLiteral("Don't select load file")},
        {.what = "missing file",
         .answer = missing,
         .after = "unsaved\r\nscript",
         .warning = QStringLiteral("Cannot open the file %1.").arg(missing)},
        {.what = "named pipe",
         .answer = pipe,
         .after = "unsaved\r\nscript",
         .warning = QStringLiteral("Cannot open the file %1.").arg(pipe)},
        {.what = "too large",
         .answer = large,
         .after = "unsaved\r\nscript",
         .warning = QStringLiteral("The file %1 is too large to load (more than 2097152 bytes).")
                        .arg(large)},
    };
    for (const Case& c : cases) {
        Tester t;
        t.window.SetEditorBytes("unsaved\r\nscript");
        t.rig.files.answers = {c.answer};
        t.Press("loadButton");
        EXPECT_EQ(t.Bytes(), c.after) << c.what;
        EXPECT_EQ(t.rig.messages.Warnings(),
                  c.warning.isEmpty() ? QStringList() : QStringList{c.warning})
            << c.what;
    }
}

TEST(TesterWindow, SaveCancelledOrRefusedWritesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.txt"));
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("old");
    }
    Tester t;
    t.window.SetEditorBytes("new");
    t.rig.files.answers = {QString()};
    t.Press("saveButton");
    EXPECT_EQ(t.rig.messages.Warnings(), QStringList{QStringLiteral("Don't select save file")});

    // A character without a byte is refused, never saved as "?".
    t.rig.messages.Clear();
    t.Editor()->setPlainText(QStringLiteral("T1,1,3,1,1,0,0,N,N,'日本'"));
    t.rig.files.answers = {path};
    t.Press("saveButton");
    t.Press("multiSendButton");
    EXPECT_EQ(t.rig.messages.Warnings().size(), 2);
    EXPECT_TRUE(t.rig.link.writes.empty());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));

    const QString unwritable = folder.filePath(QStringLiteral("no/such/folder/x.txt"));
    t.rig.messages.Clear();
    t.window.SetEditorBytes("new");
    t.rig.files.answers = {unwritable};
    t.Press("saveButton");
    EXPECT_EQ(t.rig.messages.Warnings(),
              QStringList{QStringLiteral("Cannot write the file %1.").arg(unwritable)});
}

}  // namespace
