// The real datagram sockets and digest of the Windows build: ports taken, datagrams between two sockets
// handed over through the event loop with their sender, only from the accepted address and never all
// at once, and MD5 as the robot's link computes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win32_digest.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_network.h"
#include "serverlink/server_link.h"
#include "tests/serverlink/md5_suite.h"

namespace wardo::platform::win32 {
namespace {

class Win32Sockets : public ::testing::Test {
protected:
    // Binds `socket` to the first free loopback port from a base of this process's own.
    int bindSomewhere(DatagramSocket& socket) {
        const int base = 40000 + static_cast<int>(GetCurrentProcessId() % 2000) * 10;
        for (int port = base; port < base + 200; ++port)
            if (socket.bind("127.0.0.1", port)) return port;
        return 0;
    }
    // Pumps the loop until `n` datagrams arrived, for `ms` at most.
    bool waitFor(std::size_t n, ULONGLONG ms = 5000) {
        const ULONGLONG start = GetTickCount64();
        while (received.size() < n && GetTickCount64() - start < ms) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            loop.doEvents();
        }
        return received.size() >= n;
    }

    Win32EventLoop loop;
    Win32Network network{loop};
    std::vector<Datagram> received;
};

TEST_F(Win32Sockets, APortTakenCannotBeBoundAgain) {
    auto first = network.openDatagramSocket(nullptr);
    auto second = network.openDatagramSocket(nullptr);
    const int port = bindSomewhere(*first);
    ASSERT_NE(port, 0);
    EXPECT_TRUE(first->isOpen());
    EXPECT_FALSE(second->bind("0.0.0.0", port));
    EXPECT_FALSE(second->isOpen());
    first->close();
    EXPECT_FALSE(first->isOpen());
    EXPECT_TRUE(second->bind("0.0.0.0", port));
}

TEST_F(Win32Sockets, DatagramsArriveThroughTheLoopWithTheirSenderByteForByte) {
    auto receiver = network.openDatagramSocket([this](Datagram d) { received.push_back(std::move(d)); });
    auto sender = network.openDatagramSocket(nullptr);
    const int to = bindSomewhere(*receiver);
    const int from = bindSomewhere(*sender);
    ASSERT_NE(to, 0);
    ASSERT_NE(from, 0);

    const std::string bytes("A\0\xFF##\xA3", 6);
    EXPECT_FALSE(sender->sendTo({"127.0.0.1", to}, bytes));
    EXPECT_FALSE(sender->sendTo({"127.0.0.1", to}, ""));
    ASSERT_TRUE(waitFor(2));
    EXPECT_EQ(received[0].bytes, bytes);
    EXPECT_EQ(received[0].from, (Endpoint{"127.0.0.1", from}));
    EXPECT_EQ(received[1].bytes, "");
}

TEST_F(Win32Sockets, AClosedSocketHandsNothingOver) {
    auto receiver = network.openDatagramSocket([this](Datagram d) { received.push_back(std::move(d)); });
    auto sender = network.openDatagramSocket(nullptr);
    const int to = bindSomewhere(*receiver);
    ASSERT_NE(bindSomewhere(*sender), 0);
    sender->sendTo({"127.0.0.1", to}, "one");
    ASSERT_TRUE(waitFor(1));
    sender->sendTo({"127.0.0.1", to}, "two");
    Sleep(100);  // let it reach the socket's queue before the socket goes
    receiver.reset();
    EXPECT_FALSE(waitFor(2, 500));
}

// Every datagram between two programs of this machine leaves from 127.0.0.1 under Wine: the accepted
// address is what changes here.
TEST_F(Win32Sockets, OnlyTheAcceptedAddressIsHandedOverWhateverThePort) {
    auto receiver = network.openDatagramSocket([this](Datagram d) { received.push_back(std::move(d)); });
    auto first = network.openDatagramSocket(nullptr);
    auto second = network.openDatagramSocket(nullptr);
    const int to = bindSomewhere(*receiver);
    const int one = bindSomewhere(*first), two = bindSomewhere(*second);
    ASSERT_TRUE(to != 0 && one != 0 && two != 0);

    receiver->acceptOnlyFrom("127.0.0.2");
    first->sendTo({"127.0.0.1", to}, "foreign");
    EXPECT_FALSE(waitFor(1, 300));
    receiver->acceptOnlyFrom("127.0.0.1");
    first->sendTo({"127.0.0.1", to}, "one");
    second->sendTo({"127.0.0.1", to}, "two");
    ASSERT_TRUE(waitFor(2));
    EXPECT_EQ(received[0].from, (Endpoint{"127.0.0.1", one}));
    EXPECT_EQ(received[0].bytes, "one");
    EXPECT_EQ(received[1].from, (Endpoint{"127.0.0.1", two}));
}

TEST_F(Win32Sockets, TimersRunBetweenTheDatagramsOfAFlood) {
    auto receiver = network.openDatagramSocket([this](Datagram d) { received.push_back(std::move(d)); });
    auto sender = network.openDatagramSocket(nullptr);
    const int to = bindSomewhere(*receiver);
    ASSERT_NE(bindSomewhere(*sender), 0);
    constexpr std::size_t kFlood = 100;
    for (std::size_t n = 0; n < kFlood; ++n) sender->sendTo({"127.0.0.1", to}, "flood");
    // How many datagrams had been handed over at each tick of a timer, as the program's timers run.
    std::vector<std::size_t> atTicks;
    const TimerId timer = loop.startTimer(10, [&] { atTicks.push_back(received.size()); });
    EXPECT_TRUE(waitFor(kFlood));
    loop.stopTimer(timer);
    EXPECT_TRUE(
        std::any_of(atTicks.begin(), atTicks.end(), [](std::size_t n) { return n > 0 && n < kFlood; }));
}

TEST_F(Win32Sockets, AnAddressThatIsNoAddressIsARefusedSend) {
    auto sender = network.openDatagramSocket(nullptr);
    ASSERT_NE(bindSomewhere(*sender), 0);
    const auto error = sender->sendTo({"serveur.exemple", 190}, "x");
    ASSERT_TRUE(error);
    EXPECT_NE(error->code, 0);
    EXPECT_FALSE(error->description.empty());
}

TEST(Win32Md5, Md5TexteGivesTheDigestsOfTheRfc1321Suite) {
    Win32Digest digest;
    for (const auto& [input, expected] : serverlink::testing::kRfc1321Suite)
        EXPECT_EQ(serverlink::Md5Texte(digest, text::widen(input)), text::widen(expected)) << input;
}

}  // namespace
}  // namespace wardo::platform::win32
