#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rfid/RfidProtocol.h"
#include "support/TestRig.h"

namespace {

const QByteArray kCommand = ">RFR,H,4,12,S\r";

// Records, with every pause, how far the exchange on the link had come.
class OrderPacer : public Pacer {
public:
    struct Step {
        int milliseconds;
        std::size_t writes;
        std::size_t reads;
        int discards;
        bool operator==(const Step&) const = default;
    };
    explicit OrderPacer(const FakeLink& link) : link_(link) {}
    void Pause(int milliseconds) override {
        steps.push_back(
            {milliseconds, link_.writes.size(), link_.readSizes.size(), link_.discards});
    }
    void KeepPainted() override {}
    std::vector<Step> steps;

private:
    const FakeLink& link_;
};

TEST(RfidProtocol, ReadTagReceivesAsEachPortKindDelivers) {
    const QByteArray hex128 = QByteArray("0123456789ABCDEF").repeated(8);
    const struct {
        const char* port;
        QByteArray reply;
        int expected;
        std::vector<int> readSizes;
        int slotPauses;
        int count;
    } cases[] = {
        // USB: whole 16-byte slots with a pause after each, then one more for the rest.
        {"USB", hex128.left(24), 24, {16, 16}, 1, 24},
        {"USB", hex128.left(32), 32, {16, 16}, 2, 32},
        {"USB", hex128.left(4), 4, {16}, 0, 4},
        // Only the last slot stays empty: what arrived still counts.
        {"USB", hex128.left(16), 24, {16, 16, 16, 16}, 1, 16},
        // Ethernet: at most 32 bytes a read, read on until all is in or a read brings nothing.
        {"ETHERNET", hex128, 128, {32, 32, 32, 32}, 0, 128},
        {"ETHERNET", hex128.left(40), 128, {32, 32, 32}, 0, 40},
        {"ETHERNET", hex128.left(24), 24, {32}, 0, 24},
        // Serial and parallel: one read of the whole answer.
        {"COM1:", hex128.left(24), 24, {24}, 0, 24},
        {"LPT1:", hex128.left(2), 2, {2}, 0, 2},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.Answer(kCommand, c.reply);
        RfidProtocol protocol(rig.port, rig.pacer);
        const RfidProtocol::Reply reply = protocol.ReadTag(kCommand, c.expected);
        const auto what = QStringLiteral("%1 %2 of %3")
                              .arg(QLatin1String(c.port))
                              .arg(c.reply.size())
                              .arg(c.expected)
                              .toStdString();
        EXPECT_EQ(rig.link.writes, std::vector<QByteArray>{kCommand}) << what;
        EXPECT_EQ(rig.link.readSizes, c.readSizes) << what;
        EXPECT_EQ(std::count(rig.pacer.pauses.begin(), rig.pacer.pauses.end(),
                             RfidProtocol::kUsbSlotPauseMs),
                  c.slotPauses)
            << what;
        EXPECT_EQ(reply.count, c.count) << what;
        ASSERT_EQ(reply.text.size(), RfidProtocol::kTagBufferLength) << what;
        EXPECT_EQ(reply.text.left(c.count), c.reply) << what;
        EXPECT_EQ(reply.text.mid(c.count), QByteArray(reply.text.size() - c.count, '\0')) << what;
    }
}

TEST(RfidProtocol, ReadTagDropsStaleInputThenWaitsForTheEncoderBeforeReading) {
    for (const char* port : {"COM1:", "ETHERNET"}) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(port));
        rig.link.Answer(kCommand, "AB");
        OrderPacer pacer(rig.link);
        RfidProtocol protocol(rig.port, pacer);
        protocol.ReadTag(kCommand, 2);
        ASSERT_FALSE(pacer.steps.empty()) << port;
        EXPECT_EQ(pacer.steps.front(), (OrderPacer::Step{RfidProtocol::kReadWaitMs, 1, 0, 1}))
            << port;
    }
}

TEST(RfidProtocol, ASilentEncoderGivesNothing) {
    for (const char* port : {"COM1:", "USB", "ETHERNET"}) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(port));
        RfidProtocol protocol(rig.port, rig.pacer);
        const RfidProtocol::Reply reply = protocol.ReadTag(kCommand, 128);
        EXPECT_EQ(reply.count, 0) << port;
        EXPECT_EQ(reply.text, QByteArray(RfidProtocol::kTagBufferLength, '\0')) << port;
    }
}

}  // namespace
