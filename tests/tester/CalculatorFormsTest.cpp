// Font Finder and Convert Unit as a person uses them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/ConvertUnitForm.h"
#include "tester/FontFinderForm.h"

namespace {

QStringList Shown(const QDialog& form, const char* group) {
    QStringList shown;
    for (const char* value : {"Font", "XMulti", "YMulti"}) {
        shown << Find<QLabel>(form, (std::string(group) + value).c_str())->text();
    }
    return shown;
}

TEST(FontFinder, EachFindShowsItsOwnAnswer) {
    TestRig rig;
    FontFinderForm form(rig.Context());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Font Finder"));
    EXPECT_EQ(Shown(form, "most"), Texts({"3", "1", "1"}));
    Type(Find<QLineEdit>(form, "widthField"), QStringLiteral("2.5"));
    Type(Find<QLineEdit>(form, "heightField"), QStringLiteral("4.5"));
    Click(form, "findMostButton");
    EXPECT_EQ(Shown(form, "most"), Texts({"1", "2", "2"}));
    EXPECT_EQ(Shown(form, "round"), Texts({"3", "1", "1"}));
    Click(form, "findRoundButton");
    EXPECT_EQ(Shown(form, "round"), Texts({"4", "1", "1"}));
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST(FontFinder, NoCandidateKeepsTheAnswerShownAndSaysWhy) {
    TestRig rig;
    FontFinderForm form(rig.Context());
    Type(Find<QLineEdit>(form, "widthField"), QStringLiteral("50"));
    Type(Find<QLineEdit>(form, "heightField"), QStringLiteral("50"));
    Click(form, "findMostButton");
    Type(Find<QLineEdit>(form, "widthField"), QStringLiteral("1"));
    Type(Find<QLineEdit>(form, "heightField"), QStringLiteral("1.5"));
    Click(form, "findRoundButton");
    EXPECT_EQ(rig.messages.Warnings(),
              (QStringList{QStringLiteral("No font comes within 100 dots of this size."),
                           QStringLiteral("No larger font with smaller multipliers comes within "
                                          "100 dots of this size.")}));
    EXPECT_EQ(Shown(form, "most"), Texts({"3", "1", "1"}));
    EXPECT_EQ(Shown(form, "round"), Texts({"3", "1", "1"}));
}

TEST(FontFinder, PrintsTheAnswersAsShownInOneWrite) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    FontFinderForm form(rig.Context());
    Click(form, "printButton");
    Click(form, "findMostButton");
    Click(form, "findRoundButton");
    Click(form, "printButton");
    ASSERT_EQ(rig.link.writes.size(), 2u);
    EXPECT_EQ(rig.link.writes[0], QByteArray("SL600,0,C\rT50,50,3,1,1,0,0,N,N,'TEST148'\r"
                                             "T50,350,3,1,1,0,0,N,N,'TEST148'\rP1\r"));
    EXPECT_EQ(rig.link.writes[1], QByteArray("SL600,0,C\rT50,50,0,3,3,0,0,N,N,'TEST148'\r"
                                             "T50,350,5,1,1,0,0,N,N,'TEST148'\rP1\r"));
}

TEST(FontFinder, ASizeThatIsNoNumberStopsFindAndClose) {
    TestRig rig;
    FontFinderForm form(rig.Context());
    form.show();
    Type(Find<QLineEdit>(form, "heightField"), QStringLiteral("5mm"));
    Click(form, "findMostButton");
    Click(form, "findRoundButton");
    Click(form, "closeButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList(3, QStringLiteral("Please enter a number.")));
    EXPECT_TRUE(form.isVisible());
    Type(Find<QLineEdit>(form, "heightField"), QStringLiteral("5"));
    Click(form, "closeButton");
    EXPECT_FALSE(form.isVisible());
}

struct Converter {
    Converter() : form(rig.Context()) {}
    void Convert(int direction, const char* input) {
        Click(Find<QRadioButton>(form, ("directionRadio" + std::to_string(direction)).c_str()));
        Type(Find<QLineEdit>(form, "inputField"), QLatin1String(input));
        Click(form, "convertButton");
    }
    QString Result() { return Find<QLineEdit>(form, "resultField")->text(); }
    QStringList Units() {
        return {Find<QLabel>(form, "inputUnitLabel")->text(),
                Find<QLabel>(form, "resultUnitLabel")->text()};
    }
    TestRig rig;
    ConvertUnitForm form;
};

TEST(ConvertUnit, ConvertsEveryDirectionToSixSignificantDigits) {
    struct Case {
        int direction;
        const char* input;
        const char* result;
        QStringList units;
    };
    const Case cases[] = {
        {.direction = 0, .input = "1", .result = "25.4", .units = Texts({"inch", "mm"})},
        {.direction = 1, .input = "1", .result = "203.2", .units = Texts({"inch", "dots"})},
        {.direction = 1, .input = "5", .result = "1016", .units = Texts({"inch", "dots"})},
        {.direction = 2, .input = "100", .result = "0.492126", .units = Texts({"dots", "inch"})},
        {.direction = 3, .input = "100", .result = "12.5", .units = Texts({"dots", "mm"})},
        {.direction = 4, .input = "1", .result = "0.0393701", .units = Texts({"mm", "inch"})},
        {.direction = 5, .input = "2.5", .result = "20", .units = Texts({"mm", "dots"})},
        {.direction = 0, .input = "-2", .result = "-50.8", .units = Texts({"inch", "mm"})},
    };
    for (const Case& c : cases) {
        Converter converter;
        EXPECT_EQ(converter.form.windowTitle(), QStringLiteral("Convert Unit"));
        converter.Convert(c.direction, c.input);
        EXPECT_EQ(converter.Result(), QLatin1String(c.result)) << c.direction << " " << c.input;
        EXPECT_EQ(converter.Units(), c.units);
    }
}

TEST(ConvertUnit, ADirectionRelabelsButKeepsTheOldResult) {
    Converter converter;
    EXPECT_EQ(converter.Units(), Texts({"inch", "mm"}));
    EXPECT_EQ(converter.Result(), QStringLiteral("0"));
    converter.Convert(0, "1");
    Type(Find<QLineEdit>(converter.form, "inputField"), QStringLiteral("1.23456789"));
    Click(Find<QRadioButton>(converter.form, "directionRadio5"));
    EXPECT_EQ(converter.Units(), Texts({"mm", "dots"}));
    EXPECT_EQ(converter.Result(), QStringLiteral("25.4"));
    // The input is kept in single precision and shown again to six digits.
    EXPECT_EQ(Find<QLineEdit>(converter.form, "inputField")->text(), QStringLiteral("1.23457"));
}

TEST(ConvertUnit, AnInputThatIsNoNumberIsRefused) {
    Converter converter;
    converter.form.show();
    converter.Convert(1, "1 inch");
    Click(converter.form, "closeButton");
    // Choosing a direction reads the input too; the wrong text stays for correcting.
    Click(Find<QRadioButton>(converter.form, "directionRadio2"));
    EXPECT_EQ(converter.Units(), Texts({"dots", "inch"}));
    EXPECT_EQ(Find<QLineEdit>(converter.form, "inputField")->text(), QStringLiteral("1 inch"));
    Type(Find<QLineEdit>(converter.form, "inputField"), QStringLiteral("1e31"));
    Click(converter.form, "convertButton");
    EXPECT_EQ(converter.rig.messages.Warnings(),
              (QStringList{QStringLiteral("Please enter a number."),
                           QStringLiteral("Please enter a number."),
                           QStringLiteral("Please enter a number."),
                           QStringLiteral("Please enter a number between -1e+30 and 1e+30.")}));
    EXPECT_EQ(converter.Result(), QStringLiteral("0"));
    EXPECT_TRUE(converter.form.isVisible());
    Type(Find<QLineEdit>(converter.form, "inputField"), QStringLiteral("2"));
    Click(converter.form, "closeButton");
    EXPECT_FALSE(converter.form.isVisible());
}

}  // namespace
