// The Printing Setting and Label Setting forms: what they insert, print and refuse, and what a
// reopened form shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <functional>
#include <memory>

#include "tester/BuilderRig.h"
#include "tester/LabelSettingBuilder.h"
#include "tester/LabelSettingForm.h"
#include "tester/PrintingSettingBuilder.h"
#include "tester/PrintingSettingForm.h"

namespace {

using Printing = BuilderRig<PrintingSettingBuilder, PrintingSettingForm>;
using Label = BuilderRig<LabelSettingBuilder, LabelSettingForm>;

// The lines of the test label before and after the optional lines of the settings.
const QByteArray kLabelHead =
    "T100,100,3,1,1,0,0,N,N,'Printer Setting Test'\r"
    "T100,150,3,1,1,0,0,N,N,'============================='\r";
const QByteArray kLabelTail =
    "T100,350,3,1,1,0,0,N,N,'============================='\r"
    "BD150,500,495,750,B,15\r"
    "BD200,550,300,700,S,30\r"
    "BD430,550,330,700,S,30\r"
    "\r"
    "P1\r";

TEST(PrintingSetting, DefaultsInsertThreeLinesAndPrintTheWholeLabelInOneWrite) {
    Printing p;
    EXPECT_EQ(p.form->windowTitle(), QStringLiteral("Printing Setting"));
    EXPECT_EQ(p.Get<QLabel>("densityValue")->text(), QStringLiteral("20"));
    p.Press("testPrintButton");
    ASSERT_EQ(p.rig.link.writes.size(), 1u);
    EXPECT_EQ(p.rig.link.writes[0],
              kLabelHead +
                  "T100,200,3,1,1,0,0,N,N,'Printing Speed     : 5.0 ips'\rSS3\r"
                  "T100,250,3,1,1,0,0,N,N,'Density(0~20)      : 20'\rSD20\r"
                  "T100,300,3,1,1,0,0,N,N,'Printing Direction : SOT'\rSOT\r" +
                  kLabelTail);
    EXPECT_EQ(p.Inserted(), (QList<QByteArray>{"SS3", "SD20", "SOT"}));
    EXPECT_TRUE(p.rig.messages.entries.empty());
}

TEST(PrintingSetting, InsertsAndPrintsOnlyTheAppliedSettings) {
    struct Case {
        const char* what;
        std::function<void(Printing&)> change;
        QList<QByteArray> lines;
        QByteArray labelLines;  // between the head and the tail of the test label
    };
    const Case cases[] = {
        {.what = "slider at the bottom",
         .change =
             [](Printing& p) { QTest::keyClick(p.Get<QSlider>("densitySlider"), Qt::Key_Home); },
         .lines = {"SS3", "SD0", "SOT"},
         .labelLines = "T100,200,3,1,1,0,0,N,N,'Printing Speed     : 5.0 ips'\rSS3\r"
                       "T100,250,3,1,1,0,0,N,N,'Density(0~20)      : 0'\rSD0\r"
                       "T100,300,3,1,1,0,0,N,N,'Printing Direction : SOT'\rSOT\r"},
        {.what = "only Direction, Bottom",
         .change =
             [](Printing& p) {
                 p.Press("applySpeedBox");
                 p.Press("applyDensityBox");
                 p.Press("bottomRadio");
             },
         .lines = {"SOB"},
         .labelLines = "T100,300,3,1,1,0,0,N,N,'Printing Direction : SOB'\rSOB\r"},
        {.what = "slowest speed, one step down, no direction",
         .change =
             [](Printing& p) {
                 p.Press("speedRadio0");
                 QTest::keyClick(p.Get<QSlider>("densitySlider"), Qt::Key_Down);
                 p.Press("applyDirectionBox");
             },
         .lines = {"SS0", "SD19"},
         .labelLines = "T100,200,3,1,1,0,0,N,N,'Printing Speed     : 2.5 ips'\rSS0\r"
                       "T100,250,3,1,1,0,0,N,N,'Density(0~20)      : 19'\rSD19\r"},
        {.what = "fastest speed only",
         .change =
             [](Printing& p) {
                 p.Press("speedRadio4");
                 p.Press("applyDensityBox");
                 p.Press("applyDirectionBox");
             },
         .lines = {"SS4"},
         .labelLines = "T100,200,3,1,1,0,0,N,N,'Printing Speed     : 6.0 ips'\rSS4\r"},
        {.what = "nothing applied",
         .change =
             [](Printing& p) {
                 p.Press("applySpeedBox");
                 p.Press("applyDensityBox");
                 p.Press("applyDirectionBox");
             },
         .lines = {},
         .labelLines = ""},
    };
    for (const Case& c : cases) {
        Printing p;
        c.change(p);
        p.Press("testPrintButton");
        ASSERT_EQ(p.rig.link.writes.size(), 1u) << c.what;
        EXPECT_EQ(p.rig.link.writes[0], kLabelHead + c.labelLines + kLabelTail) << c.what;
        EXPECT_EQ(p.Inserted(), c.lines) << c.what;
    }
}

TEST(PrintingSetting, TheNumberFollowsTheSliderAndTheStrongestDensityIsAtTheTop) {
    Printing p;
    auto* slider = p.Get<QSlider>("densitySlider");
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_EQ(p.Get<QLabel>("densityValue")->text(), QStringLiteral("20")) << "already at the top";
    QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_EQ(p.Get<QLabel>("densityValue")->text(), QStringLiteral("15"));
    // A click near the bottom end of the groove lowers the density.
    p.form->show();
    slider->setPageStep(1);
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() / 2, slider->height() - 2));
    EXPECT_LT(slider->value(), 15);
}

