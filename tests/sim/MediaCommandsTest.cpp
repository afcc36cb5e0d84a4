// The simulated printer's media sensor and calibration commands: what a host that calibrates
// would see, and what a printer does with requests it cannot read.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "TestClient.h"
#include "WholeAndPieces.h"
#include "sim/Printer.h"
#include "sim/Server.h"

namespace {

using Counts = std::array<int, 32>;
using Kind = sim::MediaState::Kind;

Counts Decode(const std::string& reply) {
    Counts counts{};
    for (std::size_t i = 0; i < counts.size() && 2 * i + 1 < reply.size(); ++i) {
        counts[i] = static_cast<unsigned char>(reply[2 * i]) +
                    256 * static_cast<unsigned char>(reply[2 * i + 1]);
    }
    return counts;
}

// A run of neighbouring buckets with samples.
struct Cluster {
    int first = 0;
    int last = 0;
    int total = 0;
    int peak = 0;  // the bucket with the most samples
};

std::vector<Cluster> Clusters(const Counts& counts) {
    std::vector<Cluster> clusters;
    for (int i = 0; i < 32; ++i) {
        if (counts[i] == 0) {
            continue;
        }
        if (clusters.empty() || clusters.back().last != i - 1) {
            clusters.push_back({.first = i, .last = i, .total = 0, .peak = i});
        }
        Cluster& cluster = clusters.back();
        cluster.last = i;
        cluster.total += counts[i];
        if (counts[i] > counts[cluster.peak]) {
            cluster.peak = i;
        }
    }
    return clusters;
}

std::string Replies(const std::string& bytes,
                    const std::function<void(sim::PrinterState&)>& prepare = {},
                    sim::PrinterState* state = nullptr) {
    return WholeAndPieces(bytes, prepare, state);
}

// What a sensing request gives on one media: the clusters from left to right, each given by the
// samples it must hold (0: any number).
struct Sensing {
    const char* what;
    Kind kind = Kind::Gap;
    std::string request;
    std::vector<int> clusterTotals;
    std::function<void(sim::PrinterState&)> prepare{};
};

TEST(SimMediaCommands, DistributionFollowsTheMedia) {
    const Sensing cases[] = {
        {.what = "gap labels, gap sensor: label and gap",
         .request = "^MXd,1200,G\r",
         .clusterTotals = {1176, 24}},
        {.what = "mark labels, mark sensor: mark left, label right",
         .kind = Kind::Mark,
         .request = "^MXd,1200,B\r",
         .clusterTotals = {24, 1176}},
        {.what = "three labels long: three gaps",
         .request = "^MXd,3672,G\r",
         .clusterTotals = {3600, 72}},
        {.what = "less than half a label passes no gap",
         .request = "^MXd,500,G\r",
         .clusterTotals = {500}},
        {.what = "continuous media",
         .kind = Kind::Continuous,
         .request = "^MXd,1200,G\r",
         .clusterTotals = {1200}},
        {.what = "continuous media, mark sensor",
         .kind = Kind::Continuous,
         .request = "^MXd,1200,B\r",
         .clusterTotals = {1200}},
        {.what = "gap labels, mark sensor: no gap seen",
         .request = "^MXd,1200,B\r",
         .clusterTotals = {1200}},
        {.what = "mark labels, gap sensor: no mark seen",
         .kind = Kind::Mark,
         .request = "^MXd,1200,G\r",
         .clusterTotals = {1200}},
        {.what = "a longer gap, CR LF",
         .request = "^MXd,1200,G\r\n",
         .clusterTotals = {1104, 96},
         .prepare = [](sim::PrinterState& s) { s.media.gapLength = 96; }},
        {.what = "no paper: all of it reads like a gap",
         .request = "^MXd,1200,G\r",
         .clusterTotals = {1200},
         .prepare = [](sim::PrinterState& s) { s.status.paperEmpty = true; }},
        {.what = "nothing fed", .request = "^MXd,0,G\r", .clusterTotals = {}},
    };
    for (const Sensing& sensing : cases) {
        SCOPED_TRACE(sensing.what);
        const std::string reply = Replies(sensing.request, [&](sim::PrinterState& state) {
            state.media.kind = sensing.kind;
            if (sensing.prepare) {
                sensing.prepare(state);
            }
        });
        ASSERT_EQ(reply.size(), 64u);
        const Counts counts = Decode(reply);
        const std::vector<Cluster> clusters = Clusters(counts);
        ASSERT_EQ(clusters.size(), sensing.clusterTotals.size());
        for (std::size_t i = 0; i < clusters.size(); ++i) {
            EXPECT_EQ(clusters[i].total, sensing.clusterTotals[i]) << "cluster " << i;
            // Noise spreads a level over a few buckets, never more.
            EXPECT_LE(clusters[i].last - clusters[i].first, 3) << "cluster " << i;
        }
        if (clusters.size() == 2) {
            // The calibration needs a big cluster that stands out, and room between the two.
            const Cluster& big = clusters[0].total > clusters[1].total ? clusters[0] : clusters[1];
            EXPECT_GT(counts[big.peak], 100);
            EXPECT_GE(clusters[1].first - clusters[0].last - 1, 5) << "empty buckets between";
        }
    }
}

TEST(SimMediaCommands, SensorsReadTheDefaultsFarApart) {
    const Counts gap = Decode(Replies("^MXd,1200,G\r"));
    const std::vector<Cluster> gapClusters = Clusters(gap);
    ASSERT_EQ(gapClusters.size(), 2u);
    EXPECT_EQ(gapClusters[0].peak, 6);
    EXPECT_EQ(gapClusters[1].peak, 24);
    // Mark media under the mark sensor is the mirror image: the label bright, the mark dark.
    const Counts mark =
        Decode(Replies("^MXd,1200,B\r", [](sim::PrinterState& s) { s.media.kind = Kind::Mark; }));
    const std::vector<Cluster> markClusters = Clusters(mark);
    ASSERT_EQ(markClusters.size(), 2u);
    EXPECT_EQ(markClusters[0].peak, 31 - gapClusters[1].peak);
    EXPECT_EQ(markClusters[1].peak, 31 - gapClusters[0].peak);
    // Seeded noise: the same request is answered the same every time.
    EXPECT_EQ(Decode(Replies("^MXd,1200,G\r")), gap);
}

TEST(SimMediaCommands, CountsAreLittleEndianAndCapped) {
    const auto quiet = [](sim::PrinterState& s) {
        s.media.kind = Kind::Continuous;
        s.media.noise = 0;  // every reading in the label's bucket, 6
    };
    const std::string reply = Replies("^MXd,4660,G\r", quiet);
    ASSERT_EQ(reply.size(), 64u);
    EXPECT_EQ(reply.substr(12, 2), "\x34\x12");
    EXPECT_EQ(Decode(Replies("^MXd,999999,G\r", quiet))[6], 65535);
}

TEST(SimMediaCommands, StoresAndForgetsTheCalibration) {
    sim::PrinterState state;
    EXPECT_EQ(Replies("^MXs,160,7\r", {}, &state), "");
    ASSERT_TRUE(state.media.calibration.has_value());
    EXPECT_EQ(state.media.calibration->middleValue, 160);
    EXPECT_EQ(state.media.calibration->gapCount, 7);
    EXPECT_EQ(state.status.errorCode, "00");

    const auto stored = [](sim::PrinterState& s) {
        s.media.calibration = sim::MediaState::Calibration{96, 4};
    };
    EXPECT_EQ(Replies("^MXc\r", stored, &state), "");
    EXPECT_FALSE(state.media.calibration.has_value());
    // A store the printer cannot read leaves the old calibration.
    Replies("^MXs,256\r", stored, &state);
    ASSERT_TRUE(state.media.calibration.has_value());
    EXPECT_EQ(state.media.calibration->middleValue, 96);
    Replies("^MXs,256,10\r^MXs,8,4\r\n", stored, &state);
    EXPECT_EQ(state.media.calibration->middleValue, 8);
    EXPECT_EQ(state.media.calibration->gapCount, 4);
}

TEST(SimMediaCommands, RefusesWhatItCannotRead) {
    // Each is ignored, reported as a syntax error, and the printer reads the next command.
    const char* const refused[] = {
        "^MXd,,G\r",
        "^MXd,1200,X\r",
        "^MXd,1200,g\r",
        "^MXd,1200\r",
        "^MXd1200,G\r",
        "^MXd,1200,G,\r",
        "^MXd,1234567,G\r",
        "^MXd,-5,G\r",
        "^MXd,1200,G",  // cut short by the next command
        "^MXs,160\r",
        "^MXs,a,7\r",
        "^MXs,160,7,1\r",
        "^MXs160,7\r",
        // More digits than an int holds, within the longest body.
        "^MXd,0606666666666662,G\r",
        "^MXs,99999999999999,7\r",
    };
    for (const char* request : refused) {
        sim::PrinterState state;
        EXPECT_EQ(Replies(std::string(request) + "^ee\r", {}, &state), "01\r\n") << request;
        EXPECT_FALSE(state.media.calibration.has_value()) << request;
    }
    // One without an end for longer than any request is given up too.
    EXPECT_EQ(Replies("^MXd," + std::string(40, '1') + "^cu\r"), std::string(1, '\0'));
}

TEST(SimMediaCommands, CannotFeedWithTheCoverOpenOrPaperJammed) {
    for (const auto prepare : {+[](sim::PrinterState& s) { s.status.coverOpen = true; },
                               +[](sim::PrinterState& s) { s.status.paperJam = true; }}) {
        EXPECT_EQ(Replies("^MXd,1200,G\r^ee\r", prepare), "00\r\n");
    }
}

// The whole exchange over a real connection, as the calibration window makes it.
TEST(SimMediaCommands, AnswersOverTcp) {
    sim::Printer printer;
    sim::Server server(printer);
    ASSERT_TRUE(server.ListenTcp()) << server.LastError();
    ASSERT_TRUE(server.Start());
    TestClient client = TestClient::ConnectTcp(server.TcpPort());
    ASSERT_TRUE(client.IsOpen());
    ASSERT_TRUE(client.Send("^MXd,1200,G\r"));
    const std::string reply = client.Receive(64, 2000);
    ASSERT_EQ(reply.size(), 64u);
    const Counts counts = Decode(reply);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 1200);
    ASSERT_TRUE(client.Send("^MXs,160,7\r"));
    ASSERT_TRUE(client.Send("^ee\r"));
    EXPECT_EQ(client.Receive(4, 2000), "00\r\n");
    ASSERT_TRUE(printer.Snapshot().media.calibration.has_value());
    EXPECT_EQ(printer.Snapshot().media.calibration->middleValue, 160);
}

}  // namespace
