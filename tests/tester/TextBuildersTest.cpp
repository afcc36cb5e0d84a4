// The Bitmap Text and Vector Text forms: what they compose, send and refuse.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "tester/BitmapTextBuilder.h"
#include "tester/BitmapTextForm.h"
#include "tester/BuilderRig.h"
#include "tester/VectorTextBuilder.h"
#include "tester/VectorTextForm.h"

namespace {

const QByteArray kBitmapDefault = "T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'";
const QByteArray kVectorDefault = "V20,20,U,35,35,1,N,N,N,0,L,0,'KORVALE Label Printer'";

template <typename Builder>
struct FormOf {
    using Type = BitmapTextForm;
};
template <>
struct FormOf<VectorTextBuilder> {
    using Type = VectorTextForm;
};

template <typename Builder>
struct Opened : BuilderRig<Builder, typename FormOf<Builder>::Type> {
    QLineEdit* Data() { return this->template Get<QLineEdit>("dataField"); }
};

TEST(BitmapText, DefaultsPrintInOneWriteAndInsertAsTheSameLine) {
    Opened<BitmapTextBuilder> b;
    EXPECT_EQ(b.form->windowTitle(), QStringLiteral("Bitmap Text Command"));
    b.Press("testPrintButton");
    ASSERT_EQ(b.rig.link.writes.size(), 1u);
    EXPECT_EQ(b.rig.link.writes[0], kBitmapDefault + "\rP1\r");

    b.Press("insertButton");
    EXPECT_EQ(b.form->result(), QDialog::Accepted);
    EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{kBitmapDefault});
    EXPECT_TRUE(b.rig.messages.entries.empty());
}

TEST(BitmapText, ComposesWhatTheFormShows) {
    ExpectComposes<Opened<BitmapTextBuilder>>({
        {"x 20.9 is truncated", [](auto& b) { Type(b.Step("xField"), QStringLiteral("20.9")); },
         "T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'"},
        {"rotation 180 is 2", [](auto& b) { Choose(b.List("rotationList"), 2); },
         "T20,20,3,1,1,0,2,N,N,'KORVALE Label Printer'"},
        {"apostrophe copied unchanged",
         // Qt Test types ASCII keys only: the é is set.
         [](auto& b) { b.Data()->setText(QStringLiteral("Bob's \\label é")); },
         "T20,20,3,1,1,0,0,N,N,'Bob's \\label \xE9'"},
        {"every list and number",
         [](auto& b) {
             Type(b.Step("xField"), QStringLiteral("999"));
             Type(b.Step("yField"), QStringLiteral("0"));
             Choose(b.List("fontList"), 15);
             Type(b.Step("hMultiField"), QStringLiteral("4"));
             Type(b.Step("vMultiField"), QStringLiteral("2"));
             Type(b.Step("spacingField"), QStringLiteral("100"));
             Choose(b.List("rotationList"), 3);
             Choose(b.List("reverseList"), 1);
             Choose(b.List("boldList"), 1);
             Type(b.Data(), QString());
         },
         "T999,0,f,4,2,100,3,R,B,''"},
    });
}

TEST(BitmapText, AWrongFieldStopsEveryButtonWithItsMessage) {
    ExpectWrongFieldsStop<Opened<BitmapTextBuilder>>(
        {{"xField", "1000", "Please enter a number between 0 and 999."},
         {"yField", "-0.5", "Please enter a number between 0 and 999."},
         {"xField", "", "Please enter a number."},
         {"yField", "2O", "Please enter a number."},
         {"hMultiField", "1.5", "Please enter an integer."},
         {"vMultiField", "x", "Please enter an integer."},
         {"spacingField", "", "Please enter an integer."}});
}

TEST(BitmapText, TheStepControlsReachTheirEndsAndCycle) {
    Opened<BitmapTextBuilder> b;
    StepField* x = b.Step("xField");
    x->SetText(QStringLiteral("999"));
    x->stepBy(1);
    EXPECT_EQ(x->Text(), QStringLiteral("1000"));
    b.Press("insertButton");
    EXPECT_EQ(b.rig.messages.Warnings(),
              QStringList{QStringLiteral("Please enter a number between 0 and 999.")});
    x->stepBy(1);
    EXPECT_EQ(x->Text(), QStringLiteral("0"));
    x->stepBy(-1);
    EXPECT_EQ(x->Text(), QStringLiteral("1000"));
    x->SetText(QStringLiteral("20.9"));
    x->stepBy(1);
    EXPECT_EQ(x->Text(), QStringLiteral("21"));

    StepField* hMulti = b.Step("hMultiField");
    hMulti->SetText(QStringLiteral("4"));
    hMulti->stepBy(1);
    EXPECT_EQ(hMulti->Text(), QStringLiteral("1"));
    hMulti->SetText(QStringLiteral("not a number"));
    hMulti->stepBy(1);
    EXPECT_EQ(hMulti->Text(), QStringLiteral("2"));
}

TEST(BitmapText, AReopenedFormShowsTheValuesOfTheInsertion) {
    Opened<BitmapTextBuilder> b;
    Type(b.Step("xField"), QStringLiteral("20.9"));
    Choose(b.List("rotationList"), 3);
    Choose(b.List("fontList"), 10);
    Type(b.Data(), QStringLiteral("second"));
    b.Press("insertButton");
    b.Reopen();
    EXPECT_EQ(b.Step("xField")->Text(), QStringLiteral("20.9"));
    EXPECT_EQ(b.List("rotationList")->currentText(), QStringLiteral("270"));
    EXPECT_EQ(b.List("fontList")->currentText(), QStringLiteral("a"));
    EXPECT_EQ(b.Data()->text(), QStringLiteral("second"));
    EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{"T20,20,a,1,1,0,3,N,N,'second'"});
}

