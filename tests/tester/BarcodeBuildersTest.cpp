// The 1D and 2D Barcode forms: what they compose, how the 2D form reshapes itself for each kind,
// what they refuse and what a reopened form shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "tester/Barcode1DBuilder.h"
#include "tester/Barcode1DForm.h"
#include "tester/Barcode2DBuilder.h"
#include "tester/Barcode2DForm.h"
#include "tester/BuilderRig.h"

namespace {

const QByteArray k1DDefault = "B1100,100,0,2,7,100,0,1,'123456789'";
const QByteArray k2DDefault =
    "B2100,100,M,0,'999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER MESSAGE "
    "ENCODING. THIS IS AN 84 CHAR MSG'";
const QByteArray kMode0Short =
    "999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER MESSAGE ENCODING.";
const QByteArray kPdfDefault =
    "B2100,100,P,30,5,0,0,1,1,3,10,0,'KORVALE Label Printer, This is Test Printing.'";
const QByteArray kQrDefault = "B2100,100,Q,1,L,4,0,'ABCDEFGHIJKLMN1234567890'";

// The positions of the kind list.
constexpr int kMaxicode = 0;
constexpr int kPdf417 = 1;
constexpr int kQrCode = 2;

template <typename Builder>
struct FormOf;
template <>
struct FormOf<Barcode1DBuilder> {
    using Type = Barcode1DForm;
};
template <>
struct FormOf<Barcode2DBuilder> {
    using Type = Barcode2DForm;
};

template <typename Builder>
struct Opened : BuilderRig<Builder, typename FormOf<Builder>::Type> {
    // The text of the label that names `name`.
    QString Caption(const char* name) {
        QWidget* field = Find(*this->form, name);
        for (QLabel* label : this->form->template findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                return label->text();
            }
        }
        return {};
    }
};

using Opened1D = Opened<Barcode1DBuilder>;
using Opened2D = Opened<Barcode2DBuilder>;

QLineEdit* Data(Opened1D& b) {
    return Find<QLineEdit>(*b.form, "dataField");
}
QPlainTextEdit* Data(Opened2D& b) {
    return Find<QPlainTextEdit>(*b.form, "dataField");
}
QCheckBox* QuietZone(Opened1D& b) {
    return Find<QCheckBox>(*b.form, "quietZoneCheck");
}

TEST(Barcode1D, OpensWithItsDefaultsAndTheQuietZoneOff) {
    Opened1D b;
    EXPECT_EQ(b.form->windowTitle(), QStringLiteral("1D Barcode Command"));
    EXPECT_EQ(b.List("symbologyList")->currentText(), QStringLiteral("Code39"));
    EXPECT_EQ(b.List("symbologyList")->count(), 10);
    EXPECT_EQ(b.List("hriList")->currentText(), QStringLiteral("On"));
    EXPECT_FALSE(QuietZone(b)->isChecked());
    EXPECT_FALSE(b.Step("quietZoneField")->isEnabled());
    EXPECT_EQ(b.Step("quietZoneField")->Text(), QStringLiteral("12"));
    Click(QuietZone(b));
    EXPECT_TRUE(b.Step("quietZoneField")->isEnabled());
    Click(QuietZone(b));
    EXPECT_FALSE(b.Step("quietZoneField")->isEnabled());
}

