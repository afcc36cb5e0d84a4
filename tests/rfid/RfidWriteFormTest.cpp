#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "rfid/RfidWriteForm.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using Writes = std::vector<QByteArray>;

const QString kPortError = QStringLiteral("Port error! Check printer's port, please.");
const QString kSuccess = QStringLiteral("Writing is success");
const QString kRangeRefused =
    QStringLiteral("Invalid value!\nPlease check StartBlockNumber and Number of bytes.");
const QString kHexOnly = QStringLiteral("\nUse the hexadecimal digits 0-9 and A-F only.");

using DataType = RfidCommands::DataType;

// A serial printer whose first `failing` commands fail (each failed command is one port warning).
struct FlakyRig : TestRig {
    explicit FlakyRig(int failingCommands = 0) : failing(failingCommands) {
        ConnectAndClear(QStringLiteral("COM1:"));
        link.writeFails = failing > 0;
    }
    void Warning(const QString& text) override {
        TestRig::Warning(text);
        if (failing > 0 && --failing == 0) {
            link.writeFails = false;
        }
    }
    int failing;
};

struct WriteForm {
    explicit WriteForm(TestRig& rig) : form(rig.Context()) {}

    QLineEdit* Cell(int number) const {
        return Find<QLineEdit>(form, QStringLiteral("cell%1Edit").arg(number));
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(form, name); }
    bool Enabled(const char* name) const { return Find(form, name)->isEnabled(); }
    void Click(const char* name) const { ::Click(form, name); }
    void LayOut(DataType type, int start, int count) const {
        Choose(List("dataTypeList"), type == DataType::Ascii ? 1 : 0);
        Choose(List("startBlockList"), start);
        Choose(List("byteCountList"), count - 2);
        Click("setDataButton");
    }
    std::vector<int> EnabledCells() const {
        std::vector<int> numbers;
        for (int number = 1; number <= 64; ++number) {
            if (Cell(number)->isEnabled()) {
                numbers.push_back(number);
            }
        }
        return numbers;
    }
    void Show() { ShowActive(form); }
    RfidWriteForm form;
};

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