TEST(TextBuilders, AWrongFieldLeavesEveryFieldAsItWas) {
    // The fields read before the wrong one are not taken either.
    Opened<BitmapTextBuilder> bitmap;
    Type(bitmap.Step("xField"), QStringLiteral("30"));
    Choose(bitmap.List("fontList"), 0);
    Type(bitmap.Step("spacingField"), QStringLiteral("wide"));
    bitmap.Press("insertButton");
    EXPECT_EQ(bitmap.builder.Line(), kBitmapDefault);

    Opened<VectorTextBuilder> vector;
    Type(vector.Step("widthField"), QStringLiteral("50"));
    Choose(vector.List("boldList"), 1);
    vector.Data()->setText(QStringLiteral("ラベル"));
    vector.Press("closeButton");
    EXPECT_EQ(vector.builder.Line(), kVectorDefault);
    EXPECT_EQ(vector.rig.messages.Warnings().size(), 1);
}

TEST(BitmapText, DataWithoutAByteOrWithALineBreakIsRefusedAndNothingSent) {
    // A pasted line break would end the T line and send the rest of the data as commands.
    for (const QString& data :
         {QStringLiteral("ラベル"), QStringLiteral("one\nP9"), QStringLiteral("one\rP9")}) {
        Opened<BitmapTextBuilder> b;
        b.Data()->setText(data);
        b.Press("testPrintButton");
        b.Press("insertButton");
        EXPECT_TRUE(b.rig.link.writes.empty());
        EXPECT_NE(b.form->result(), QDialog::Accepted);
        EXPECT_EQ(b.rig.messages.Warnings().size(), 2);
    }
}

TEST(BitmapText, OpensFontFinderAndConvertUnit) {
    Opened<BitmapTextBuilder> b;
    b.Press("findFontButton");
    b.Press("convertButton");
    EXPECT_EQ(b.script.titles,
              (QStringList{QStringLiteral("Font Finder"), QStringLiteral("Convert Unit")}));
    EXPECT_NE(b.form->result(), QDialog::Accepted);
}

TEST(VectorText, ComposesWhatTheFormShows) {
    ExpectComposes<Opened<VectorTextBuilder>>({
        {"defaults", [](auto&) {}, kVectorDefault},
        {"negative spacing, bold, italic, right, right to left",
         [](auto& b) {
             Type(b.Step("spacingField"), QStringLiteral("-5"));
             Choose(b.List("boldList"), 1);
             Choose(b.List("italicList"), 1);
             Choose(b.List("justificationList"), 0);
             Choose(b.List("directionList"), 1);
         },
         "V20,20,U,35,35,-5,B,N,I,0,R,1,'KORVALE Label Printer'"},
        {"positions truncated, no range check, reverse, centre, rotation 90",
         [](auto& b) {
             Type(b.Step("xField"), QStringLiteral("1500.7"));
             Type(b.Step("yField"), QStringLiteral("-3.9"));
             Type(b.Step("widthField"), QStringLiteral("100"));
             Type(b.Step("heightField"), QStringLiteral("1"));
             Choose(b.List("reverseList"), 1);
             Choose(b.List("justificationList"), 1);
             Choose(b.List("rotationList"), 1);
             Type(b.Data(), QStringLiteral("it's"));
         },
         "V1500,-3,U,100,1,1,N,R,N,1,C,0,'it's'"},
    });
}

TEST(VectorText, RefusesWhatIsNoNumberAndKeepsEveryValueWhenReopened) {
    const std::pair<const char*, const char*> wrong[] = {
        {"xField", "Please enter a number."},         {"yField", "Please enter a number."},
        {"widthField", "Please enter an integer."},   {"heightField", "Please enter an integer."},
        {"spacingField", "Please enter an integer."},
    };
    for (const auto& [field, message] : wrong) {
        Opened<VectorTextBuilder> b;
        Type(b.Step(field), QStringLiteral("abc"));
        b.Press("testPrintButton");
        b.Press("insertButton");
        EXPECT_TRUE(b.rig.link.writes.empty()) << field;
        EXPECT_NE(b.form->result(), QDialog::Accepted) << field;
        EXPECT_EQ(b.rig.messages.Warnings(),
                  QStringList({QLatin1String(message), QLatin1String(message)}));
    }

    Opened<VectorTextBuilder> b;
    b.Step("spacingField")->stepBy(-1);
    b.Step("spacingField")->stepBy(-1);
    Choose(b.List("italicList"), 1);
    Choose(b.List("directionList"), 1);
    b.Press("insertButton");
    b.Reopen();
    EXPECT_EQ(b.Step("spacingField")->Text(), QStringLiteral("-1"));
    EXPECT_EQ(b.List("italicList")->currentText(), QStringLiteral("Italic"));
    EXPECT_EQ(b.List("directionList")->currentText(), QStringLiteral("Right to Left"));
    b.Press("convertButton");
    EXPECT_EQ(b.script.titles, QStringList{QStringLiteral("Convert Unit")});
}

}  // namespace