TEST(Barcode1D, ComposesWhatTheFormShows) {
    ExpectComposes<Opened1D>({
        {"defaults", [](auto&) {}, k1DDefault},
        {"quiet zone on with its 12", [](auto& b) { Click(QuietZone(b)); },
         "B1100,100,0,2,7,100,0,1,12,'123456789'"},
        {"quiet zone switched off again: no field and no empty comma",
         [](auto& b) {
             Click(QuietZone(b));
             Type(b.Step("quietZoneField"), QStringLiteral("5"));
             Click(QuietZone(b));
         },
         k1DDefault},
        {"UCC/EAN128 at 90 without HRI",
         [](auto& b) {
             Choose(b.List("symbologyList"), 9);
             Choose(b.List("rotationList"), 1);
             Choose(b.List("hriList"), 0);
         },
         "B1100,100,9,2,7,100,1,0,'123456789'"},
        {"positions truncated, no range check, every number, data as typed",
         [](auto& b) {
             Type(b.Step("xField"), QStringLiteral("20.9"));
             Type(b.Step("yField"), QStringLiteral("1500"));
             Type(b.Step("narrowField"), QStringLiteral("1"));
             Type(b.Step("wideField"), QStringLiteral("100"));
             Type(b.Step("heightField"), QStringLiteral("0"));
             Choose(b.List("rotationList"), 3);
             Click(QuietZone(b));
             Type(b.Step("quietZoneField"), QStringLiteral("0"));
             Type(Data(b), QStringLiteral("it's \\1"));
         },
         "B120,1500,0,1,100,0,3,1,0,'it's \\1'"},
    });
}

TEST(Barcode1D, AWrongFieldStopsEveryButtonWithItsMessage) {
    ExpectWrongFieldsStop<Opened1D>({{"xField", "", "Please enter a number."},
                                     {"yField", "1O", "Please enter a number."},
                                     {"narrowField", "2.5", "Please enter an integer."},
                                     {"wideField", "x", "Please enter an integer."},
                                     {"heightField", "", "Please enter an integer."},
                                     {"quietZoneField", "twelve", "Please enter an integer."}},
                                    [](Opened1D& b) { Click(QuietZone(b)); });
}

TEST(Barcode1D, ASwitchedOffQuietZoneNeverStopsTheForm) {
    // Its field cannot be corrected while it is off: it goes back to the number it kept.
    Opened1D b;
    Click(QuietZone(b));
    Type(b.Step("quietZoneField"), QStringLiteral("abc"));
    Click(QuietZone(b));
    EXPECT_EQ(b.Step("quietZoneField")->Text(), QStringLiteral("12"));
    b.Press("testPrintButton");
    EXPECT_TRUE(b.rig.messages.entries.empty());
    ASSERT_EQ(b.rig.link.writes.size(), 1u);
    EXPECT_EQ(b.rig.link.writes[0], k1DDefault + "\rP1\r");
}

TEST(Barcode1D, AReopenedFormShowsEveryValueOfTheInsertion) {
    Opened1D b;
    Type(b.Step("xField"), QStringLiteral("20.9"));
    Choose(b.List("symbologyList"), 7);
    Choose(b.List("rotationList"), 2);
    Choose(b.List("hriList"), 0);
    Click(QuietZone(b));
    Type(b.Step("quietZoneField"), QStringLiteral("7"));
    Type(Data(b), QStringLiteral("4006381333931"));
    b.Press("insertButton");
    b.Reopen();
    EXPECT_EQ(b.Step("xField")->Text(), QStringLiteral("20.9"));
    EXPECT_EQ(b.List("symbologyList")->currentText(), QStringLiteral("EAN13"));
    EXPECT_EQ(b.List("rotationList")->currentText(), QStringLiteral("180"));
    EXPECT_EQ(b.List("hriList")->currentText(), QStringLiteral("Off"));
    EXPECT_TRUE(QuietZone(b)->isChecked());
    EXPECT_TRUE(b.Step("quietZoneField")->isEnabled());
    EXPECT_EQ(b.Step("quietZoneField")->Text(), QStringLiteral("7"));
    EXPECT_EQ(Data(b)->text(), QStringLiteral("4006381333931"));

    // Switched off at the next insertion: reopened off, the number kept for switching on.
    Click(QuietZone(b));
    b.Press("insertButton");
    EXPECT_EQ(b.builder.Line(), "B120,100,7,2,7,100,2,0,'4006381333931'");
    b.Reopen();
    EXPECT_FALSE(QuietZone(b)->isChecked());
    EXPECT_FALSE(b.Step("quietZoneField")->isEnabled());
    EXPECT_EQ(b.Step("quietZoneField")->Text(), QStringLiteral("7"));
    b.Press("convertButton");
    EXPECT_EQ(b.script.titles, QStringList{QStringLiteral("Convert Unit")});
}

