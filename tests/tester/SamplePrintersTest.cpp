// The Character Set and 2 Byte Codepage sample printers: what they send, and what they refuse.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/CharacterSetForm.h"
#include "tester/CharacterSetSample.h"
#include "tester/StepField.h"
#include "tester/TwoByteCodepage.h"
#include "tester/TwoByteCodepageForm.h"

namespace {

using Sample = CharacterSetSample::Sample;
using Table = TwoByteCodepage::Table;

QByteArray Bytes(int first, int last) {
    QByteArray run;
    for (int byte = first; byte <= last; ++byte) {
        run += static_cast<char>(byte);
    }
    return run;
}

// The pairs of one lead byte, as a label holds them.
QByteArray Pairs(int lead, int firstTrail) {
    QByteArray pairs;
    for (int trail = firstTrail; trail <= 0xFE; ++trail) {
        pairs += static_cast<char>(lead);
        pairs += static_cast<char>(trail);
    }
    return pairs;
}

TEST(CharacterSetSample, EachSampleSendsItsWrites) {
    const QByteArray low =
        Bytes(0x20, 0x26) + "\\'" + Bytes(0x28, 0x5B) + "\\\\" + Bytes(0x5D, 0x7F);
    ASSERT_EQ(low.size(), 98);
    CharacterSetSample vector;
    vector.fontKind = CharacterSetSample::FontKind::Vector;
    vector.upper = 20;  // "Width"
    vector.lower = 50;  // "Height"
    vector.x = 20.9;
    CharacterSetSample table;
    table.table = 22;  // CP858
    table.international = 5;
    const struct {
        const char* name;
        CharacterSetSample sample;
        Sample kind;
        QList<QByteArray> writes;
    } cases[] = {
        {"defaults under 80H",
         {},
         Sample::Under80,
         {"SW780\rCS0,0\rT20,20,3,1,1,10,0,N,N,'" + low + "'\rP1\r", "SW830\r"}},
        {"vector over 80H: the height first, x truncated",
         vector,
         Sample::Over80,
         {"SW780\rCS0,0\rV20,20,U,50,20,+1,N,N,N,0,L,0,'" + Bytes(0x80, 0xFF) + "'\rP1\r",
          "SW830\r"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.sample.Writes(c.kind), c.writes) << c.name;
    }

    // International: a row per set at x 30, whatever x, y and the chosen set; then P1.
    for (const auto& sample : {table, vector}) {
        const QList<QByteArray> writes = sample.Writes(Sample::International);
        ASSERT_EQ(writes.size(), 17);
        for (int n = 0; n < 16; ++n) {
            const QByteArray head = sample.fontKind == CharacterSetSample::FontKind::Bitmap
                                        ? "T30," + QByteArray::number(50 + 70 * n) + ",3,1,1,"
                                        : "V30," + QByteArray::number(50 + 70 * n) + ",U,50,20,";
            EXPECT_TRUE(writes[n].startsWith(QByteArray("CS") + QByteArray::number(n) + "," +
                                             QByteArray::number(sample.table) + "\r" + head))
                << writes[n].toStdString();
            EXPECT_TRUE(writes[n].endsWith(",'#$@[\\\\]^`{|}~'\r")) << n;
        }
        EXPECT_EQ(writes.back(), QByteArray("P1\r"));
    }
}

TEST(TwoByteCodepage, BlocksAreTwoHexDigitsInEitherCase) {
    const struct {
        const char* text;
        std::optional<std::uint8_t> block;
    } cases[] = {
        {"A1", 0xA1}, {"a1", 0xA1}, {"fE", 0xFE}, {"09", 0x09}, {"A", {}},  {"G1", {}},
        {"A1B", {}},  {"", {}},     {" A1", {}},  {"-1", {}},   {"0x", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwoByteCodepage::ReadBlock(QString::fromLatin1(c.text)), c.block) << c.text;
    }
}

TEST(TwoByteCodepage, ALabelIsTheHeadThenEveryPairUnescaped) {
    TwoByteCodepage ks;
    const QByteArray first = ks.Label(0xA1);
    EXPECT_EQ(first.size(), 215);
    EXPECT_EQ(first, "T20,20,d,1,1,0,0,N,N,'" + Pairs(0xA1, 0xA1) + "'\rP1\r");

    TwoByteCodepage big5;
    big5.table = Table::Big5;
    big5.fontKind = TwoByteCodepage::FontKind::Vector;
    big5.vectorWidth = 40;
    big5.vectorHeight = 30;
    EXPECT_EQ(big5.Label(0xA4), "V20,20,B,30,40,1,N,N,N,0,L,0,'" + Pairs(0xA4, 0x40) + "'\rP1\r");
    big5.vectorWidth = 100;
    EXPECT_TRUE(
        big5.Label(0xA4).startsWith("V20,20,B,30,100,1,N,N,N,0,L,0,'" + Pairs(0xA4, 0x40).left(4)));

    TwoByteCodepage jis;
    jis.table = Table::Jis;
    jis.bitmapFont = 'a';  // only KS5601 offers a choice of fonts
    const QByteArray label = jis.Label(0x81);
    EXPECT_EQ(label, "T20,20,j,1,1,0,0,N,N,'" + Pairs(0x81, 0x3F) + "'\rP1\r");
    EXPECT_EQ(Pairs(0x81, 0x3F).size(), 2 * 192);
}

// A sample printer's form over a connected fake link.
template <typename Form>
struct Opened {
    Opened() { rig.ConnectAndClear(QStringLiteral("COM1:")); }
    template <typename Control>
    Control* Get(const char* name) {
        return Find<Control>(form, name);
    }
    void Print() { Click(form, "printButton"); }
    TestRig rig;
    Form form{rig.Context()};
};
using CharacterSet = Opened<CharacterSetForm>;
using Codepage = Opened<TwoByteCodepageForm>;

TEST(CharacterSetForm, DefaultsPrintUnder80HAndTheFontKindSwitchesTheSizes) {
    CharacterSet f;
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Character Set Command"));
    Click(f.form, "under80Button");
    ASSERT_EQ(f.rig.link.writes.size(), 2u);
    EXPECT_TRUE(f.rig.link.writes[0].startsWith("SW780\rCS0,0\rT20,20,3,1,1,10,0,N,N,' !\"#"));
    EXPECT_EQ(f.rig.link.writes[1], QByteArray("SW830\r"));

    Click(f.Get<QRadioButton>("vectorRadio"));
    EXPECT_FALSE(f.Get<QComboBox>("fontList")->isEnabled());
    EXPECT_EQ(f.Get<QLabel>("upperLabel")->text(), QStringLiteral("Width"));
    EXPECT_EQ(f.Get<QLabel>("lowerLabel")->text(), QStringLiteral("Height"));
    EXPECT_EQ(f.Get<StepField>("upperField")->Text(), QStringLiteral("35"));
    EXPECT_EQ(f.Get<StepField>("upperField")->High(), 100);
    Type(f.Get<StepField>("upperField"), QStringLiteral("20"));
    Type(f.Get<StepField>("lowerField"), QStringLiteral("50"));
    Choose(f.Get<QComboBox>("tableList"), 22);
    Click(f.form, "internationalButton");
    ASSERT_EQ(f.rig.link.writes.size(), 2u + 17u);
    EXPECT_TRUE(f.rig.link.writes[2].startsWith("CS0,22\rV30,50,U,50,20,+1,"));
    EXPECT_EQ(f.Get<QProgressBar>("progressBar")->value(), 17);
    EXPECT_EQ(f.Get<QLabel>("progressLabel")->text(), QStringLiteral("Sent 17 of 17."));

    Click(f.Get<QRadioButton>("bitmapRadio"));
    EXPECT_TRUE(f.Get<QComboBox>("fontList")->isEnabled());
    EXPECT_EQ(f.Get<QLabel>("upperLabel")->text(), QStringLiteral("H Multi"));
    EXPECT_EQ(f.Get<StepField>("lowerField")->Text(), QStringLiteral("1"));
    EXPECT_EQ(f.Get<StepField>("lowerField")->High(), 4);
    EXPECT_TRUE(f.rig.messages.entries.empty());
}

TEST(CharacterSetForm, AWrongFieldSendsNothingAndKeepsTheFormOpen) {
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"xField", "", "Please enter a number."},
        {"yField", "1e", "Please enter a number."},
        {"upperField", "1.5", "Please enter an integer."},
        {"lowerField", "", "Please enter an integer."},
    };
    for (const auto& c : cases) {
        CharacterSet f;
        f.form.show();
        Type(f.Get<StepField>(c.field), QString::fromLatin1(c.text));
        Click(f.form, "over80Button");
        Click(f.form, "closeButton");
        EXPECT_TRUE(f.rig.link.writes.empty()) << c.field;
        EXPECT_EQ(f.rig.messages.Warnings(), QStringList(2, QString::fromLatin1(c.message)))
            << c.field;
        EXPECT_TRUE(f.form.isVisible()) << c.field;
    }
}