TEST(RfidWriteForm, OpensWithTheDataAreaFreeAndNothingToWrite) {
    TestRig rig;
    WriteForm w(rig);
    EXPECT_TRUE(w.EnabledCells().empty());
    EXPECT_FALSE(w.Enabled("resetDataButton"));
    EXPECT_FALSE(w.Enabled("writeButton"));
    for (const char* name : {"setDataButton", "dataTypeList", "startBlockList", "byteCountList",
                             "passwordButton", "popupReadButton", "unlockBox"}) {
        EXPECT_TRUE(w.Enabled(name)) << name;
    }
    EXPECT_EQ(w.List("startBlockList")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(w.List("byteCountList")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(w.List("dataTypeList")->currentText(), QStringLiteral("Hex"));
    EXPECT_EQ(Find<QLineEdit>(w.form, "accessEdit")->text(), QStringLiteral("5E.3A.91.C7"));
    EXPECT_EQ(Find<QLineEdit>(w.form, "killEdit")->text(), QStringLiteral("5E.3A.91.C7"));
    w.Show();
    EXPECT_TRUE(Find(w.form, "labelRadio")->isVisible());
    EXPECT_TRUE(Find(w.form, "metalRadio")->isVisible());
}

TEST(RfidWriteForm, SetDataLaysOutTheRangeWithinTheLimit) {
    const struct {
        int start;
        int count;
        std::vector<int> cells;  // empty: refused
    } cases[] = {
        {.start = 16, .count = 54, .cells = {}},
        {.start = 6, .count = 64, .cells = {}},
        {.start = 16, .count = 53, .cells = Range(17, 64)},
        {.start = 5, .count = 64, .cells = Range(6, 64)},
        {.start = 0, .count = 2, .cells = {1, 2}},
    };
    for (const auto& c : cases) {
        FlakyRig rig;
        WriteForm w(rig);
        w.LayOut(DataType::Hex, c.start, c.count);
        const bool accepted = !c.cells.empty();
        EXPECT_EQ(w.EnabledCells(), c.cells) << c.start << "+" << c.count;
        EXPECT_EQ(rig.messages.Warnings(), accepted ? QStringList() : QStringList{kRangeRefused});
        EXPECT_EQ(w.Enabled("resetDataButton"), accepted);
        for (const char* name :
             {"setDataButton", "dataTypeList", "startBlockList", "byteCountList"}) {
            EXPECT_EQ(w.Enabled(name), !accepted) << name;
        }
        w.Click("dataBox");
        w.Click("writeButton");
        if (!accepted) {
            // The lists still show the refused range: a data write is refused the same way.
            EXPECT_TRUE(rig.link.writes.empty());
            EXPECT_EQ(rig.messages.Warnings(), QStringList({kRangeRefused, kRangeRefused}));
            continue;
        }
        // The data command announces the bytes chosen, not the cells there are.
        EXPECT_EQ(rig.link.writes.front(),
                  QStringLiteral(">RFW,H,%1,%2,''\r").arg(c.start).arg(c.count).toLatin1());
    }
}

TEST(RfidWriteForm, AFullCellMovesTheFocusOn) {
    const struct {
        const char* what;
        DataType type = DataType::Hex;
        int start = 4;
        int count = 2;
        bool dataTicked = true;
        bool writeFirst = false;  // a data write has enabled "Set Data" again
        int first = 5;
        const char* typed;
        QStringList cells;  // from cell `first` on
        const char* focus;
    } cases[] = {
        {.what = "hex: two characters a cell, then Write",
         .typed = "ABCD",
         .cells = Texts({"AB", "CD"}),
         .focus = "writeButton"},
        {.what = "Write disabled: the focus stays",
         .dataTicked = false,
         .typed = "ABCD",
         .cells = Texts({"AB", "CD"}),
         .focus = "cell6Edit"},
        {.what = "ASCII: one character a cell",
         .type = DataType::Ascii,
         .start = 0,
         .count = 3,
         .dataTicked = false,
         .first = 1,
         .typed = "XY",
         .cells = Texts({"X", "Y", ""}),
         .focus = "cell3Edit"},
        {.what = "cell 64 while laid out: Write",
         .type = DataType::Ascii,
         .start = 16,
         .count = 48,
         .first = 63,
         .typed = "YZ",
         .cells = Texts({"Y", "Z"}),
         .focus = "writeButton"},
        {.what = "cell 64 after a data write: Set Data",
         .type = DataType::Ascii,
         .start = 16,
         .count = 48,
         .writeFirst = true,
         .first = 63,
         .typed = "YZ",
         .cells = Texts({"Y", "Z"}),
         .focus = "setDataButton"},
    };
    for (const auto& c : cases) {
        FlakyRig rig;
        WriteForm w(rig);
        w.Show();
        w.LayOut(c.type, c.start, c.count);
        if (c.dataTicked) {
            w.Click("dataBox");
        }
        if (c.writeFirst) {
            w.Click("writeButton");
        }
        w.Cell(c.first)->setFocus();
        TypeAtFocus(c.typed);
        for (int i = 0; i < c.cells.size(); ++i) {
            EXPECT_EQ(w.Cell(c.first + i)->text(), c.cells[i]) << c.what;
        }
        EXPECT_EQ(FocusedName(), QLatin1String(c.focus)) << c.what;
    }
}

TEST(RfidWriteForm, WriteRunsTheTickedStepsInOrder) {
    const struct {
        const char* what;
        bool metal = false;
        bool user = false;
        std::vector<const char*> ticked;
        std::vector<const char*> payload = {};
        Writes writes;
    } cases[] = {
        {.what = "data, label", .ticked = {"dataBox"}, .writes = {">RFW,H,4,2,'ABCD'\r", "P1\r"}},
        {.what = "user memory, metal: no label",
         .metal = true,
         .user = true,
         .ticked = {"dataBox"},
         .writes = {">RFw,U,4,2,'ABCD'\r"}},
        {.what = "lock command only",
         .ticked = {"lockCommandBox"},
         .writes = {">RFLP,L,'00,00,00'\r", "P1\r"}},
        {.what = "lock command only, metal",
         .metal = true,
         .ticked = {"lockCommandBox"},
         .writes = {">RFLP,L,'00,00,00'\r"}},
        {.what = "all three",
         .ticked = {"unlockBox", "dataBox", "lockCommandBox"},
         .payload = {"maskKillPasswordLeftBox", "actionUserRightBox"},
         .writes = {">RFUL\r", ">RFW,H,4,2,'ABCD'\r", ">RFLP,L,'80,00,10'\r", "P1\r"}},
    };
    for (const auto& c : cases) {
        FlakyRig rig;
        WriteForm w(rig);
        w.LayOut(DataType::Hex, 4, 2);
        Type(w.Cell(5), QStringLiteral("AB"));
        Type(w.Cell(6), QStringLiteral("CD"));
        if (c.metal) {
            w.Click("metalRadio");
        }
        if (c.user) {
            w.Click("userDataRadio");
        }
        for (const char* box : c.ticked) {
            w.Click(box);
        }
        for (const char* box : c.payload) {
            w.Click(box);
        }
        w.Click("writeButton");
        EXPECT_EQ(rig.link.writes, c.writes) << c.what;
        EXPECT_EQ(rig.messages.Texts(), QStringList{kSuccess}) << c.what;
        EXPECT_EQ(rig.messages.Informations(), QStringList{kSuccess}) << c.what;
    }
}

TEST(RfidWriteForm, FailedStepsAreNamedAndOnlyTheLastCommandDecidesSuccess) {
    const struct {
        const char* what;
        int failing;
        bool metal;
        QStringList messages;
    } cases[] = {
        {"unlock fails, the rest goes on",
         1,
         false,
         {kPortError, QStringLiteral("Writing unlock-command is failed"), kSuccess}},
        {"three steps fail, the label printed after them succeeds",
         3,
         false,
         {kPortError, QStringLiteral("Writing unlock-command is failed"), kPortError,
          QStringLiteral("Writing data is failed"), kPortError,
          QStringLiteral("Writing lock-command is failed"), kSuccess}},
        {"everything fails on a metal tag",
         3,
         true,
         {kPortError, QStringLiteral("Writing unlock-command is failed"), kPortError,
          QStringLiteral("Writing data is failed"), kPortError,
          QStringLiteral("Writing lock-command is failed")}},
    };
    for (const auto& c : cases) {
        FlakyRig rig(c.failing);
        WriteForm w(rig);
        if (c.metal) {
            w.Click("metalRadio");
        }
        for (const char* box : {"unlockBox", "dataBox", "lockCommandBox"}) {
            w.Click(box);
        }
        w.Click("writeButton");
        EXPECT_EQ(rig.messages.Texts(), c.messages) << c.what;
    }
}

TEST(RfidWriteForm, AFailedDataWriteDisablesTheCellsButKeepsTheirTexts) {
    FlakyRig rig(99);
    WriteForm w(rig);
    w.LayOut(DataType::Hex, 4, 2);
    Type(w.Cell(5), QStringLiteral("AB"));
    Type(w.Cell(6), QStringLiteral("CD"));
    w.Click("dataBox");
    w.Click("writeButton");
    EXPECT_TRUE(w.EnabledCells().empty());
    EXPECT_EQ(w.Cell(5)->text(), QStringLiteral("AB"));
    EXPECT_EQ(w.Cell(6)->text(), QStringLiteral("CD"));
    for (const char* name : {"setDataButton", "dataTypeList", "startBlockList", "byteCountList"}) {
        EXPECT_TRUE(w.Enabled(name)) << name;
    }
    EXPECT_TRUE(rig.messages.Warnings().contains(QStringLiteral("Writing data is failed")));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());

    rig.link.writeFails = false;
    rig.link.ClearRecord();
    rig.messages.Clear();
    w.Click("writeButton");
    EXPECT_EQ(rig.link.writes, (Writes{">RFW,H,4,2,'ABCD'\r", "P1\r"}));
    EXPECT_EQ(rig.messages.Texts(), QStringList{kSuccess});
}

TEST(RfidWriteForm, CellsTheDataTypeCannotCarryStopTheWholeWrite) {
    const struct {
        DataType type;
        int cell;
        QString text;
        QString refusal;  // empty: sent
        QByteArray data = {};
    } cases[] = {
        {DataType::Hex, 5, QStringLiteral("AG"),
         QStringLiteral("Cell 5 holds \"AG\", which is not hexadecimal.\nUse the digits 0-9 and "
                        "A-F only.")},
        {DataType::Hex, 6, QStringLiteral(" 1"),
         QStringLiteral("Cell 6 holds \" 1\", which is not hexadecimal.\nUse the digits 0-9 and "
                        "A-F only.")},
        {DataType::Ascii, 5, QStringLiteral("\u00e9"),
         QStringLiteral("Cell 5 holds \"\u00e9\", which is not an ASCII character.")},
        {DataType::Hex, 5, QStringLiteral("ab"), {}, ">RFW,H,4,2,'ab'\r"},
        // The data end at the next apostrophe: the command has no escape for one inside.
        {DataType::Ascii, 5, QStringLiteral("'"),
         QStringLiteral("Cell 5 holds an apostrophe, which would end the data early.")},
        {DataType::Ascii, 6, QStringLiteral("~"), {}, ">RFW,A,4,2,'~'\r"},
    };
    for (const auto& c : cases) {
        FlakyRig rig;
        WriteForm w(rig);
        w.LayOut(c.type, 4, 2);
        w.Cell(c.cell)->setText(c.text);
        w.Click("unlockBox");
        w.Click("dataBox");
        w.Click("writeButton");
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(rig.link.writes, (Writes{">RFUL\r", c.data, "P1\r"})) << c.text.toStdString();
        } else {
            EXPECT_TRUE(rig.link.writes.empty()) << c.text.toStdString();
            EXPECT_EQ(rig.messages.Warnings(), QStringList{c.refusal});
        }
    }
}