TEST(BarcodeBuilders, StepControlsCycleWithinTheirRanges) {
    struct Case {
        const char* field;
        const char* from;
        int steps;
        const char* to;
    };
    const Case cases1D[] = {
        {"xField", "1000", 1, "0"},       {"narrowField", "1", -1, "100"},
        {"wideField", "100", 1, "1"},     {"heightField", "0", -1, "1000"},
        {"quietZoneField", "20", 1, "0"},
    };
    Opened1D one;
    Click(QuietZone(one));
    for (const Case& c : cases1D) {
        one.Step(c.field)->SetText(QLatin1String(c.from));
        one.Step(c.field)->stepBy(c.steps);
        EXPECT_EQ(one.Step(c.field)->Text(), QLatin1String(c.to)) << c.field;
    }
    const Case cases2D[] = {
        {"yField", "0", -1, "1000"},    {"maxRowField", "90", 1, "3"},
        {"maxColField", "1", -1, "30"}, {"moduleWidthField", "9", 1, "2"},
        {"barField", "99", 1, "4"},
    };
    Opened2D two;
    Choose(two.List("kindList"), kPdf417);
    for (const Case& c : cases2D) {
        two.Step(c.field)->SetText(QLatin1String(c.from));
        two.Step(c.field)->stepBy(c.steps);
        EXPECT_EQ(two.Step(c.field)->Text(), QLatin1String(c.to)) << c.field;
    }
    // The bar field is a QR Code's size, 1..4.
    Choose(two.List("kindList"), kQrCode);
    two.Step("barField")->stepBy(1);
    EXPECT_EQ(two.Step("barField")->Text(), QStringLiteral("1"));
}

TEST(Barcode2D, ComposesEachKindFromTheDefaults) {
    ExpectComposes<Opened2D>({
        {"defaults", [](auto&) {}, k2DDefault},
        {"PDF417", [](auto& b) { Choose(b.List("kindList"), kPdf417); }, kPdfDefault},
        {"QR Code", [](auto& b) { Choose(b.List("kindList"), kQrCode); }, kQrDefault},
        {"QR Code, Model 2, H",
         [](auto& b) {
             Choose(b.List("kindList"), kQrCode);
             Choose(b.List("modeList"), 1);
             Choose(b.List("eclList"), 3);
         },
         "B2100,100,Q,2,H,4,0,'ABCDEFGHIJKLMN1234567890'"},
        {"Maxicode Mode 3 with its sample", [](auto& b) { Choose(b.List("modeList"), 2); },
         "B2100,100,M,3,'999,840,06810,7317,THIS IS A TEST OF KORVALE LABEL PRINTER. MODE 3 "
         "ENCODING.'"},
        {"Maxicode Mode 2 and Mode 4",
         [](auto& b) {
             Choose(b.List("modeList"), 1);
             EXPECT_EQ(Data(b)->toPlainText(),
                       QStringLiteral("999,840,06810,7317,THIS IS A TEST OF KORVALE LABEL "
                                      "PRINTER. MODE 2 ENCODING."));
             Choose(b.List("modeList"), 3);
         },
         "B2100,100,M,4,'THIS IS A 93 CHARACTER CODE SET A MESSAGE THAT FILLS A MODE "
         "4,UNAPPENDED,MAXICODE SYMBOL...'"},
        {"Mode 0 chosen again gives the shorter message",
         [](auto& b) {
             Choose(b.List("modeList"), 3);
             Choose(b.List("modeList"), 0);
         },
         "B2100,100,M,0,'" + kMode0Short + "'"},
        {"PDF417 with every field",
         [](auto& b) {
             Choose(b.List("kindList"), kPdf417);
             Type(b.Step("xField"), QStringLiteral("12.7"));
             Type(b.Step("maxRowField"), QStringLiteral("90"));
             Type(b.Step("maxColField"), QStringLiteral("1"));
             Choose(b.List("eclList"), 8);
             Choose(b.List("compressList"), 2);
             Choose(b.List("hriList"), 0);
             Choose(b.List("originList"), 0);
             Type(b.Step("moduleWidthField"), QStringLiteral("9"));
             Type(b.Step("barField"), QStringLiteral("99"));
             Choose(b.List("rotationList"), 3);
         },
         "B212,100,P,90,1,8,2,0,0,9,99,3,'KORVALE Label Printer, This is Test Printing.'"},
        {"line breaks in the data are written as CR LF, apostrophes unchanged",
         [](auto& b) {
             Choose(b.List("kindList"), kQrCode);
             Data(b)->setPlainText(QStringLiteral("first's\nsecond"));
         },
         "B2100,100,Q,1,L,4,0,'first's\r\nsecond'"},
    });
}

