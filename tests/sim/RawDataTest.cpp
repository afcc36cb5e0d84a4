// What the printer keeps as raw data: every byte outside the commands it knows, in order,
// counted and hashed; only counted and hashed when it is a sink.
#include <gtest/gtest.h>

#include <string>

#include "sim/Printer.h"
#include "sim/ProgramOptions.h"
#include "sim/RawData.h"

namespace {

using namespace std::string_literals;

struct RawCase {
    const char* name;
    std::vector<std::string> pieces;  // as they arrive
    std::string raw;
};

TEST(RawData, KeepsEveryByteOutsideKnownCommandsInOrder) {
    const RawCase cases[] = {
        {.name = "bytes alone", .pieces = {"\x00\x01\xfe\xff"s}, .raw = "\x00\x01\xfe\xff"s},
        {.name = "line ends between commands", .pieces = {"\r\n^PI0\r\n"}, .raw = "\r\n\r\n"},
        {.name = "junk around a query, in pieces",
         .pieces = {"ab", "c^P", "I0xyz\x00"s},
         .raw = "abcxyz\x00"s},
        // A label line and a print are commands; the bytes of an unknown "^" are not.
        {.name = "label commands", .pieces = {"T10,10,0,3,1,1,0,N,'A'\rP1\r^zz"}, .raw = "^zz"},
    };
    for (const RawCase& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Printer printer;
        for (const std::string& piece : c.pieces) {
            printer.Receive(piece);
        }
        const sim::RawData raw = printer.Snapshot().raw;
        EXPECT_EQ(raw.Kept(), c.raw);
        EXPECT_EQ(raw.Count(), c.raw.size());
        EXPECT_EQ(raw.HashValue(), sim::RawData::Hash(c.raw));
    }
}

TEST(RawData, HashIsTheStandardFnv1a) {
    EXPECT_EQ(sim::RawData::Hash(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(sim::RawData::Hash("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(sim::RawData::Hash("foobar"), 0x85944171f73967e8ULL);
    // In pieces as at once.
    EXPECT_EQ(sim::RawData::Hash("bar", sim::RawData::Hash("foo")), sim::RawData::Hash("foobar"));
}

// A long transfer keeps only the last bytes in memory, or none as a sink; count and hash cover
// all of it either way.
TEST(RawData, KeepsABoundedTailOrNothingAsASink) {
    std::string all;
    for (int i = 0; i < 5; ++i) {
        all += std::string(sim::RawData::kKept / 2, static_cast<char>('a' + i));
    }
    for (const bool sink : {false, true}) {
        SCOPED_TRACE(sink ? "sink" : "keeping");
        sim::RawData raw;
        raw.SetKeep(!sink);
        for (std::size_t at = 0; at < all.size(); at += 65536) {
            raw.Add(std::string_view(all).substr(at, 65536));
        }
        EXPECT_EQ(raw.Count(), all.size());
        EXPECT_EQ(raw.HashValue(), sim::RawData::Hash(all));
        EXPECT_EQ(raw.Kept(), sink ? std::string() : all.substr(all.size() - sim::RawData::kKept));
    }
}

TEST(RawData, TheProgramTakesSink) {
    sim::ProgramOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--sink"}, error)) << error;
    EXPECT_TRUE(options.sink);
}

}  // namespace
