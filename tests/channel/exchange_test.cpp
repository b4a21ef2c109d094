// The server in the test process and the converter stand-in as a real second process.
#include "ClientProcess.h"
#include "ServerHarness.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Sends, retrying while the client has not yet taken the previous message.
bool SendPatiently(unsigned slot, const std::string& text) {
  const auto start = Clock::now();
  while (!Icp_SendServer(slot, text.c_str())) {
    if (MillisecondsSince(start) > 10000) return false;
    Sleep(1);
  }
  return true;
}

TEST(ChannelExchange, ServerSendWhileTheClientHasNotReadIsRefused) {
  ServerHarness server(2);
  server.StartLoop();
  ASSERT_TRUE(Icp_SendServer(1, "first"));
  EXPECT_FALSE(Icp_SendServer(1, "second"));

  ClientProcess client(1, "echo");
  ASSERT_TRUE(server.WaitFor(1));
  Icp_ReleaseServer();
  ASSERT_EQ(client.Wait(), 0);
  EXPECT_EQ(client.Log(), (Lines{"offset 1", "msg 5 first", "close 0", "loop 1"}));
  EXPECT_EQ(server.Deliveries(), (std::vector<Delivery>{{1, "first", 5}}));
}

TEST(ChannelExchange, ClientSendWhileTheServerHasNotReadIsRefused) {
  ServerHarness server(2);
  ClientProcess client(1, "send", {"first", "second"});
  ASSERT_EQ(client.Wait(), 0);
  EXPECT_EQ(client.Log(), (Lines{"offset 1", "send 1", "send 0"}));

  server.StartLoop();
  ASSERT_TRUE(server.WaitFor(1));
  Sleep(200);
  EXPECT_EQ(server.Deliveries(), (std::vector<Delivery>{{1, "first", 5}}));
}

TEST(ChannelExchange, TooLongClientTextIsRefusedAndTheMailboxStaysUsable) {
  ServerHarness server(1);
  ClientProcess client(0, "send", {std::string(1024, 'y'), "after"});
  ASSERT_EQ(client.Wait(), 0);
  EXPECT_EQ(client.Log(), (Lines{"offset 1", "send 0", "send 1"}));

  server.StartLoop();
  ASSERT_TRUE(server.WaitFor(1));
  EXPECT_EQ(server.Deliveries(), (std::vector<Delivery>{{0, "after", 5}}));
}

TEST(ChannelExchange, WaitingMessagesAreServedLowestSlotFirst) {
  ServerHarness server(6);
  ClientProcess five(5, "send", {"from five"});
  ClientProcess two(2, "send", {"from two"});
  ASSERT_EQ(five.Wait(), 0);
  ASSERT_EQ(two.Wait(), 0);

  server.StartLoop();
  ASSERT_TRUE(server.WaitFor(2));
  EXPECT_EQ(server.Deliveries(),
            (std::vector<Delivery>{{2, "from two", 8}, {5, "from five", 9}}));
}

TEST(ChannelExchange, TextsTravelWholeInBothDirections) {
  std::string longest(1023, '\0');
  for (std::size_t i = 0; i < longest.size(); ++i) longest[i] = static_cast<char>('a' + i % 26);
  const std::string texts[] = {
      longest,
      "",
      "ab",  // right after the longest: no bytes of it may linger
      "转换成功 报告.pdf",  // GBK bytes pass unchanged
  };
  ServerHarness server(2);
  server.StartLoop();
  ClientProcess client(1, "echo");

  Lines expectedLog{"offset 1"};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const std::string& text = texts[i];
    SCOPED_TRACE(text.size());
    ASSERT_TRUE(SendPatiently(1, text));
    ASSERT_TRUE(server.WaitFor(i + 1));
    EXPECT_EQ(server.Deliveries()[i], (Delivery{1, text, static_cast<int>(text.size())}));
    expectedLog.push_back("msg " + std::to_string(text.size()) + " " + text);
  }
  Icp_ReleaseServer();
  ASSERT_EQ(client.Wait(), 0);
  expectedLog.insert(expectedLog.end(), {"close 0", "loop 1"});
  EXPECT_EQ(client.Log(), expectedLog);
}

TEST(ChannelExchange, ReleaseEndsTheServerLoopAndTellsTheClientOnce) {
  ServerHarness server(2);
  server.StartLoop();
  ClientProcess client(1, "echo");
  ASSERT_TRUE(Icp_SendServer(1, "ping"));
  ASSERT_TRUE(server.WaitFor(1));  // the echo shows that both loops are waiting now

  const auto start = Clock::now();
  Icp_ReleaseServer();
  server.JoinLoop();
  EXPECT_LT(MillisecondsSince(start), 3000);
  ASSERT_EQ(client.Wait(), 0);
  EXPECT_EQ(client.Log(), (Lines{"offset 1", "msg 4 ping", "close 0", "loop 1"}));
}

TEST(ChannelExchange, ClientOnASlotTheServerNeverMadeCannotMapOrSend) {
  ServerHarness server(3);
  ClientProcess client(7, "send", {"x"});
  ASSERT_EQ(client.Wait(), 0);
  EXPECT_EQ(client.Log(), (Lines{"offset 0", "send 0"}));
}

}  // namespace
