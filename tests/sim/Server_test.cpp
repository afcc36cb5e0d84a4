#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "TestClient.h"
#include "sim/Printer.h"
#include "sim/Server.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kQuery = "^PI0\r\n";
const std::string kReply = "QX-M43\r\n";
constexpr int kWaitMs = 2000;  // generous upper bound; only a failing test ever waits this long

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kWaitMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

class SimServer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.ListenTcp()) << server.LastError();
        ASSERT_NE(server.TcpPort(), 0);
        ASSERT_TRUE(server.Start());
    }

    TestClient Connect() {
        TestClient client = TestClient::ConnectTcp(server.TcpPort());
        EXPECT_TRUE(client.IsOpen());
        return client;
    }

    sim::Printer printer;
    sim::Server server{printer};
};

TEST_F(SimServer, AnswersTheModelQueryAndRecordsIt) {
    TestClient client = Connect();
    ASSERT_TRUE(client.Send(kQuery));
    EXPECT_EQ(client.Receive(kReply.size(), kWaitMs), kReply);
    EXPECT_EQ(printer.Received(), kQuery);
}

TEST_F(SimServer, KeepsAPendingCommandPerClient) {
    TestClient first = Connect();
    TestClient second = Connect();
    ASSERT_TRUE(first.Send("^P"));
    ASSERT_TRUE(WaitUntil([&] { return printer.Received() == "^P"; }));
    ASSERT_TRUE(second.Send("^PI0"));
    EXPECT_EQ(second.Receive(kReply.size(), kWaitMs), kReply);
    ASSERT_TRUE(first.Send("I0"));
    EXPECT_EQ(first.Receive(kReply.size(), kWaitMs), kReply);
    EXPECT_EQ(second.Receive(1, 50), "");
}