TEST(PrintingSetting, AReopenedFormShowsEveryValueAndCloseEndsTheCycle) {
    Printing p;
    p.Press("speedRadio1");
    QTest::keyClick(p.Get<QSlider>("densitySlider"), Qt::Key_PageDown);
    p.Press("applyDensityBox");
    p.Press("bottomRadio");
    EXPECT_EQ(p.Inserted(), (QList<QByteArray>{"SS1", "SOB"}));

    p.Reopen();
    EXPECT_TRUE(p.Get<QRadioButton>("speedRadio1")->isChecked());
    EXPECT_EQ(p.Get<QSlider>("densitySlider")->value(), 15);
    EXPECT_EQ(p.Get<QLabel>("densityValue")->text(), QStringLiteral("15"));
    EXPECT_FALSE(p.Get<QCheckBox>("applyDensityBox")->isChecked());
    EXPECT_TRUE(p.Get<QRadioButton>("bottomRadio")->isChecked());
    EXPECT_TRUE(p.Get<QCheckBox>("applySpeedBox")->isChecked());

    p.Press("closeButton");
    EXPECT_EQ(p.form->result(), QDialog::Rejected);
    EXPECT_TRUE(p.rig.link.writes.empty());
}

// The four size fields and their unit labels, in the order width, length, x, y.
QStringList Sizes(Label& l) {
    QStringList texts;
    for (const char* name : {"widthField", "lengthField", "marginXField", "marginYField"}) {
        texts << l.Get<QLineEdit>(name)->text();
    }
    return texts;
}
QStringList Units(Label& l) {
    QStringList texts;
    for (const char* name : {"widthUnit", "lengthUnit", "marginXUnit", "marginYUnit"}) {
        texts << l.Get<QLabel>(name)->text();
    }
    return texts;
}

TEST(LabelSetting, DefaultsShowInchesAndInsertInDots) {
    Label l;
    EXPECT_EQ(l.form->windowTitle(), QStringLiteral("Label Setting"));
    EXPECT_EQ(l.form->findChild<QWidget*>(QStringLiteral("testPrintButton")), nullptr);
    EXPECT_EQ(Sizes(l), Texts({"4", "6", "0.2", "0.2"}));
    EXPECT_EQ(Units(l), Texts({"inch", "inch", "inch", "inch"}));
    EXPECT_TRUE(l.Get<QRadioButton>("inchRadio")->isChecked());
    EXPECT_TRUE(l.Get<QRadioButton>("gapRadio")->isChecked());
    EXPECT_EQ(l.Inserted(), (QList<QByteArray>{"SW812", "SL1219,24,G", "SM40,40"}));
    EXPECT_TRUE(l.rig.link.writes.empty());
}

