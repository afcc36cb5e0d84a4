#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <map>
#include <vector>

#include "rfid/RfidReadForm.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using Writes = std::vector<QByteArray>;

const QString kRangeRefused =
    QStringLiteral("Invalid value!\nPlease check StartBlockNumber and Number of bytes.");
const QString kSuccess = QStringLiteral("Reading data is successful");
const QString kFailure = QStringLiteral("Reading data is faied");
const QByteArray kHex = QByteArray("0123456789ABCDEF").repeated(8);

struct ReadForm {
    explicit ReadForm(TestRig& rig) : form(rig.Context()) {}

    QComboBox* List(const char* name) const { return Find<QComboBox>(form, name); }
    void Click(const char* name) const { ::Click(form, name); }
    void Choose(bool metal, bool user, bool ascii, int start, int count) const {
        Click(metal ? "metalRadio" : "labelRadio");
        // The data type is chosen first: with the user memory its list cannot be changed.
        Click("epcDataRadio");
        ::Choose(List("dataTypeList"), ascii ? 1 : 0);
        Click(user ? "userDataRadio" : "epcDataRadio");
        ::Choose(List("startBlockList"), start);
        ::Choose(List("byteCountList"), count - 2);
    }
    std::map<int, QString> Cells() const {
        std::map<int, QString> cells;
        for (int number = 1; number <= 64; ++number) {
            cells[number] = Find<QLineEdit>(form, QStringLiteral("cell%1Edit").arg(number))->text();
        }
        return cells;
    }
    RfidReadForm form;
};

// Every cell `shown` ("-" after a read, empty before any) but cells `first` and on, each holding
// the next `perCell` characters of `text`.
std::map<int, QString> Cells(int first, const QByteArray& text, int perCell,
                             const QString& shown = QStringLiteral("-")) {
    std::map<int, QString> cells;
    for (int number = 1; number <= 64; ++number) {
        cells[number] = shown;
    }
    for (qsizetype at = 0; at < text.size() && first <= 64; at += perCell) {
        cells[first++] = QString::fromLatin1(text.mid(at, perCell));
    }
    return cells;
}

TEST(RfidReadForm, ReadAsksForTheChosenMemoryAndFillsTheCells) {
    // 16 of 24 characters: the cells that got nothing show empty.
    auto partly = Cells(5, kHex.left(16), 2);
    for (int number = 13; number <= 16; ++number) {
        partly[number] = QString();
    }
    const struct {
        const char* what;
        const char* port = "COM1:";
        bool metal = false;
        bool user = false;
        bool ascii = false;
        int start = 4;
        int count = 12;
        QByteArray command;
        QByteArray reply;
        std::map<int, QString> cells;
    } cases[] = {
        {.what = "defaults",
         .command = ">RFR,H,4,12,S\r",
         .reply = kHex.left(24),
         .cells = Cells(5, kHex.left(24), 2)},
        {.what = "metal, user memory, ASCII",
         .metal = true,
         .user = true,
         .ascii = true,
         .start = 0,
         .count = 2,
         .command = ">RFr,u,0,2,S\r",
         .reply = "XY",
         .cells = Cells(1, "XY", 1)},
        {.what = "label, user memory: the hex type still cuts the reply",
         .user = true,
         .start = 0,
         .count = 2,
         .command = ">RFR,U,0,2,S\r",
         .reply = "ABCD",
         .cells = Cells(1, "ABCD", 2)},
        {.what = "start 16, 53 bytes: the rest dropped",
         .start = 16,
         .count = 53,
         .command = ">RFR,H,16,53,S\r",
         .reply = kHex.left(106),
         .cells = Cells(17, kHex.left(106), 2)},
        {.what = "Ethernet reads on until all 64 bytes are in",
         .port = "ETHERNET",
         .start = 0,
         .count = 64,
         .command = ">RFR,H,0,64,S\r",
         .reply = kHex,
         .cells = Cells(1, kHex, 2)},
        {.what = "USB: an empty last slot after a full one is still an answer",
         .port = "USB",
         .command = ">RFR,H,4,12,S\r",
         .reply = kHex.left(16),
         .cells = partly},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.Answer(c.command, c.reply);
        ReadForm r(rig);
        r.Choose(c.metal, c.user, c.ascii, c.start, c.count);
        r.Click("readButton");
        EXPECT_EQ(rig.link.writes, Writes{c.command}) << c.what;
        EXPECT_EQ(r.Cells(), c.cells) << c.what;
        EXPECT_EQ(rig.messages.Texts(), QStringList{kSuccess}) << c.what;
        EXPECT_EQ(std::count(rig.pacer.pauses.begin(), rig.pacer.pauses.end(), 4000), 1) << c.what;
    }
}

TEST(RfidReadForm, ASilentPrinterLeavesTheCellsAsTheyWere) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("USB"));
    ReadForm r(rig);
    r.Click("readButton");
    EXPECT_EQ(rig.messages.Texts(), QStringList{kFailure});
    EXPECT_EQ(r.Cells(), Cells(1, {}, 2, QString()));

    rig.link.QueueReply(kHex.left(24));
    r.Click("readButton");
    rig.messages.Clear();
    r.Click("readButton");
    EXPECT_EQ(rig.messages.Texts(), QStringList{kFailure});
    EXPECT_EQ(r.Cells(), Cells(5, kHex.left(24), 2));
}

TEST(RfidReadForm, PrintSendsTheReadHeadWithOutputPAndTheSameLimit) {
    const struct {
        bool metal = false;
        bool user = false;
        bool ascii = false;
        int start = 4;
        int count = 12;
        Writes writes;
        QStringList messages = {};
    } cases[] = {
        {.writes = {">RFR,H,4,12,P\r"}},
        {.metal = true,
         .user = true,
         .ascii = true,
         .start = 0,
         .count = 2,
         .writes = {">RFr,u,0,2,P\r"}},
        {.metal = true, .ascii = true, .start = 16, .count = 53, .writes = {">RFr,A,16,53,P\r"}},
        {.start = 16, .count = 54, .writes = {}, .messages = {kRangeRefused}},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        ReadForm r(rig);
        r.Choose(c.metal, c.user, c.ascii, c.start, c.count);
        r.Click("printButton");
        EXPECT_EQ(rig.link.writes, c.writes) << c.start << "+" << c.count;
        EXPECT_EQ(rig.messages.Texts(), c.messages);
        EXPECT_TRUE(rig.link.readSizes.empty());
    }
}

TEST(RfidReadForm, ReadRefusesARangeBeyondTheLimit) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ReadForm r(rig);
    r.Choose(false, false, false, 16, 54);
    r.Click("readButton");
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_TRUE(rig.pacer.pauses.empty());
    EXPECT_EQ(rig.messages.Texts(), QStringList{kRangeRefused});
}

TEST(RfidReadForm, TheDataTypeListIsForTheEpcMemoryOnly) {
    TestRig rig;
    ReadForm r(rig);
    QWidget* dataType = r.List("dataTypeList");
    EXPECT_TRUE(dataType->isEnabled());
    r.Click("userDataRadio");
    EXPECT_FALSE(dataType->isEnabled());
    r.Click("epcDataRadio");
    EXPECT_TRUE(dataType->isEnabled());
}

}  // namespace