TEST(RfidWriteForm, PasswordChecksLengthThenDigits) {
    const QString defaultPassword = QStringLiteral("5E.3A.91.C7");
    const QString access = QStringLiteral("Value of access is invalid!");
    const QString kill = QStringLiteral("Value of kill is invalid!");
    const struct {
        QString access;
        QString kill;
        bool fails = false;
        Writes writes = {};
        QStringList messages;
    } cases[] = {
        {.access = defaultPassword,
         .kill = defaultPassword,
         .writes = {">RFZ,'5E3A91C7,5E3A91C7,5E3A91C7,5E3A91C7'\r"},
         .messages = {QStringLiteral("Set RFID setting is successful")}},
        {.access = QStringLiteral("..0a1b2c3d"),
         .kill = QStringLiteral("1.2.3.4.5.6.7.8"),
         .writes = {">RFZ,'5E3A91C7,5E3A91C7,0a1b2c3d,12345678'\r"},
         .messages = {QStringLiteral("Set RFID setting is successful")}},
        {.access = QStringLiteral("5E.3A.91"), .kill = QStringLiteral("1"), .messages = {access}},
        {.access = defaultPassword, .kill = QStringLiteral("5E.3A.91.C7.0"), .messages = {kill}},
        {.access = QStringLiteral("5E.3A.91.CG"),
         .kill = QStringLiteral("1"),
         .messages = {access + kHexOnly}},
        {.access = defaultPassword,
         .kill = QStringLiteral("5E.3A.91. 7"),
         .messages = {kill + kHexOnly}},
        {.access = defaultPassword,
         .kill = defaultPassword,
         .fails = true,
         .writes =
             Writes(PrinterPort::kWriteAttempts, ">RFZ,'5E3A91C7,5E3A91C7,5E3A91C7,5E3A91C7'\r"),
         .messages = {kPortError, QStringLiteral("Set RFID setting is faied")}},
    };
    for (const auto& c : cases) {
        FlakyRig rig(c.fails ? 1 : 0);
        WriteForm w(rig);
        Type(Find<QLineEdit>(w.form, "accessEdit"), c.access);
        Type(Find<QLineEdit>(w.form, "killEdit"), c.kill);
        w.Click("passwordButton");
        EXPECT_EQ(rig.link.writes, c.writes) << c.access.toStdString();
        EXPECT_EQ(rig.messages.Texts(), c.messages) << c.access.toStdString();
    }
}