TEST(TwoByteCodepageForm, PrintsOneLabelPerLeadByteOfTheBlocks) {
    const struct {
        const char* name;
        int table;
        const char* start;
        const char* end;
        bool all;
        std::size_t labels;
        int firstLead;
        QByteArray head;
    } cases[] = {
        {"defaults", 0, nullptr, nullptr, false, 87, 0xA1, "T20,20,d,1,1,0,0,N,N,'"},
        {"one block, lower case", 0, "a1", "A1", false, 1, 0xA1, "T20,20,d,1,1,0,0,N,N,'"},
        {"start above end", 1, "B0", "AF", false, 0, 0, {}},
        {"GB2312", 1, "b0", "b1", false, 2, 0xB0, "T20,20,m,1,1,0,0,N,N,'"},
        {"BIG5 print all", 2, "00", "00", true, 0xE8 - 0xA1 + 1, 0xA1, "T20,20,n,1,1,0,0,N,N,'"},
        {"JIS print all", 3, "ZZ", "", true, 124, 0x81, "T20,20,j,1,1,0,0,N,N,'"},
    };
    for (const auto& c : cases) {
        Codepage f;
        Choose(f.Get<QComboBox>("tableList"), c.table);
        if (c.start != nullptr) {
            Type(f.Get<QLineEdit>("startField"), QString::fromLatin1(c.start));
            Type(f.Get<QLineEdit>("endField"), QString::fromLatin1(c.end));
        }
        if (c.all) {
            Click(f.Get<QCheckBox>("printAllBox"));
        }
        f.Print();
        EXPECT_TRUE(f.rig.messages.entries.empty()) << c.name;
        ASSERT_EQ(f.rig.link.writes.size(), c.labels) << c.name;
        for (std::size_t i = 0; i < c.labels; ++i) {
            const int lead = c.firstLead + static_cast<int>(i);
            const int firstTrail = TwoByteCodepage::Info(Table(c.table)).firstTrail;
            ASSERT_EQ(f.rig.link.writes[i], c.head + Pairs(lead, firstTrail) + "'\rP1\r")
                << c.name << " label " << i;
        }
        EXPECT_GE(f.rig.pacer.keepPaintedCalls, static_cast<int>(c.labels)) << c.name;
        EXPECT_EQ(f.Get<QProgressBar>("progressBar")->value(), static_cast<int>(c.labels));
    }
}

