// The simulator's image memory: "IS" with its PCX bytes, "ID", "II", "IR", the PNG it writes
// for people, and the program option that writes them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ProgramRun.h"
#include "sim/CommandParser.h"
#include "sim/ImageFiles.h"
#include "sim/Printer.h"
#include "sim/ProgramOptions.h"
#include "support/Widgets.h"

namespace {

// A PCX header for a one-bit picture, then the encoded lines as given.
std::string Pcx(int width, int height, int lineBytes, std::string_view data, int planes = 1) {
    std::string file(128, '\0');
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 1;
    file[3] = 1;
    file[8] = static_cast<char>((width - 1) & 0xFF);
    file[9] = static_cast<char>((width - 1) >> 8);
    file[10] = static_cast<char>((height - 1) & 0xFF);
    file[11] = static_cast<char>((height - 1) >> 8);
    file[65] = static_cast<char>(planes);
    file[66] = static_cast<char>(lineBytes);
    return file + std::string(data);
}

// "#" black, "." white.
std::vector<std::string> Rows(const sim::StoredImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            row += image.Black(x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Store(const std::string& name, const std::string& file) {
    return "IS" + std::to_string(file.size()) + ",'" + name + "'" + file;
}

// Ten dots by two: a byte from 0xC0 up as a run of one; padding bits (here black) ignored.
const std::string kSmall = Pcx(10, 2, 2, std::string("\x7f\xc1\xc0\xc2\x00", 5));
const std::vector<std::string> kSmallRows = {"#.........", "##########"};

struct StoreCase {
    const char* name;
    std::string stream;
    bool byteByByte = false;
    std::vector<std::string> stored{};  // names in the image memory afterwards
    std::vector<std::string> refused{};
};

TEST(SimImages, StoresOneBitPcxFilesAndRefusesTheRestWithoutHarm) {
    const std::string rgb = Pcx(10, 2, 10, std::string(60, '\x11'), 3);
    const StoreCase cases[] = {
        {.name = "whole", .stream = Store("logo", kSmall), .stored = {"logo"}},
        {.name = "byte by byte",
         .stream = Store("logo", kSmall),
         .byteByByte = true,
         .stored = {"logo"}},
        {.name = "a run across the line end",
         .stream = Store("wide", Pcx(16, 2, 2, std::string("\xc4\x00", 2))),
         .stored = {"wide"}},
        {.name = "garbage", .stream = Store("x", "abcde"), .refused = {"IS 'x': not a PCX file"}},
        {.name = "cut short",
         .stream = Store("cut", kSmall.substr(0, kSmall.size() - 2)),
         .refused = {"IS 'cut': data ends early"}},
        {.name = "colour",
         .stream = Store("rgb", rgb),
         .refused = {"IS 'rgb': not one bit in one plane"}},
        {.name = "no name", .stream = Store("", kSmall), .refused = {"IS '': no name"}},
        {.name = "more than memory",
         .stream = "IS99999999,'big'",
         .refused = {"IS 'big': 99999999 bytes is more than the image memory holds"}},
        {.name = "the same name again",
         .stream = Store("logo", "junk!") + Store("logo", kSmall),
         .stored = {"logo"},
         .refused = {"IS 'logo': not a PCX file"}},
        // A line break inside the name: no store command at all.
        {.name = "broken name", .stream = "IS3,'lo\r\ngo'abc"},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Printer printer;
        // Whatever came before, the next command is understood.
        const std::string stream = c.stream + "\r\n^PI0";
        std::string replies;
        if (c.byteByByte) {
            for (const char byte : stream) {
                replies += printer.Receive(std::string_view(&byte, 1));
            }
        } else {
            replies = printer.Receive(stream);
        }
        EXPECT_EQ(replies, "QX-M43\r\n");
        const sim::PrinterState state = printer.Snapshot();
        std::vector<std::string> names;
        for (const auto& [name, image] : state.images.stored) {
            names.push_back(name);
        }
        EXPECT_EQ(names, c.stored);
        EXPECT_EQ(state.images.refused, c.refused);
    }
    sim::Printer printer;
    printer.Receive(Store("logo", kSmall));
    const sim::StoredImage stored = printer.Snapshot().images.stored.at("logo");
    EXPECT_EQ(Rows(stored), kSmallRows);
    EXPECT_EQ(stored.pcx, kSmall);
}

// The list of pictures is printed, never sent back: the host reads nothing after asking.
std::vector<std::vector<std::string>> PrintedLines(const sim::Printer& printer) {
    std::vector<std::vector<std::string>> printed;
    for (const sim::Label& label : printer.Snapshot().labels.printed) {
        printed.push_back(label.lines);
    }
    return printed;
}

TEST(SimImages, DeletesPrintsTheListAndRecallsOntoTheLabel) {
    sim::Printer printer;
    printer.Receive(Store("a", kSmall) + Store("b", kSmall) + Store("c", kSmall));
    EXPECT_EQ(printer.Receive("II"), "");
    EXPECT_EQ(printer.Receive("ID'b'II"), "");
    EXPECT_EQ(printer.Receive("ID'nothing'"), "");
    using Lines = std::vector<std::string>;
    EXPECT_EQ(PrintedLines(printer),
              (std::vector<Lines>{{"IMAGES 3", "'a',10,2,133", "'b',10,2,133", "'c',10,2,133"},
                                  {"IMAGES 2", "'a',10,2,133", "'c',10,2,133"}}));
    EXPECT_EQ(printer.Snapshot().labels.printedCount, 2);

    // The report leaves the label under construction alone.
    printer.Receive("SOT\r\nIR100,100,'a'\r\nIR3,4,'c'\r\nIIIR5,5,'b'\r\n");
    sim::PrinterState state = printer.Snapshot();
    EXPECT_EQ(state.labels.current.lines, Lines{"SOT"});
    ASSERT_EQ(state.labels.current.images.size(), 2u);
    EXPECT_EQ(state.labels.current.images[0].name, "a");
    EXPECT_EQ(state.labels.current.images[1].x, 3);
    EXPECT_EQ(state.labels.current.images[1].y, 4);
    EXPECT_EQ(state.images.refused, std::vector<std::string>{"IR 'b': no such picture"});
    EXPECT_EQ(state.labels.printed.size(), 3u);

    printer.Receive("P1\r\n");
    state = printer.Snapshot();
    ASSERT_EQ(state.labels.printed.size(), 4u);
    EXPECT_EQ(state.labels.printed[3].images.size(), 2u);
    EXPECT_EQ(state.labels.printedCount, 4);
    EXPECT_TRUE(state.labels.current.images.empty());

    EXPECT_EQ(printer.Receive("ID*II"), "");
    EXPECT_EQ(PrintedLines(printer).back(), Lines{"IMAGES 0"});
    // Positions that are no numbers make no recall.
    printer.Receive(Store("a", kSmall) + "IRx,1,'a'\r\nIR-1,1,'a'\r\n");
    EXPECT_TRUE(printer.Snapshot().labels.current.images.empty());
}

// The PNG files: what a PNG reader makes of them, one file per picture, names made safe.
TEST(SimImages, WritesEveryStoredPictureAsPng) {
    sim::Printer printer;
    const std::string wide = Pcx(20, 3, 4,
                                 std::string("\x0f\xf0\x55\x00"
                                             "\xc4\xff"
                                             "\xc4\x00",
                                             8));
    printer.Receive(Store("wide", wide) + Store("a/b", kSmall) + Store("a_b", kSmall));
    QTemporaryDir folder;
    std::string error;
    ASSERT_TRUE(
        printer.WriteImagesAsPng(folder.filePath(QStringLiteral("out")).toStdString(), error))
        << error;
    const QImage png(folder.filePath(QStringLiteral("out/wide.png")));
    ASSERT_FALSE(png.isNull());
    const sim::StoredImage stored = printer.Snapshot().images.stored.at("wide");
    ASSERT_EQ(png.size(), QSize(20, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(qGray(png.pixel(x, y)) < 128, stored.Black(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("out/a_b.png"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("out/a_b_2.png"))));
    EXPECT_FALSE(printer.WriteImagesAsPng("/proc/no-such-folder", error));
    EXPECT_FALSE(error.empty());
}

TEST(SimImages, TheProgramWritesThePicturesWhenItStops) {
    sim::ProgramOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--png-folder", "/tmp/x"}, error)) << error;
    EXPECT_EQ(options.pngFolder, "/tmp/x");
    EXPECT_FALSE(options.Parse({"--png-folder"}, error));

    QTemporaryDir folder;
    RunProgram(Texts({"--png-folder"}) << folder.path(), Store("logo", kSmall));
    const QImage png(folder.filePath(QStringLiteral("logo.png")));
    ASSERT_EQ(png.size(), QSize(10, 2));
    EXPECT_EQ(qGray(png.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(png.pixel(1, 0)), 255);
}

}  // namespace
