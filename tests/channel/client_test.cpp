// The client half driven from the test process itself, against the test's own server: the
// cases that need no second process, such as states and timing inside one client.
#include "RawSlot.h"
#include "ServerHarness.h"
#include "VarlinkClient.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
using Seen = std::vector<std::pair<std::string, int>>;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The client callback is a plain function, so what it sees goes to one process-wide record.
std::mutex g_lock;
std::condition_variable g_arrived;
Seen g_seen;

void __cdecl Record(const char* text, int length) {
  std::lock_guard<std::mutex> lock(g_lock);
  g_seen.emplace_back(text, length);
  g_arrived.notify_all();
}

Seen WaitSeen(std::size_t count, DWORD milliseconds = 5000) {
  std::unique_lock<std::mutex> lock(g_lock);
  g_arrived.wait_for(lock, std::chrono::milliseconds(milliseconds),
                     [&] { return g_seen.size() >= count; });
  return g_seen;
}

// Runs a client receive loop on a thread of its own.
class LoopThread {
 public:
  explicit LoopThread(int(__stdcall* loop)()) : m_thread([this, loop] { m_result = loop(); }) {}
  ~LoopThread() {
    if (m_thread.joinable()) m_thread.join();
  }
  int Join() {
    m_thread.join();
    return m_result;
  }

 private:
  std::atomic<int> m_result{-1};
  std::thread m_thread;
};

class ChannelClient : public ::testing::Test {
 protected:
  void SetUp() override {
    std::lock_guard<std::mutex> lock(g_lock);
    g_seen.clear();
  }
  void TearDown() override { Icp_ReleaseClient(); }

  static void Attach(int slot) {
    Icp_InitClient(Record);
    Icp_ConnectClient(slot);
    ASSERT_TRUE(Icp_OffsetClient(0));
  }
};

void ExpectInert() {
  const auto start = Clock::now();
  EXPECT_EQ(Icp_MultRecvClient(), 0);
  EXPECT_EQ(Icp_RecvClient(), 0);
  EXPECT_FALSE(Icp_OffsetClient(0));
  EXPECT_FALSE(Icp_SendClient("x"));
  EXPECT_FALSE(Icp_ClearBuffClient());
  EXPECT_FALSE(Icp_CloseClient());
  EXPECT_LT(MillisecondsSince(start), 500);
}

TEST_F(ChannelClient, DoesNothingBeforeConnectingAndAfterRelease) {
  ServerHarness server(1);
  {
    SCOPED_TRACE("never connected");
    Icp_ReleaseClient();
    ExpectInert();
  }
  Attach(0);
  ASSERT_TRUE(Icp_SendClient("x"));
  Icp_ReleaseClient();
  {
    SCOPED_TRACE("released");
    ExpectInert();
  }
  // Connected but not initialised since the release: the loops have no running flag.
  Icp_ConnectClient(0);
  const auto start = Clock::now();
  EXPECT_EQ(Icp_MultRecvClient(), 1);
  EXPECT_EQ(Icp_RecvClient(), 0);
  EXPECT_LT(MillisecondsSince(start), 500);
}

TEST_F(ChannelClient, ReceiveLoopWaitsQuietlyUntilTheViewIsMapped) {
  ServerHarness server(1);
  ASSERT_TRUE(Icp_SendServer(0, "early"));
  Icp_InitClient(Record);
  Icp_ConnectClient(0);
  LoopThread loop(Icp_MultRecvClient);

  EXPECT_LT(CpuMillisecondsWhileSleeping(1000), 50);
  EXPECT_TRUE(WaitSeen(0).empty());

  ASSERT_TRUE(Icp_OffsetClient(0));
  EXPECT_EQ(WaitSeen(1), (Seen{{"early", 5}}));

  const auto start = Clock::now();
  Icp_ReleaseClient();
  EXPECT_EQ(loop.Join(), 1);
  EXPECT_LT(MillisecondsSince(start), 3000);
}

TEST_F(ChannelClient, OnlyTheLoopWithCloseReportsTheServerClosing) {
  struct Case {
    const char* name;
    int(__stdcall* loop)();
    Seen expected;
    int result;
  };
  const Case cases[] = {
      {"Icp_MultRecvClient", Icp_MultRecvClient, {{"m", 1}, {"close", 0}}, 1},
      {"Icp_RecvClient", Icp_RecvClient, {{"m", 1}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ServerHarness server(1);
    Attach(0);
    LoopThread loop(c.loop);
    ASSERT_TRUE(Icp_SendServer(0, "m"));
    WaitSeen(1);
    Icp_CloseAllServer();
    EXPECT_EQ(WaitSeen(c.expected.size() + 1, 500), c.expected);
    Icp_ReleaseClient();
    EXPECT_EQ(loop.Join(), c.result);
  }
}

TEST_F(ChannelClient, CloseClientBlocksUntilTheServerSignalsClose) {
  ServerHarness server(1);
  Attach(0);
  std::atomic<int> closed{-1};
  std::thread waiter([&] { closed = Icp_CloseClient() ? 1 : 0; });
  Sleep(300);
  EXPECT_EQ(closed, -1);
  Icp_CloseAllServer();
  waiter.join();
  EXPECT_EQ(closed, 1);
}

TEST_F(ChannelClient, ClearingNeverErasesAnUntakenMessage) {
  ServerHarness server(1);
  RawSlot raw(0);
  Attach(0);
  ASSERT_TRUE(Icp_SendClient("unread"));
  EXPECT_FALSE(Icp_ClearBuffClient());
  EXPECT_TRUE(HalfHolds(raw.clientHalf(), "unread"));

  ResetEvent(raw.readEvent());  // as the server does once it has delivered the message
  EXPECT_TRUE(Icp_ClearBuffClient());
  EXPECT_TRUE(HalfHolds(raw.clientHalf(), ""));
}

TEST_F(ChannelClient, AHalfWithoutTerminatorIsCutToTheLongestText) {
  ServerHarness server(1);
  RawSlot raw(0);
  std::memset(raw.serverHalf(), 'q', 1024);
  SetEvent(raw.writeEvent());
  Attach(0);
  LoopThread loop(Icp_MultRecvClient);
  EXPECT_EQ(WaitSeen(1), (Seen{{std::string(1023, 'q'), 1023}}));
  Icp_ReleaseClient();
}

}  // namespace