TEST(TwoByteCodepageForm, ChoosingATableOrPrintAllShowsItsBlocksAndFonts) {
    Codepage f;
    auto* fonts = f.Get<QComboBox>("fontList");
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("2 Byte Codepage"));
    EXPECT_EQ(fonts->count(), 6);
    EXPECT_EQ(fonts->currentText(), QStringLiteral("d"));
    EXPECT_FALSE(f.Get<QLineEdit>("widthField")->isEnabled());
    Choose(f.Get<QComboBox>("tableList"), 3);
    EXPECT_EQ(f.Get<QLabel>("areaLabel")->text(), QStringLiteral("81 to EE, FA to FC"));
    EXPECT_EQ(f.Get<QLineEdit>("startField")->text(), QStringLiteral("81"));
    EXPECT_EQ(f.Get<QLineEdit>("endField")->text(), QStringLiteral("EE"));
    EXPECT_EQ(Texts({"j"}), QStringList{fonts->currentText()});
    Type(f.Get<QLineEdit>("startField"), QStringLiteral("90"));
    Click(f.Get<QCheckBox>("printAllBox"));
    EXPECT_EQ(f.Get<QLineEdit>("startField")->text(), QStringLiteral("81"));
    EXPECT_FALSE(f.Get<QLineEdit>("startField")->isEnabled());
    Click(f.Get<QCheckBox>("printAllBox"));
    EXPECT_TRUE(f.Get<QLineEdit>("endField")->isEnabled());
    Click(f.Get<QRadioButton>("vectorRadio"));
    EXPECT_FALSE(fonts->isEnabled());
    EXPECT_TRUE(f.Get<QLineEdit>("heightField")->isEnabled());
}

TEST(TwoByteCodepageForm, WrongValuesSendNothing) {
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"startField", "A", "Start Block value is wrong!"},
        {"startField", "G1", "Start Block value is wrong!"},
        {"endField", "F", "End Block value is wrong!"},
        // The sizes go into the command: an apostrophe there would end the text early.
        {"widthField", "3'", "Please enter an integer."},
        {"heightField", "", "Please enter an integer."},
    };
    for (const auto& c : cases) {
        Codepage f;
        Click(f.Get<QRadioButton>("vectorRadio"));
        Type(f.Get<QLineEdit>(c.field), QString::fromLatin1(c.text));
        f.Print();
        EXPECT_TRUE(f.rig.link.writes.empty()) << c.field << " " << c.text;
        EXPECT_EQ(f.rig.messages.Warnings(), QStringList{QString::fromLatin1(c.message)})
            << c.field << " " << c.text;
    }
}

TEST(TwoByteCodepageForm, AWriteTheLinkRefusesEndsTheRun) {
    Codepage f;
    f.rig.link.writesBeforeFailure = 3;
    f.Print();
    // Four attempts of the fourth label, then nothing more.
    EXPECT_EQ(f.rig.link.writes.size(), 3u + PrinterPort::kWriteAttempts);
    EXPECT_EQ(f.rig.messages.Warnings(),
              QStringList{QStringLiteral("Port error! Check printer's port, please.")});
    EXPECT_EQ(f.Get<QProgressBar>("progressBar")->value(), 3);
    EXPECT_EQ(f.Get<QLabel>("progressLabel")->text(),
              QStringLiteral("Stopped: the printer did not take 4 of 87."));
}

}  // namespace
