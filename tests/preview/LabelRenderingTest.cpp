// The label renderer: golden pictures of text, lines and boxes drawn with the font that ships
// with the project, and what a printer does with the commands of a script.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "preview/LabelRendering.h"

using preview::LabelBitmap;
using preview::PrinterSetup;
using preview::Rendering;
using preview::Undrawn;

namespace {

Rendering Render(const QByteArray& script, const PrinterSetup& setup = {}) {
    return preview::RenderLabels(script, setup);
}

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; right < left: no ink
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom
               << ")";
}

// Where the ink is.
Box InkBox(const LabelBitmap& bitmap) {
    Box box{.left = bitmap.Width(), .top = bitmap.Height()};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Black(x, y)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box.right < box.left ? Box{} : box;
}

// The golden pictures: drawn once, looked at by a person, kept in the source tree. Running the
// tests with TAGWELL_UPDATE_GOLDEN=1 writes them afresh.
struct GoldenCase {
    const char* name;
    QByteArray script;
};

const GoldenCase kGolden[] = {
    {.name = "bitmap-text",
     .script = "SW560\r\nSL400,24,G\r\n"
               "T10,10,0,1,1,0,0,N,N,'Font 0: ABC abc 123'\r\n"
               "T10,30,1,1,1,0,0,N,N,'Font 1: ABC abc'\r\n"
               "T10,55,2,1,1,0,0,N,N,'Font 2: ABC abc'\r\n"
               "T10,85,3,1,1,2,0,N,B,'Font 3 bold +2'\r\n"
               "T10,120,4,1,1,0,0,R,N,'Font 4 rev'\r\n"
               "T10,165,5,1,1,0,0,N,N,'Font 5'\r\n"
               "T60,215,6,1,1,0,0,N,N,'F6'\r\n"
               "T300,215,1,2,3,0,0,N,N,'x2x3'\r\n"
               "T540,20,2,1,1,0,1,N,N,'turned 90'\r\n"
               "T540,390,2,1,1,0,2,N,N,'turned 180'\r\n"
               "T20,390,2,1,1,0,3,N,N,'turned 270'\r\n"
               "P1\r\n"},
    {.name = "vector-text",
     .script = "SW560\r\nSL300,24,G\r\n"
               "V10,10,U,35,35,1,N,N,N,0,L,0,'Vector 35'\r\n"
               "V10,60,U,20,50,0,B,N,N,0,L,0,'Tall bold'\r\n"
               "V10,120,U,30,30,0,N,R,I,0,L,0,'Reverse italic'\r\n"
               "V550,170,U,25,25,0,N,N,N,0,R,0,'right'\r\n"
               "V280,210,U,25,25,0,N,N,N,0,C,1,'centre rtl'\r\n"
               "P1\r\n"},
    {.name = "lines-boxes",
     .script = "SW400\r\nSL300,0,C\r\n"
               "BD10,10,390,14,O\r\n"
               "BD10,30,200,140,B,6\r\n"
               "BD40,60,170,110,O\r\n"
               "BD100,40,300,90,E\r\n"
               "BD50,70,80,100,D\r\n"
               "BD220,30,380,140,S,8\r\n"
               "BD20,280,380,160,S,3\r\n"
               "SM20,0\r\nBD0,200,60,260,B,2\r\n"
               "P1\r\n"},
};

QString GoldenPath(const char* name) {
    return QStringLiteral(TAGWELL_PREVIEW_GOLDEN "/%1.png").arg(QLatin1String(name));
}

class GoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, DrawsTheLabelAsItWasLookedAt) {
    const Rendering rendering = Render(GetParam().script);
    ASSERT_EQ(rendering.labels.size(), 1u);
    EXPECT_TRUE(rendering.undrawn.empty());
    const LabelBitmap& drawn = rendering.labels[0].bitmap;
    const QString path = GoldenPath(GetParam().name);
    if (qEnvironmentVariableIsSet("TAGWELL_UPDATE_GOLDEN")) {
        ASSERT_TRUE(drawn.ToImage().save(path));
    }
    const QImage golden(path);
    ASSERT_FALSE(golden.isNull()) << "no golden picture " << path.toStdString();
    const LabelBitmap expected = LabelBitmap::FromImage(golden);
    if (!(drawn == expected)) {
        const QString kept = QDir::temp().filePath(QFileInfo(path).fileName());
        drawn.ToImage().save(kept);
        long differing = 0;
        for (int y = 0; y < std::max(drawn.Height(), expected.Height()); ++y) {
            for (int x = 0; x < std::max(drawn.Width(), expected.Width()); ++x) {
                differing += drawn.Black(x, y) != expected.Black(x, y) ? 1 : 0;
            }
        }
        ADD_FAILURE() << differing << " dots differ from " << path.toStdString()
                      << "; the drawn label is in " << kept.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, GoldenTest, testing::ValuesIn(kGolden), [](const auto& test) {
    QByteArray name(test.param.name);
    return name.replace('-', '_').toStdString();
});

// Where a piece lands for each rotation about its anchor, with justification and margins.
TEST(LabelRenderingTest, PlacesEachPieceAboutItsAnchor) {
    struct Case {
        const char* script;
        Box ink;
    } const cases[] = {
        {"BD100,50,200,60,O\rP1\r", {100, 50, 199, 59}},
        {"BD200,60,100,50,O\rP1\r", {100, 50, 199, 59}},  // corners in either order
        {"SM30,-10\rBD100,50,200,60,O\rP1\r", {130, 40, 229, 49}},
        {"BD100,50,200,60,B,200\rP1\r", {100, 50, 199, 59}},         // a frame thicker than the box
        {"BD-50,-50,20,10,O\rP1\r", {0, 0, 19, 9}},                  // clipped at the edges
        {"BD100,100,100,200,O\rP1\r", {}},                           // no width: nothing
        {"T100,100,0,1,1,0,0,R,N,' '\rP1\r", {100, 100, 107, 112}},  // a reversed blank cell
        {"T100,100,0,1,1,0,1,R,N,' '\rP1\r", {87, 100, 99, 107}},
        {"T100,100,0,1,1,0,2,R,N,' '\rP1\r", {92, 87, 99, 99}},
        {"T100,100,0,1,1,0,3,R,N,' '\rP1\r", {100, 92, 112, 99}},
        {"T100,100,0,2,3,0,0,R,N,'  '\rP1\r", {100, 100, 131, 138}},  // 2 cells of 16 by 39
        {"T100,100,0,1,1,4,0,R,N,'  '\rP1\r", {100, 100, 119, 112}},  // spaced by 4
        // Width 20 at height 20 keeps the font's shape: cells of 10 dots (its advance is 0.52
        // of its line).
        {"V100,100,U,20,20,0,N,R,N,0,R,0,'  '\rP1\r", {80, 100, 99, 119}},
        {"V100,100,U,20,20,0,N,R,N,0,C,0,'  '\rP1\r", {90, 100, 109, 119}},
        {"SW300\rSL200,24,G\rSOB\rBD0,0,10,20,O\rP1\r", {290, 180, 299, 199}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Rendering rendering = Render(c.script);
        ASSERT_EQ(rendering.labels.size(), 1u);
        EXPECT_TRUE(rendering.undrawn.empty());
        EXPECT_EQ(InkBox(rendering.labels[0].bitmap), c.ink);
    }
}

// A PDF417's origin field, not its readable-line field beside it, says whether x,y is its top
// left corner or its centre.
TEST(LabelRenderingTest, PlacesAPdf417ByItsOrigin) {
    const Box corner =
        InkBox(Render("B2100,100,P,30,5,0,0,1,0,3,10,0,'ABC'\rP1\r").labels.at(0).bitmap);
    EXPECT_EQ(corner.left, 100);
    EXPECT_EQ(corner.top, 100);
    const Box centred =
        InkBox(Render("B2400,400,P,30,5,0,0,0,1,3,10,0,'ABC'\rP1\r").labels.at(0).bitmap);
    EXPECT_NEAR((centred.left + centred.right) / 2, 400, 3) << centred;
    EXPECT_NEAR((centred.top + centred.bottom) / 2, 400, 3) << centred;
}

// Labels come out at the print commands, at the size then in force; what no print command
// follows is the label in the making.
TEST(LabelRenderingTest, PrintsLabelsAtTheirPrintCommands) {
    struct Label {
        int width, length;
        long copies;
        int firstLine, lastLine;
    };
    struct Case {
        const char* script;
        std::vector<Label> labels;
    } const cases[] = {
        {"", {}},
        {"SW400\r\nSS3\r\n", {}},
        {"P1\r\n", {{812, 1219, 1, 1, 1}}},
        {"SW400\r\nSL300,24,G\r\nBD0,0,9,9,O\r\nP3\r\n", {{400, 300, 3, 1, 4}}},
        {"BD0,0,9,9,O\nP2,3\nSW200\nBD0,0,9,9,O\n", {{812, 1219, 6, 1, 2}, {200, 1219, 0, 3, 4}}},
        {"BD0,0,9,9,O\rP0\rP1\r", {{812, 1219, 1, 1, 3}}},  // P0 keeps the label in hand
        {"SW400\rP1\rP1,2\r", {{400, 1219, 1, 1, 2}, {400, 1219, 2, 3, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Rendering rendering = Render(c.script);
        ASSERT_EQ(rendering.labels.size(), c.labels.size());
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            const preview::RenderedLabel& label = rendering.labels[i];
            EXPECT_EQ(label.bitmap.Width(), c.labels[i].width);
            EXPECT_EQ(label.bitmap.Height(), c.labels[i].length);
            EXPECT_EQ(label.copies, c.labels[i].copies);
            EXPECT_EQ(label.firstLine, c.labels[i].firstLine);
            EXPECT_EQ(label.lastLine, c.labels[i].lastLine);
        }
    }
}

// Nothing is dropped in silence: every line that leaves nothing is listed, with its line.
TEST(LabelRenderingTest, ListsWhatItCannotDraw) {
    using Why = Undrawn::Why;
    struct Case {
        QByteArray script;
        std::vector<std::pair<int, Why>> undrawn;
    } const cases[] = {
        {"HELLO\r\nT10,10,3,1,1,0,0,N,N,'fine'\r\nP1\r\n", {{1, Why::Unknown}}},
        {"\r\n\nT10,10,3,1,1,0,0,N,N,'no end\rT10,10,9,1,1,0,0,N,N,'a'\r",
         {{3, Why::Malformed}, {4, Why::AssumedFont}}},
        {"T10,10,3,5,1,0,0,N,N,'x'\rV10,10,U,35,35,1,N,N,N,0,X,0,'x'\rBD1,2,3,4,S\r"
         "BD1,2,3,4,O,5\rP1,2,3\rSW-4\rSLabc\r",
         {{1, Why::Malformed},
          {2, Why::Malformed},
          {3, Why::Malformed},
          {4, Why::Malformed},
          {5, Why::Malformed},
          {6, Why::Malformed},
          {7, Why::Malformed}}},
        {"T10,10,m,1,1,0,0,N,N,'\xB0\xA1'\rV1,1,K,20,20,0,N,N,N,0,L,0,'\xB0\xA1'\r"
         "V1,1,K,20,20,0,N,N,N,0,L,0,'ascii'\r",
         {{1, Why::TwoByteFont}, {2, Why::TwoByteFont}}},
        {"IR10,10,'LOGO'\r^ee\r>RFW,H,0,4,'ABCD'\rID'LOGO'\r",
         {{1, Why::UnknownPicture},
          {2, Why::NotDrawing},
          {3, Why::NotDrawing},
          {4, Why::NotDrawing}}},
        // A 2D barcode's data may span lines; the lines after it count on.
        {"B2100,100,Q,2,M,4,0,'two\r\nlines'\r\nNOPE\r\n", {{3, Why::Unknown}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        const Rendering rendering = Render(c.script);
        std::vector<std::pair<int, Why>> undrawn;
        for (const Undrawn& entry : rendering.undrawn) {
            undrawn.emplace_back(entry.line, entry.why);
        }
        EXPECT_EQ(undrawn, c.undrawn);
    }
}

// Pictures: those in the printer's memory and those the script stores itself.
TEST(LabelRenderingTest, PlacesStoredPictures) {
    LabelBitmap logo(30, 20);
    logo.Fill(0, 0, 30, 20, LabelBitmap::Ink::Black);
    PrinterSetup setup;
    setup.pictures["LOGO"] = logo;
    const Rendering known = Render("IR100,200,'LOGO'\r\nP1\r\n", setup);
    ASSERT_EQ(known.labels.size(), 1u);
    EXPECT_EQ(InkBox(known.labels[0].bitmap), (Box{100, 200, 129, 219}));

    // "IS" with the file's bytes (any bytes, line ends too), read by the caller's reader.
    const QByteArray file("\r\n\x00\x01", 4);
    setup.readPicture = [&](QByteArrayView bytes) -> std::optional<LabelBitmap> {
        return bytes == file ? std::optional<LabelBitmap>(logo) : std::nullopt;
    };
    const Rendering stored = Render("IS4,'MINE'" + file + "\r\n\r\nIR5,6,'MINE'\r\nP1\r\n", setup);
    ASSERT_EQ(stored.labels.size(), 1u);
    EXPECT_TRUE(stored.undrawn.empty());
    EXPECT_EQ(InkBox(stored.labels[0].bitmap), (Box{5, 6, 34, 25}));
    // A file cut short by the end of the script is no picture.
    EXPECT_EQ(Render("IS400,'CUT'\r\n" + file, setup).undrawn.size(), 1u);
}

// However large the numbers, the rendering stays within its bounds and says what it left out.
TEST(LabelRenderingTest, StaysWithinItsLimits) {
    const Rendering huge = Render(
        "SW2000000000\rSL2000000000,24,G\rBD0,0,2000000000,5,O\r"
        "T2147483647,-2147483648,6,4,4,100,1,R,B,'edge'\rP1\r");
    ASSERT_EQ(huge.labels.size(), 1u);
    EXPECT_EQ(huge.labels[0].bitmap.Width(), 2032);
    EXPECT_EQ(huge.labels[0].bitmap.Height(), 8128);
    ASSERT_EQ(huge.undrawn.size(), 1u);
    EXPECT_EQ(huge.undrawn[0].why, Undrawn::Why::Limit);

    QByteArray many;
    for (int i = 0; i < 60; ++i) {
        many += "SW100\rSL100,24,G\rP1\r";
    }
    const Rendering labels = Render(many);
    EXPECT_EQ(labels.labels.size(), 50u);
    ASSERT_EQ(labels.undrawn.size(), 1u);
    EXPECT_EQ(labels.undrawn[0].why, Undrawn::Why::Limit);
}

}  // namespace