TEST(RfidWriteForm, WriteIsEnabledWhileAStepIsTicked) {
    TestRig rig;
    WriteForm w(rig);
    const struct {
        const char* click;
        bool enabled;
    } clicks[] = {
        {"unlockBox", true}, {"dataBox", true},        {"unlockBox", true},
        {"dataBox", false},  {"lockCommandBox", true}, {"lockCommandBox", false},
    };
    for (const auto& c : clicks) {
        w.Click(c.click);
        EXPECT_EQ(w.Enabled("writeButton"), c.enabled) << c.click;
    }
}

TEST(RfidWriteForm, ResetDataFreesTheAreaWithTheDefaults) {
    FlakyRig rig;
    WriteForm w(rig);
    w.LayOut(DataType::Ascii, 0, 3);
    Type(w.Cell(1), QStringLiteral("X"));
    w.Click("resetDataButton");
    EXPECT_TRUE(w.EnabledCells().empty());
    EXPECT_EQ(w.Cell(1)->text(), QString());
    EXPECT_FALSE(w.Enabled("resetDataButton"));
    for (const char* name : {"setDataButton", "dataTypeList", "startBlockList", "byteCountList"}) {
        EXPECT_TRUE(w.Enabled(name)) << name;
    }
    w.Click("dataBox");
    w.Click("writeButton");
    EXPECT_EQ(rig.link.writes, (Writes{">RFW,H,4,12,''\r", "P1\r"}));
}

TEST(RfidWriteForm, TheDataTypeListFollowsTheMemoryOnlyWhileTheAreaIsFree) {
    TestRig rig;
    WriteForm w(rig);
    QWidget* dataType = w.List("dataTypeList");
    w.Click("userDataRadio");
    EXPECT_FALSE(dataType->isEnabled());
    w.Click("epcDataRadio");
    EXPECT_TRUE(dataType->isEnabled());

    w.LayOut(DataType::Hex, 4, 2);
    w.Click("userDataRadio");
    w.Click("epcDataRadio");
    EXPECT_FALSE(dataType->isEnabled());

    w.Click("userDataRadio");
    w.Click("resetDataButton");
    EXPECT_FALSE(dataType->isEnabled());
    EXPECT_TRUE(w.Enabled("startBlockList"));
}

TEST(RfidWriteForm, PopupRunsTheReadForm) {
    TestRig rig;
    WriteForm w(rig);
    w.Click("popupReadButton");
    EXPECT_EQ(rig.formsRun, QStringList{QStringLiteral("RFID Read")});
    EXPECT_TRUE(rig.link.writes.empty());
}

}  // namespace