TEST(Barcode2D, ShapesItselfForEachKind) {
    struct Case {
        int kind;
        const char* letter;
        const char* modeCaption;
        QStringList modes;
        const char* eclCaption;
        QStringList ecls;
        const char* barCaption;
        QStringList enabled;
    };
    const QStringList all =
        Texts({"modeList", "maxRowField", "maxColField", "eclList", "compressList", "hriList",
               "originList", "moduleWidthField", "barField", "rotationList"});
    const Case cases[] = {
        {.kind = kMaxicode,
         .letter = "M",
         .modeCaption = "Mode",
         .modes = Texts({"Mode 0", "Mode 2", "Mode 3", "Mode 4"}),
         .eclCaption = "ECC",  // left as the QR Code had it
         .ecls = Texts({"L", "M", "Q", "H"}),
         .barCaption = "Bar Size",
         .enabled = Texts({"modeList"})},
        {.kind = kPdf417,
         .letter = "P",
         .modeCaption = "Mode",
         .modes = Texts({"Mode 0", "Mode 2", "Mode 3", "Mode 4"}),
         .eclCaption = "ECL",
         .ecls = Texts({"0", "1", "2", "3", "4", "5", "6", "7", "8"}),
         .barCaption = "Bar Height",
         .enabled = Texts({"maxRowField", "maxColField", "eclList", "compressList", "hriList",
                           "originList", "moduleWidthField", "barField", "rotationList"})},
        {.kind = kQrCode,
         .letter = "Q",
         .modeCaption = "Model",
         .modes = Texts({"Model 1", "Model 2"}),
         .eclCaption = "ECC",
         .ecls = Texts({"L", "M", "Q", "H"}),
         .barCaption = "Bar Size",
         .enabled = Texts({"modeList", "eclList", "barField", "rotationList"})},
    };
    // One form goes through every kind (QR Code before Maxicode), as a person would.
    Opened2D b;
    EXPECT_EQ(b.form->windowTitle(), QStringLiteral("2D Barcode Command"));
    EXPECT_EQ(b.List("eclList")->count(), 0) << "no kind has filled it yet";
    EXPECT_EQ(b.Caption("eclList"), QStringLiteral("ECL"));
    for (const int kind : {kPdf417, kQrCode, kMaxicode}) {
        const Case& c = *std::find_if(std::begin(cases), std::end(cases),
                                      [kind](const Case& one) { return one.kind == kind; });
        Choose(b.List("kindList"), kind);
        EXPECT_EQ(Find<QLineEdit>(*b.form, "kindLetterField")->text(), QLatin1String(c.letter));
        EXPECT_EQ(b.Caption("modeList"), QLatin1String(c.modeCaption)) << c.letter;
        EXPECT_EQ(b.Caption("eclList"), QLatin1String(c.eclCaption)) << c.letter;
        EXPECT_EQ(b.Caption("barField"), QLatin1String(c.barCaption)) << c.letter;
        QStringList modes, ecls, enabled;
        for (int i = 0; i < b.List("modeList")->count(); ++i) {
            modes << b.List("modeList")->itemText(i);
        }
        for (int i = 0; i < b.List("eclList")->count(); ++i) {
            ecls << b.List("eclList")->itemText(i);
        }
        for (const QString& name : all) {
            if (Find(*b.form, name)->isEnabled()) {
                enabled << name;
            }
        }
        EXPECT_EQ(modes, c.modes) << c.letter;
        EXPECT_EQ(ecls, c.ecls) << c.letter;
        EXPECT_EQ(enabled, c.enabled) << c.letter;
    }
}