TEST_F(SimServer, OutlivesClientsThatVanish) {
    sim::Misbehaviour late;
    late.lateMs = 30;  // the replies are due after their clients have gone
    server.SetMisbehaviour(late);
    for (int i = 0; i < 3; ++i) {
        TestClient gone = Connect();
        ASSERT_TRUE(gone.Send(kQuery + kQuery));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    TestClient client = Connect();
    ASSERT_TRUE(client.Send(kQuery));
    EXPECT_EQ(client.Receive(kReply.size(), kWaitMs), kReply);
}

struct Behaviour {
    const char* name;
    sim::Misbehaviour misbehaviour;
    bool replies = false;
    bool garbled = false;
};

void PrintTo(const Behaviour& behaviour, std::ostream* out) {
    *out << behaviour.name;
}

class SimServerMisbehaving : public SimServer, public testing::WithParamInterface<Behaviour> {};

TEST_P(SimServerMisbehaving, ShapesTheReply) {
    const Behaviour& behaviour = GetParam();
    server.SetMisbehaviour(behaviour.misbehaviour);
    TestClient client = Connect();
    const Clock::time_point sent = Clock::now();
    ASSERT_TRUE(client.Send(kQuery));
    const std::string reply = client.Receive(
        kReply.size(), behaviour.replies ? kWaitMs + behaviour.misbehaviour.lateMs : 300);
    const auto elapsed = Clock::now() - sent;
    EXPECT_EQ(printer.Received(), kQuery);
    if (!behaviour.replies) {
        EXPECT_EQ(reply, "");
        return;
    }
    ASSERT_EQ(reply.size(), kReply.size());
    EXPECT_GE(elapsed, std::chrono::milliseconds(behaviour.misbehaviour.lateMs));
    if (behaviour.garbled) {
        EXPECT_EQ(reply.find('\0'), std::string::npos);
        EXPECT_EQ(reply.find_first_of("\r\n"), std::string::npos);
    } else {
        EXPECT_EQ(reply, kReply);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SimServerMisbehaving,
    testing::Values(
        Behaviour{.name = "Silent", .misbehaviour = {.silent = true}},
        Behaviour{.name = "SilentEvenWhenLate", .misbehaviour = {.silent = true, .lateMs = 50}},
        Behaviour{.name = "Late", .misbehaviour = {.lateMs = 150}, .replies = true},
        Behaviour{
            .name = "Garbage", .misbehaviour = {.garbage = true}, .replies = true, .garbled = true},
        Behaviour{.name = "LateGarbage",
                  .misbehaviour = {.lateMs = 80, .garbage = true},
                  .replies = true,
                  .garbled = true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SimServer, LateRepliesKeepTheirOrderWhenTheDelayShrinks) {
    server.SetMisbehaviour({.lateMs = 150});
    TestClient client = Connect();
    ASSERT_TRUE(client.Send("^PI0"));
    ASSERT_TRUE(WaitUntil([&] { return printer.Received() == "^PI0"; }));
    server.SetMisbehaviour({});
    printer.SetModelName("KV-510");
    ASSERT_TRUE(client.Send("^PI0"));
    EXPECT_EQ(client.Receive(16, kWaitMs), kReply + "KV-510\r\n");
}

TEST_F(SimServer, DropsAClientAfterExactlyTheGivenBytes) {
    server.SetMisbehaviour({.dropAfterBytes = 10});
    TestClient client = Connect();
    ASSERT_TRUE(client.Send(kQuery));
    EXPECT_EQ(client.Receive(kReply.size(), kWaitMs), kReply);
    // The client goes on writing into the closed connection: the failure must reach it as an
    // error, not as a signal that ends the process.
    const std::string more(1000, 'x');
    EXPECT_TRUE(WaitUntil([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return !client.Send(more);
    }));
    EXPECT_TRUE(client.WaitClosed(kWaitMs));
    EXPECT_EQ(printer.Received(), kQuery + "xxxx");

    server.SetMisbehaviour({});
    TestClient next = Connect();
    ASSERT_TRUE(next.Send(kQuery));
    EXPECT_EQ(next.Receive(kReply.size(), kWaitMs), kReply);
}

TEST_F(SimServer, DropsAtOnceWhenTheLimitIsAlreadyReached) {
    TestClient earlier = Connect();
    ASSERT_TRUE(earlier.Send(kQuery));
    EXPECT_EQ(earlier.Receive(kReply.size(), kWaitMs), kReply);
    server.SetMisbehaviour({.dropAfterBytes = 0});
    EXPECT_TRUE(earlier.WaitClosed(kWaitMs));
    TestClient later = Connect();
    EXPECT_TRUE(later.WaitClosed(kWaitMs));
    EXPECT_EQ(printer.Received(), kQuery);
}

TEST_F(SimServer, DiesWithEveryConnectionAndTheListenerAndCanBeStartedAgain) {
    TestClient bystander = Connect();
    server.SetMisbehaviour({.dieAfterBytes = 8});
    TestClient client = Connect();
    ASSERT_TRUE(client.Send(kQuery + kQuery));
    EXPECT_TRUE(client.WaitClosed(kWaitMs));
    EXPECT_TRUE(bystander.WaitClosed(kWaitMs));
    EXPECT_FALSE(TestClient::ConnectTcp(server.TcpPort()).IsOpen()) << "still listening";
    // The first query was complete before the printer died; its reply may or may not have left.
    EXPECT_EQ(printer.Received(), kQuery + "^P");

    const std::uint16_t port = server.TcpPort();
    server.Stop();
    server.SetMisbehaviour({});
    ASSERT_TRUE(server.ListenTcp(port)) << server.LastError();
    ASSERT_TRUE(server.Start());
    TestClient again = Connect();
    ASSERT_TRUE(again.Send(kQuery));
    EXPECT_EQ(again.Receive(kReply.size(), kWaitMs), kReply);
}

TEST(SimServerSetup, ReportsATakenPort) {
    sim::Printer printer;
    sim::Server first(printer);
    ASSERT_TRUE(first.ListenTcp());
    sim::Server second(printer);
    EXPECT_FALSE(second.ListenTcp(first.TcpPort()));
    EXPECT_NE(second.LastError().find(std::to_string(first.TcpPort())), std::string::npos)
        << second.LastError();
}

class SimServerTerminal : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.OpenPty()) << server.LastError();
        ASSERT_EQ(server.PtyPath().rfind("/dev/pts/", 0), 0u) << server.PtyPath();
        ASSERT_TRUE(server.Start());
    }

    sim::Printer printer{"QX-R25"};
    sim::Server server{printer};
};

TEST_F(SimServerTerminal, AnswersWithoutEchoAndSurvivesItsClients) {
    for (int session = 0; session < 2; ++session) {
        TestClient client = TestClient::OpenTerminal(server.PtyPath());
        ASSERT_TRUE(client.IsOpen());
        ASSERT_TRUE(client.Send("^PI"));
        ASSERT_TRUE(client.Send("0\r\n"));
        // Exactly the reply: a CR turned into LF, or an echo, would show up here.
        EXPECT_EQ(client.Receive(8, kWaitMs), "QX-R25\r\n");
        EXPECT_EQ(client.Receive(1, 50), "");
    }
    EXPECT_EQ(printer.Received(), "^PI0\r\n^PI0\r\n");
    EXPECT_TRUE(server.PtyOpen());
}

TEST_F(SimServerTerminal, DropClosesTheTerminal) {
    server.SetMisbehaviour({.dropAfterBytes = 5});
    TestClient client = TestClient::OpenTerminal(server.PtyPath());
    ASSERT_TRUE(client.IsOpen());
    ASSERT_TRUE(client.Send(kQuery + kQuery));
    EXPECT_TRUE(WaitUntil([&] { return !server.PtyOpen(); }));
    EXPECT_TRUE(client.WaitClosed(kWaitMs));
    EXPECT_EQ(printer.Received(), "^PI0\r");
}

}  // namespace
