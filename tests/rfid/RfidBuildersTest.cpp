// The tester's RFID builders: the lines their forms insert, what they refuse, and how they show
// again within a builder cycle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <functional>
#include <memory>

#include "rfid/RfidKillBuilder.h"
#include "rfid/RfidKillLineForm.h"
#include "rfid/RfidPasswordBuilder.h"
#include "rfid/RfidPasswordLineForm.h"
#include "rfid/RfidReadBuilder.h"
#include "rfid/RfidReadLineForm.h"
#include "rfid/RfidSecurityBuilder.h"
#include "rfid/RfidSecurityLineForm.h"
#include "rfid/RfidWriteBuilder.h"
#include "rfid/RfidWriteLineForm.h"
#include "support/TestRig.h"
#include "tester/BuilderRig.h"
#include "tester/FormScript.h"
#include "tester/TesterWindow.h"

namespace {

using Kind = RecordingMessages::Kind;
const QString kRangeRefused =
    QStringLiteral("Invalid value!\nPlease check StartBlockNumber and Number of bytes.");
const QString kAccess = QStringLiteral("Value of access is invalid!");
const QString kKill = QStringLiteral("Value of kill is invalid!");
const QString kHexOnly = QStringLiteral("\nUse the hexadecimal digits 0-9 and A-F only.");

// A builder's form as the tester makes it, which a test may show to move the focus.
template <typename Builder, typename Form>
struct Opened : BuilderRig<Builder, Form> {
    // Inserts, and opens the form again as the tester does after an insertion.
    QList<QByteArray> InsertAndReopen() {
        const QList<QByteArray> lines = this->Inserted();
        this->Reopen();
        return lines;
    }
    void Show() { ShowActive(*this->form); }
};

using Write = Opened<RfidWriteBuilder, RfidWriteLineForm>;
using Read = Opened<RfidReadBuilder, RfidReadLineForm>;
using Password = Opened<RfidPasswordBuilder, RfidPasswordLineForm>;
using Security = Opened<RfidSecurityBuilder, RfidSecurityLineForm>;

QLineEdit* Cell(Write& w, int number) {
    return w.Get<QLineEdit>(QStringLiteral("cell%1Edit").arg(number).toLatin1().constData());
}

std::vector<int> EnabledCells(Write& w) {
    std::vector<int> numbers;
    for (int number = 1; number <= RfidWriteBuilder::kCells; ++number) {
        if (Cell(w, number)->isEnabled()) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

// Chooses the data type (0 H, 1 A), the start block and the number of bytes, then "Set Data".
void LayOut(Write& w, int type, int start, int count) {
    Choose(w.Get<QComboBox>("dataTypeList"), type);
    Choose(w.Get<QComboBox>("startBlockList"), start - 4);
    Choose(w.Get<QComboBox>("byteCountList"), count - 1);
    w.Press("setDataButton");
}

TEST(RfidWriteLine, FirstShowingHasTheCellsClosed) {
    Write w;
    EXPECT_EQ(w.form->windowTitle(), QStringLiteral("RFID Write"));
    EXPECT_TRUE(EnabledCells(w).empty());
    EXPECT_FALSE(w.Enabled("resetDataButton"));
    EXPECT_TRUE(w.Enabled("setDataButton"));
    w.Press("insertButton");
    EXPECT_EQ(w.builder.Lines(), QList<QByteArray>{">RFW,H,4,12,''"});
}

TEST(RfidWriteLine, AsciiCellsTypedInTurnMakeTheLine) {
    Write w;
    w.Show();
    LayOut(w, 1, 6, 3);
    EXPECT_EQ(EnabledCells(w), (std::vector<int>{3, 4, 5}));
    EXPECT_FALSE(w.Enabled("setDataButton"));
    EXPECT_FALSE(w.Enabled("dataTypeList"));
    EXPECT_TRUE(w.Enabled("resetDataButton"));
    Cell(w, 3)->setFocus();
    TypeAtFocus("XYZ");
    EXPECT_EQ(Cell(w, 3)->text(), QStringLiteral("X"));
    EXPECT_EQ(Cell(w, 5)->text(), QStringLiteral("Z"));
    EXPECT_EQ(w.InsertAndReopen(), QList<QByteArray>{">RFW,A,6,3,'XYZ'"});

    // Shown again: the same range open for typing, its texts kept, the choices closed.
    EXPECT_EQ(EnabledCells(w), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Cell(w, 4)->text(), QStringLiteral("Y"));
    EXPECT_EQ(Cell(w, 4)->maxLength(), 1);
    EXPECT_FALSE(w.Enabled("setDataButton"));
    EXPECT_FALSE(w.Enabled("startBlockList"));
    EXPECT_TRUE(w.Enabled("resetDataButton"));
    EXPECT_TRUE(w.rig.messages.entries.empty());
}

TEST(RfidWriteLine, HexCellsTakeTwoCharactersAndTheLastCellKeepsTheFocus) {
    Write w;
    w.Show();
    LayOut(w, 0, 9, 4);
    EXPECT_EQ(EnabledCells(w), (std::vector<int>{6, 7, 8, 9}));
    Cell(w, 8)->setFocus();
    TypeAtFocus("0A1B2");
    EXPECT_EQ(Cell(w, 8)->text(), QStringLiteral("0A"));
    EXPECT_EQ(Cell(w, 9)->text(), QStringLiteral("1B"));
    EXPECT_EQ(QApplication::focusWidget(), Cell(w, 9)) << "cell 10 is closed";

    LayOut(w, 1, 4, 12);  // the choices are closed: nothing changes
    w.Press("resetDataButton");
    EXPECT_TRUE(EnabledCells(w).empty());
    LayOut(w, 1, 4, 12);
    Cell(w, 12)->setFocus();
    TypeAtFocus("Q");
    EXPECT_EQ(QApplication::focusWidget(), Cell(w, 12)) << "the twelfth cell moves it nowhere";
}

TEST(RfidWriteLine, SetDataAcceptsOnlyARangeWithinTheTwelveCells) {
    struct Case {
        int start;
        int count;
        std::vector<int> cells;  // empty: refused
    };
    const Case cases[] = {
        {10, 4, {7, 8, 9, 10}},
        {10, 7, {}},
        {4, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {5, 12, {}},
    };
    for (const Case& c : cases) {
        Write w;
        LayOut(w, 0, c.start, c.count);
        EXPECT_EQ(EnabledCells(w), c.cells) << c.start << "+" << c.count;
        if (c.cells.empty()) {
            // An information box, and nothing changed.
            EXPECT_EQ(w.rig.messages.entries,
                      (std::vector<RecordingMessages::Entry>{{Kind::Information, kRangeRefused}}));
            EXPECT_TRUE(w.Enabled("setDataButton"));
            EXPECT_FALSE(w.Enabled("resetDataButton"));
        } else {
            EXPECT_TRUE(w.rig.messages.entries.empty());
        }
    }
}

TEST(RfidWriteLine, InsertRefusesWhatTheCommandCannotCarry) {
    struct Case {
        const char* what;
        std::function<void(Write&)> change;
        RecordingMessages::Entry message;
    };
    const Case cases[] = {
        {.what = "a range never checked by Set Data",
         .change = [](Write& w) { Choose(w.Get<QComboBox>("startBlockList"), 6); },
         .message = {Kind::Information, kRangeRefused}},
        {.what = "a hex cell with a letter beyond F",
         .change =
             [](Write& w) {
                 LayOut(w, 0, 4, 2);
                 Type(Cell(w, 2), QStringLiteral("G1"));
             },
         .message = {Kind::Warning,
                     QStringLiteral("Cell 2 holds \"G1\", which is not "
                                    "hexadecimal.\nUse the digits 0-9 and A-F only.")}},
        {.what = "an ASCII apostrophe would end the data",
         .change =
             [](Write& w) {
                 LayOut(w, 1, 4, 3);
                 Type(Cell(w, 3), QStringLiteral("'"));
             },
         .message = {Kind::Warning,
                     QStringLiteral(
                         "Cell 3 holds an apostrophe, which would end the data early.")}},
    };
    for (const Case& c : cases) {
        Write w;
        w.Show();
        c.change(w);
        w.rig.messages.Clear();
        w.Press("insertButton");
        EXPECT_EQ(w.rig.messages.entries, std::vector<RecordingMessages::Entry>{c.message})
            << c.what;
        EXPECT_TRUE(w.form->isVisible()) << c.what;
        EXPECT_NE(w.form->result(), QDialog::Accepted) << c.what;

        // Close leaves whatever the cells hold.
        w.Press("closeButton");
        EXPECT_FALSE(w.form->isVisible()) << c.what;
    }
}

TEST(RfidReadLine, InsertsTheChosenListsAndShowsThemAgain) {
    Read r;
    EXPECT_EQ(r.form->windowTitle(), QStringLiteral("RFID Read"));
    EXPECT_EQ(r.InsertAndReopen(), QList<QByteArray>{">RFR,H,4,12,S"});
    Choose(r.Get<QComboBox>("dataTypeList"), 1);
    Choose(r.Get<QComboBox>("startBlockList"), 6);
    Choose(r.Get<QComboBox>("byteCountList"), 0);
    Choose(r.Get<QComboBox>("outputList"), 1);
    EXPECT_EQ(r.InsertAndReopen(), QList<QByteArray>{">RFR,A,10,1,P"});
    EXPECT_EQ(r.Get<QComboBox>("startBlockList")->currentText(), QStringLiteral("10"));
    EXPECT_EQ(r.Get<QComboBox>("outputList")->currentText(), QStringLiteral("P"));
}

TEST(RfidPasswordLine, TypingPutsInTheDots) {
    struct Case {
        const char* what;
        const char* start;  // the field's text before the keys
        std::vector<int> keys;
        const char* shown;
    };
    const auto keys = [](const char* text) {
        std::vector<int> codes;
        for (const char* c = text; *c != '\0'; ++c) {
            codes.push_back(*c);
        }
        return codes;
    };
    const Case cases[] = {
        {"two characters", "", keys("5E"), "5E."},
        {"eight digits", "", keys("5E3A91C7"), "5E.3A.91.C7"},
        {"deleting back to two", "5E.3", {Qt::Key_Backspace}, "5E."},
        {"deleting back to five", "5E.3A.9", {Qt::Key_Backspace}, "5E.3A."},
        {"deleting a dot puts it back", "5E.3A.91.", {Qt::Key_Backspace}, "5E.3A.91."},
    };
    for (const Case& c : cases) {
        Password p;
        p.Show();
        auto* field = p.Get<QLineEdit>("killEdit");
        field->setText(QLatin1String(c.start));
        field->setFocus();
        field->end(false);
        for (const int key : c.keys) {
            if (key == Qt::Key_Backspace) {
                QTest::keyClick(field, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(field, QString(QLatin1Char(char(key))));
            }
        }
        EXPECT_EQ(field->text(), QLatin1String(c.shown)) << c.what;
        EXPECT_EQ(field->cursorPosition(), field->text().size()) << c.what;
        EXPECT_EQ(QApplication::focusWidget(), field) << c.what;
    }
}

TEST(RfidPasswordLine, InsertsTwoPasswordsOfEightHexDigits) {
    struct Case {
        const char* what;
        const char* access;
        const char* kill;
        QByteArray line = {};                   // empty: refused
        RecordingMessages::Entry message = {};  // of a refusal
    };
    const Case cases[] = {
        {.what = "first-showing fields",
         .access = nullptr,
         .kill = nullptr,
         .line = ">RFZ,'5E3A91C7,5E3A91C7,5E3A91C7,5E3A91C7'"},
        {.what = "dots anywhere, or none",
         .access = "0.1.2.3.4.5.6.7",
         .kill = "ABCDEF01",
         .line = ">RFZ,'5E3A91C7,5E3A91C7,01234567,ABCDEF01'"},
        {.what = "six characters of access",
         .access = "5E.3A.91",
         .kill = "5E.3A.91.C7",
         .message = {Kind::Warning, kAccess}},
        {.what = "nine of kill",
         .access = "5E.3A.91.C7",
         .kill = "5E.3A.91.C7.0",
         .message = {Kind::Warning, kKill}},
        {.what = "access checked first",
         .access = "",
         .kill = "",
         .message = {Kind::Warning, kAccess}},
        {.what = "not hexadecimal",
         .access = "5E.3A.91.C7",
         .kill = "5E.3A.91.CG",
         .message = {Kind::Warning, kKill + kHexOnly}},
    };
    for (const Case& c : cases) {
        Password p;
        EXPECT_EQ(p.form->windowTitle(), QStringLiteral("RFID Password"));
        p.Show();
        if (c.access != nullptr) {
            p.Get<QLineEdit>("accessEdit")->setText(QLatin1String(c.access));
            p.Get<QLineEdit>("killEdit")->setText(QLatin1String(c.kill));
        }
        p.Press("insertButton");
        if (c.line.isEmpty()) {
            EXPECT_EQ(p.rig.messages.entries, std::vector<RecordingMessages::Entry>{c.message})
                << c.what;
            EXPECT_TRUE(p.form->isVisible()) << c.what;
            EXPECT_EQ(p.Get<QLineEdit>("killEdit")->text(), QLatin1String(c.kill)) << c.what;
            // Close reads the fields and leaves without a word.
            p.rig.messages.Clear();
            p.Press("closeButton");
            EXPECT_EQ(p.form->result(), QDialog::Rejected) << c.what;
            EXPECT_TRUE(p.rig.messages.entries.empty()) << c.what;
            continue;
        }
        EXPECT_TRUE(p.rig.messages.entries.empty()) << c.what;
        EXPECT_EQ(p.InsertAndReopen(), QList<QByteArray>{c.line}) << c.what;
        // Shown again with the fields as they were.
        EXPECT_EQ(p.Get<QLineEdit>("accessEdit")->text(),
                  c.access ? QLatin1String(c.access) : QStringLiteral("5E.3A.91.C7"))
            << c.what;
    }
}

TEST(RfidSecurityLine, FirstShowingIsThePayloadWithNoLockChoice) {
    Security s;
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("RFID Security"));
    EXPECT_TRUE(s.Get<QRadioButton>("payloadRadio")->isChecked());
    EXPECT_TRUE(s.Enabled("unlockBox"));
    EXPECT_TRUE(s.Enabled("maskKillPasswordLeftBox"));
    for (const char* name : {"lockRadio", "unlockRadio"}) {
        EXPECT_FALSE(s.Enabled(name)) << name;
        EXPECT_FALSE(s.Get<QRadioButton>(name)->isChecked()) << name;
    }
}

TEST(RfidSecurityLine, InsertsThePayloadOrTheEncodersOwnLock) {
    struct Case {
        const char* what;
        std::vector<const char*> clicks;
        QByteArray line;
    };
    const Case cases[] = {
        {"nothing ticked", {}, ">RFLP,L,'00,00,00'"},
        {"only Unlock", {"unlockBox"}, ">RFLP,U,'00,00,00'"},
        {"boxes at both ends",
         {"maskKillPasswordLeftBox", "actionUserRightBox"},
         ">RFLP,L,'80,00,10'"},
        {"auto locks to begin with", {"autoRadio"}, ">RFLK"},
        {"auto, UnLock", {"autoRadio", "unlockRadio"}, ">RFUL"},
        {"ticks kept while in auto, used again in payload mode",
         {"unlockBox", "maskEpcRightBox", "autoRadio", "unlockRadio", "payloadRadio"},
         ">RFLP,U,'04,00,00'"},
    };
    for (const Case& c : cases) {
        Security s;
        for (const char* name : c.clicks) {
            s.Press(name);
        }
        EXPECT_EQ(s.InsertAndReopen(), QList<QByteArray>{c.line}) << c.what;
    }
}

TEST(RfidSecurityLine, AutoModeComesBackLockingAndPayloadModeWithoutAChoice) {
    Security s;
    s.Press("unlockBox");
    s.Press("autoRadio");
    EXPECT_TRUE(s.Get<QRadioButton>("lockRadio")->isChecked());
    EXPECT_FALSE(s.Enabled("unlockBox"));
    EXPECT_FALSE(s.Enabled("maskKillPasswordLeftBox"));
    EXPECT_TRUE(s.Get<QCheckBox>("unlockBox")->isChecked()) << "the tick stays";
    s.Press("unlockRadio");
    EXPECT_EQ(s.InsertAndReopen(), QList<QByteArray>{">RFUL"});

    EXPECT_TRUE(s.Get<QRadioButton>("autoRadio")->isChecked());
    EXPECT_TRUE(s.Get<QRadioButton>("lockRadio")->isChecked());
    EXPECT_TRUE(s.Enabled("unlockRadio"));
    EXPECT_EQ(s.InsertAndReopen(), QList<QByteArray>{">RFLK"});

    s.Press("payloadRadio");
    EXPECT_FALSE(s.Get<QRadioButton>("lockRadio")->isChecked());
    EXPECT_FALSE(s.Get<QRadioButton>("unlockRadio")->isChecked());
    EXPECT_FALSE(s.Enabled("lockRadio"));
    EXPECT_TRUE(s.Enabled("unlockBox"));
    EXPECT_EQ(s.InsertAndReopen(), QList<QByteArray>{">RFLP,U,'00,00,00'"});
}

// The tester's cycle: each insertion appends its line with CR LF at the end of the editor,
// wherever the caret is, and shows the form again until it is closed.
TEST(RfidBuilders, ThreeInsertionsAppendThreeLinesAtTheEndOfTheEditor) {
    struct Case {
        TesterButton button;
        const char* name;
        std::vector<FormScript::Step> steps;
        QByteArray appended;
    };
    const auto choose = [](const char* list, int index) {
        return [=](QDialog& form) {
            Choose(Find<QComboBox>(form, list), index);
            Click(form, "insertButton");
        };
    };
    const Case cases[] = {
        {TesterButton::RfidRead,
         "rfidReadButton",
         {Press("insertButton"), choose("outputList", 1), Press("insertButton")},
         ">RFR,H,4,12,S\r\n>RFR,H,4,12,P\r\n>RFR,H,4,12,P\r\n"},
        {TesterButton::RfidKill,
         "rfidKillButton",
         {Press("insertButton"), Press("insertButton"), Press("insertButton")},
         ">RFKL\r\n>RFKL\r\n>RFKL\r\n"},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        FormScript script;
        TesterForms forms;
        forms.builders[TesterButton::RfidRead] = Builds<RfidReadBuilder, RfidReadLineForm>();
        forms.builders[TesterButton::RfidKill] = Builds<RfidKillBuilder, RfidKillLineForm>();
        ToolContext context = rig.Context();
        context.run = script.Runner();
        TesterWindow window(context, nullptr, forms);
        window.SetEditorBytes("SOT\r\nP1");
        Find<QPlainTextEdit>(window, "editor")->moveCursor(QTextCursor::Start);
        script.steps = {c.steps.begin(), c.steps.end()};
        script.steps.push_back(Press("closeButton"));
        Click(window, c.name);
        EXPECT_EQ(window.EditorBytes(), "SOT\r\nP1" + c.appended) << c.name;
        EXPECT_EQ(script.titles.size(), 4) << c.name;
        EXPECT_TRUE(rig.link.writes.empty()) << c.name;
    }
}

}  // namespace