TEST(Barcode2D, SwitchingKindsLoadsTheirDefaultsAndKeepsTheRest) {
    Opened2D b;
    Choose(b.List("kindList"), kPdf417);
    Type(b.Step("yField"), QStringLiteral("250"));
    Type(b.Step("maxRowField"), QStringLiteral("12"));
    Type(b.Step("maxColField"), QStringLiteral("4"));
    Choose(b.List("eclList"), 5);
    Choose(b.List("compressList"), 1);
    Choose(b.List("originList"), 0);
    Type(b.Step("moduleWidthField"), QStringLiteral("6"));
    Type(b.Step("barField"), QStringLiteral("40"));
    Choose(b.List("rotationList"), 2);

    // Back to Maxicode: Mode 0 and the shorter message; the position stays.
    Choose(b.List("kindList"), kMaxicode);
    EXPECT_EQ(b.List("modeList")->currentText(), QStringLiteral("Mode 0"));
    b.Press("insertButton");
    EXPECT_EQ(b.builder.Line(), "B2100,250,M,0,'" + kMode0Short + "'");

    // PDF417 again: its own defaults for ECL, rotation, bar height and data; the rest as left.
    Choose(b.List("kindList"), kPdf417);
    EXPECT_EQ(b.Step("maxRowField")->Text(), QStringLiteral("12"));
    b.Press("insertButton");
    EXPECT_EQ(b.builder.Line(),
              "B2100,250,P,12,4,0,1,1,0,6,10,0,'KORVALE Label Printer, This is Test Printing.'");

    // QR Code: Model 1, L, size 4, rotation 0, whatever the lists showed before.
    Choose(b.List("rotationList"), 1);
    Choose(b.List("eclList"), 7);
    Choose(b.List("kindList"), kQrCode);
    EXPECT_EQ(b.List("eclList")->currentText(), QStringLiteral("L"));
    EXPECT_EQ(b.List("rotationList")->currentText(), QStringLiteral("0"));
    b.Press("insertButton");
    EXPECT_EQ(b.builder.Line(), "B2100,250,Q,1,L,4,0,'ABCDEFGHIJKLMN1234567890'");
    EXPECT_TRUE(b.rig.messages.entries.empty());
}

