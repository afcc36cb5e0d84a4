#include <gtest/gtest.h>

#include <functional>

#include "sim/ProgramOptions.h"

namespace {

struct CommandLine {
    const char* name;
    std::vector<std::string> arguments{};
    std::function<void(const sim::ProgramOptions&)> check{};  // empty: the line must be refused
};

void PrintTo(const CommandLine& line, std::ostream* out) {
    *out << line.name;
}

class SimProgramOptions : public testing::TestWithParam<CommandLine> {};

TEST_P(SimProgramOptions, ReadsTheCommandLine) {
    sim::ProgramOptions options;
    std::string error;
    const bool accepted = options.Parse(GetParam().arguments, error);
    if (!GetParam().check) {
        EXPECT_FALSE(accepted);
        EXPECT_FALSE(error.empty());
        return;
    }
    ASSERT_TRUE(accepted) << error;
    GetParam().check(options);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SimProgramOptions,
    testing::Values(
        CommandLine{.name = "Defaults",
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_EQ(o.port, 9100);
                            EXPECT_EQ(o.host, "127.0.0.1");
                            EXPECT_EQ(o.model, "QX-M43");
                            EXPECT_TRUE(o.tcp && o.pty);
                            EXPECT_FALSE(o.misbehaviour.silent || o.misbehaviour.garbage);
                            EXPECT_EQ(o.misbehaviour.lateMs, 0);
                            EXPECT_EQ(o.misbehaviour.dropAfterBytes, -1);
                            EXPECT_EQ(o.rfidTag, sim::RfidState::SampleEpc());
                        }},
        CommandLine{.name = "AnyFreePort",
                    .arguments = {"--port", "0"},
                    .check = [](const sim::ProgramOptions& o) { EXPECT_EQ(o.port, 0); }},
        CommandLine{.name = "PortTooHigh", .arguments = {"--port", "65536"}},
        CommandLine{.name = "PortNotANumber", .arguments = {"--port", "91a"}},
        CommandLine{.name = "PortMissing", .arguments = {"--port"}},
        CommandLine{.name = "Misbehaviours",
                    .arguments = {"--silent", "--late", "250", "--garbage", "--drop-after", "12"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_TRUE(o.misbehaviour.silent);
                            EXPECT_TRUE(o.misbehaviour.garbage);
                            EXPECT_EQ(o.misbehaviour.lateMs, 250);
                            EXPECT_EQ(o.misbehaviour.dropAfterBytes, 12);
                        }},
        CommandLine{.name = "NegativeLate", .arguments = {"--late", "-5"}},
        CommandLine{.name = "Texts",
                    .arguments = {"--model", "qx-r40", "--record", "r.bin", "--serial-link",
                                  "/tmp/l", "--no-tcp"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_EQ(o.model, "qx-r40");
                            EXPECT_EQ(o.recordFile, "r.bin");
                            EXPECT_EQ(o.serialLink, "/tmp/l");
                            EXPECT_FALSE(o.tcp);
                            EXPECT_TRUE(o.pty);
                        }},
        CommandLine{.name = "NothingToServe", .arguments = {"--no-tcp", "--no-pty"}},
        CommandLine{.name = "Media",
                    .arguments = {"--media", "mark", "--label-length", "800"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_EQ(o.media.kind, sim::MediaState::Kind::Mark);
                            EXPECT_EQ(o.media.labelLength, 800);
                        }},
        CommandLine{.name = "ContinuousMedia",
                    .arguments = {"--media", "continuous"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_EQ(o.media.kind, sim::MediaState::Kind::Continuous);
                        }},
        CommandLine{.name = "UnknownMedia", .arguments = {"--media", "roll"}},
        CommandLine{.name = "LabelLengthZero", .arguments = {"--label-length", "0"}},
        CommandLine{.name = "Status",
                    .arguments = {"--status",
                                  "paper-empty,cover-open,cutter-jammed,head-overheat,gap-error,"
                                  "ribbon-end,paper-jam,building,printing,paused"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            const sim::StatusState& s = o.status;
                            EXPECT_TRUE(s.paperEmpty && s.coverOpen && s.cutterJammed &&
                                        s.headOverheat && s.gapDetectionError && s.ribbonEnd &&
                                        s.paperJam && s.building && s.printing && s.paused);
                        }},
        CommandLine{.name = "StatusOne",
                    .arguments = {"--status", "gap-error"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_TRUE(o.status.gapDetectionError);
                            EXPECT_FALSE(o.status.paperEmpty || o.status.printing);
                        }},
        CommandLine{.name = "StatusUnknownWord", .arguments = {"--status", "cover-open,lid-up"}},
        CommandLine{.name = "StatusEmptyWord", .arguments = {"--status", "cover-open,"}},
        CommandLine{.name = "RfidTag",
                    .arguments = {"--rfid-tag", "e2801160600002084A5B1C2D"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            ASSERT_TRUE(o.rfidTag.has_value());
                            EXPECT_EQ(o.rfidTag->size(), 12u);
                            EXPECT_EQ(o.rfidTag->front(), 0xE2);
                            EXPECT_EQ(o.rfidTag->back(), 0x2D);
                        }},
        CommandLine{.name = "RfidTagShort",
                    .arguments = {"--rfid-tag", "0A"},
                    .check =
                        [](const sim::ProgramOptions& o) {
                            EXPECT_EQ(o.rfidTag, std::vector<std::uint8_t>{0x0A});
                        }},
        CommandLine{.name = "RfidTagNone",
                    .arguments = {"--rfid-tag", "none"},
                    .check = [](const sim::ProgramOptions& o) { EXPECT_FALSE(o.rfidTag); }},
        CommandLine{.name = "RfidTagTooLong",
                    .arguments = {"--rfid-tag", "e2801160600002084A5B1C2D00"}},
        CommandLine{.name = "RfidTagOddDigits", .arguments = {"--rfid-tag", "123"}},
        CommandLine{.name = "RfidTagNotHex", .arguments = {"--rfid-tag", "12G4"}},
        CommandLine{.name = "RfidTagEmpty", .arguments = {"--rfid-tag", ""}},
        CommandLine{.name = "RfidTagMissing", .arguments = {"--rfid-tag"}},
        CommandLine{.name = "Unknown", .arguments = {"--colour"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SimProgramOptionsErrors, NameWhatTheyRefuse) {
    const std::vector<std::string> lines[] = {
        {"--status", "printing,lid-up"},
        {"--media", "lid-up"},
        {"--rfid-tag", "lid-up"},
    };
    for (const auto& arguments : lines) {
        sim::ProgramOptions options;
        std::string error;
        EXPECT_FALSE(options.Parse(arguments, error));
        EXPECT_NE(error.find("\"lid-up\""), std::string::npos) << error;
    }
}

}  // namespace