TEST(LabelSetting, InsertsTheCheckedPartsInWholeDots) {
    struct Case {
        const char* what;
        std::function<void(Label&)> change;
        QList<QByteArray> lines;
    };
    const Case cases[] = {
        {.what = "5 inches are just under 1016 dots",
         .change = [](Label& l) { Type(l.Get<QLineEdit>("widthField"), QStringLiteral("5")); },
         .lines = {"SW1015", "SL1219,24,G", "SM40,40"}},
        {.what = "continuous media",
         .change = [](Label& l) { l.Press("continuousRadio"); },
         .lines = {"SW812", "SL1219,0,C", "SM40,40"}},
        {.what = "black mark media",
         .change = [](Label& l) { l.Press("blackMarkRadio"); },
         .lines = {"SW812", "SL1219,24,B", "SM40,40"}},
        {.what = "width and margin unchecked",
         .change =
             [](Label& l) {
                 l.Press("widthBox");
                 l.Press("marginBox");
             },
         .lines = {"SL1219,24,G"}},
        {.what = "nothing checked",
         .change =
             [](Label& l) {
                 l.Press("widthBox");
                 l.Press("lengthBox");
                 l.Press("marginBox");
             },
         .lines = {}},
        {.what = "millimetres typed",
         .change =
             [](Label& l) {
                 l.Press("mmRadio");
                 Type(l.Get<QLineEdit>("widthField"), QStringLiteral("50.9"));
                 Type(l.Get<QLineEdit>("marginXField"), QStringLiteral("-1.5"));
                 Type(l.Get<QLineEdit>("marginYField"), QStringLiteral("0"));
             },
         .lines = {"SW407", "SL1219,24,G", "SM-12,0"}},
        {.what = "dots typed, fractions dropped",
         .change =
             [](Label& l) {
                 l.Press("dotsRadio");
                 Type(l.Get<QLineEdit>("widthField"), QStringLiteral("832.9"));
                 Type(l.Get<QLineEdit>("lengthField"), QStringLiteral("600"));
             },
         .lines = {"SW832", "SL600,24,G", "SM40,40"}},
    };
    for (const Case& c : cases) {
        Label l;
        c.change(l);
        EXPECT_EQ(l.Inserted(), c.lines) << c.what;
        EXPECT_TRUE(l.rig.messages.entries.empty()) << c.what;
    }
}

TEST(LabelSetting, UnitsConvertTheFourSizesAndComeBack) {
    const QStringList inches = Texts({"4", "6", "0.2", "0.2"});
    const QStringList mm = Texts({"101.6", "152.4", "5.08", "5.08"});
    const QStringList dots = Texts({"812.8", "1219.2", "40.64", "40.64"});
    struct Step {
        const char* radio;
        const QStringList& sizes;
        const char* unit;
    };
    // Each unit twice in a row: choosing the unit in use changes nothing.
    const Step steps[] = {
        {"inchRadio", inches, "inch"}, {"mmRadio", mm, "mm"},       {"mmRadio", mm, "mm"},
        {"dotsRadio", dots, "dots"},   {"dotsRadio", dots, "dots"}, {"inchRadio", inches, "inch"},
        {"dotsRadio", dots, "dots"},   {"mmRadio", mm, "mm"},       {"inchRadio", inches, "inch"}};
    Label l;
    for (const Step& s : steps) {
        l.Press(s.radio);
        EXPECT_TRUE(l.Get<QRadioButton>(s.radio)->isChecked()) << s.radio;
        EXPECT_EQ(Sizes(l), s.sizes) << s.radio;
        EXPECT_EQ(Units(l), QStringList(4, QLatin1String(s.unit))) << s.radio;
        l.form->setResult(QDialog::Rejected);
        EXPECT_EQ(l.Inserted(), (QList<QByteArray>{"SW812", "SL1219,24,G", "SM40,40"})) << s.radio;
    }
    EXPECT_TRUE(l.rig.messages.entries.empty());
}