TEST(Barcode2D, AReopenedFormKeepsTheKindAndEveryChoice) {
    struct Case {
        const char* what;
        std::function<void(Opened2D&)> change;
        QByteArray line;
        const char* mode;
        const char* ecl;
    };
    const Case cases[] = {
        {"QR Code, Model 2, Q, rotated",
         [](Opened2D& b) {
             Choose(b.List("kindList"), kQrCode);
             Choose(b.List("modeList"), 1);
             Choose(b.List("eclList"), 2);
             Type(b.Step("barField"), QStringLiteral("3"));
             Choose(b.List("rotationList"), 3);
             Data(b)->setPlainText(QStringLiteral("one\ntwo"));
         },
         "B2100,100,Q,2,Q,3,3,'one\r\ntwo'", "Model 2", "Q"},
        {"PDF417 level 6, rotated",
         [](Opened2D& b) {
             Choose(b.List("kindList"), kPdf417);
             Choose(b.List("eclList"), 6);
             Choose(b.List("rotationList"), 1);
         },
         "B2100,100,P,30,5,6,0,1,1,3,10,1,'KORVALE Label Printer, This is Test Printing.'",
         "Mode 0", "6"},
        {"Maxicode Mode 4, own data",
         [](Opened2D& b) {
             Choose(b.List("modeList"), 3);
             Data(b)->setPlainText(QStringLiteral("mine"));
         },
         "B2100,100,M,4,'mine'", "Mode 4", ""},
    };
    for (const Case& c : cases) {
        Opened2D b;
        c.change(b);
        b.Press("insertButton");
        ASSERT_EQ(b.builder.Line(), c.line) << c.what;
        b.Reopen();
        EXPECT_EQ(b.List("modeList")->currentText(), QLatin1String(c.mode)) << c.what;
        EXPECT_EQ(b.List("eclList")->currentText(), QLatin1String(c.ecl)) << c.what;
        b.Press("insertButton");
        EXPECT_EQ(b.builder.Line(), c.line) << c.what << ": reopening changes no value";
    }
}

TEST(Barcode2D, AWrongFieldStopsButtonsAndSwitchesAlike) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"xField", "x", "Please enter a number."},
        {"yField", "", "Please enter a number."},
        {"maxRowField", "3.5", "Please enter an integer."},
        {"barField", "big", "Please enter an integer."},
    };
    for (const Case& c : cases) {
        Opened2D b;
        Choose(b.List("kindList"), kPdf417);
        Type(b.Step(c.field), QLatin1String(c.text));
        b.Press("testPrintButton");
        b.Press("insertButton");
        EXPECT_TRUE(b.rig.link.writes.empty()) << c.field;
        EXPECT_NE(b.form->result(), QDialog::Accepted) << c.field;
        // Switching the kind reads the form too: it is refused and the kind stays.
        Choose(b.List("kindList"), kQrCode);
        EXPECT_EQ(b.List("kindList")->currentIndex(), kPdf417) << c.field;
        EXPECT_EQ(Find<QLineEdit>(*b.form, "kindLetterField")->text(), QStringLiteral("P"));
        EXPECT_EQ(b.Step(c.field)->Text(), QLatin1String(c.text)) << "kept as typed";
        Choose(b.List("eclList"), 4);
        EXPECT_EQ(b.List("eclList")->currentText(), QStringLiteral("0")) << c.field;
        EXPECT_EQ(b.rig.messages.Warnings(), QStringList(4, QLatin1String(c.message))) << c.field;
        EXPECT_EQ(b.builder.Line(), kPdfDefault) << c.field;
    }

    // Data with a character that has no byte.
    Opened2D b;
    Data(b)->setPlainText(QStringLiteral("ラベル"));
    b.Press("testPrintButton");
    EXPECT_TRUE(b.rig.link.writes.empty());
    EXPECT_EQ(b.rig.messages.Warnings().size(), 1);
    b.Press("convertButton");
    EXPECT_EQ(b.script.titles, QStringList{QStringLiteral("Convert Unit")});
}

TEST(Barcode2DBuilder, ChoosingTheKindShownChangesNothing) {
    Barcode2DBuilder builder;
    builder.ChooseKind(Barcode2DBuilder::Kind::QrCode);
    builder.modeIndex = 1;
    builder.eclIndex = 3;
    builder.barHeight = 2;
    builder.data = "kept";
    const QByteArray line = builder.Line();
    builder.ChooseKind(Barcode2DBuilder::Kind::QrCode);
    EXPECT_EQ(builder.Line(), line);
    // A mode choice of a QR Code brings no sample data.
    builder.ChooseMode(0);
    EXPECT_EQ(builder.Line(), "B2100,100,Q,1,H,2,0,'kept'");
}

}  // namespace