TEST(LabelSetting, SingleNumbersConvertInSinglePrecision) {
    struct Case {
        UnitConversion::Unit from;
        float value;
        UnitConversion::Unit to;
        const char* shown;
        qint64 dots;
    };
    using U = UnitConversion::Unit;
    const Case cases[] = {
        {.from = U::Inch, .value = 5, .to = U::Inch, .shown = "5", .dots = 1015},
        // Held as dots, the product rounds to 1016 in single precision.
        {.from = U::Inch, .value = 5, .to = U::Dots, .shown = "1016", .dots = 1016},
        {.from = U::Inch, .value = 5, .to = U::Mm, .shown = "127", .dots = 1016},
        {.from = U::Dots, .value = 100, .to = U::Inch, .shown = "0.492126", .dots = 99},
        {.from = U::Mm, .value = 1, .to = U::Inch, .shown = "0.0393701", .dots = 7},
    };
    for (const Case& c : cases) {
        LabelSettingBuilder builder;
        builder.unit = c.from;
        builder.width = c.value;
        builder.ChangeUnit(c.to);
        EXPECT_EQ(builder.unit, c.to);
        EXPECT_EQ(UnitConversion::Show(builder.width), QLatin1String(c.shown)) << c.shown;
        EXPECT_EQ(builder.Lines().first(), "SW" + QByteArray::number(c.dots)) << c.shown;
    }
}

TEST(LabelSetting, AFieldThatIsNoNumberStopsEveryWayOutAndTheUnitChange) {
    for (const char* field : {"widthField", "lengthField", "marginXField", "marginYField"}) {
        for (const char* button : {"insertButton", "closeButton", "mmRadio"}) {
            Label l;
            l.form->show();
            Type(l.Get<QLineEdit>(field), QStringLiteral("4x"));
            l.Press(button);
            EXPECT_EQ(l.rig.messages.Warnings(), Texts({"Please enter a number."}))
                << field << " " << button;
            EXPECT_NE(l.form->result(), QDialog::Accepted);
            EXPECT_TRUE(l.form->isVisible()) << field << " " << button;
            // The sizes stay in inches, as typed: nothing was converted.
            EXPECT_TRUE(l.Get<QRadioButton>("inchRadio")->isChecked()) << field << " " << button;
            EXPECT_EQ(Units(l), Texts({"inch", "inch", "inch", "inch"}));
            EXPECT_EQ(l.Get<QLineEdit>(field)->text(), QStringLiteral("4x"));
            EXPECT_EQ(l.builder.unit, UnitConversion::Unit::Inch);
            EXPECT_EQ(l.builder.width, 4.0F);
            EXPECT_EQ(l.builder.marginY, 0.2F);
        }
    }
}

TEST(LabelSetting, AReopenedFormKeepsTheUnitsAndEveryValue) {
    Label l;
    l.Press("mmRadio");
    Type(l.Get<QLineEdit>("lengthField"), QStringLiteral("75"));
    l.Press("blackMarkRadio");
    l.Press("widthBox");
    EXPECT_EQ(l.Inserted(), (QList<QByteArray>{"SL600,24,B", "SM40,40"}));

    l.Reopen();
    EXPECT_TRUE(l.Get<QRadioButton>("mmRadio")->isChecked());
    EXPECT_EQ(Units(l), Texts({"mm", "mm", "mm", "mm"}));
    EXPECT_EQ(Sizes(l), Texts({"101.6", "75", "5.08", "5.08"}));
    EXPECT_TRUE(l.Get<QRadioButton>("blackMarkRadio")->isChecked());
    EXPECT_FALSE(l.Get<QCheckBox>("widthBox")->isChecked());
    EXPECT_TRUE(l.Get<QCheckBox>("lengthBox")->isChecked());
    EXPECT_TRUE(l.Get<QCheckBox>("marginBox")->isChecked());
    EXPECT_EQ(l.Inserted(), (QList<QByteArray>{"SL600,24,B", "SM40,40"}));
}

}  // namespace
