// The server half in the test process, checked against the slots' kernel objects by name.
#include "RawSlot.h"
#include "ServerHarness.h"
#include "VarlinkClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST(ChannelServer, CreatesAtMostSixtySlots) {
  struct Case {
    int asked;
    int made;
  };
  for (const Case& c : {Case{100, 60}, Case{60, 60}, Case{11, 11}, Case{1, 1}, Case{0, 0},
                        Case{-3, 0}}) {
    SCOPED_TRACE(c.asked);
    ServerHarness server(c.asked);
    EXPECT_EQ(server.created(), c.made);
    EXPECT_EQ(RawSlot(c.made - 1).opened(), c.made > 0);
    EXPECT_FALSE(RawSlot(c.made).opened());
    EXPECT_THROW(Icp_OffsetServer(c.made, 0), std::out_of_range);
  }
}

TEST(ChannelServer, ReceiveLoopWithoutSlotsReturnsAtOnce) {
  ServerHarness server(0);
  const auto start = Clock::now();
  Icp_MultRecvServer();
  EXPECT_LT(MillisecondsSince(start), 500);
}

TEST(ChannelServer, KernelObjectsAreNamedAfterTheSlotNumber) {
  ServerHarness server(11);
  for (int slot : {0, 3, 10}) EXPECT_TRUE(RawSlot(slot).opened()) << slot;
  HANDLE close = OpenEventA(SYNCHRONIZE, FALSE, "IpcMemoryClose");
  EXPECT_NE(close, nullptr);
  if (close) CloseHandle(close);
}

TEST(ChannelServer, SlotNumbersBeyondTheTableRaiseOutOfRange) {
  ServerHarness server(11);
  const std::function<void(unsigned)> operations[] = {
      [](unsigned slot) { Icp_SendServer(slot, "x"); },
      [](unsigned slot) { Icp_ClearBuffServer(slot); },
      [](unsigned slot) { Icp_RecvServer(slot); },
      [](unsigned slot) { Icp_OffsetServer(slot, 0); },
  };
  for (unsigned slot : {11u, 12u, 0xFFFFFFFFu}) {
    for (const auto& operation : operations) EXPECT_THROW(operation(slot), std::out_of_range) << slot;
  }
  EXPECT_TRUE(Icp_SendServer(10, "still served"));
}

TEST(ChannelServer, RefusedTextsLeaveTheMailboxAsItWas) {
  ServerHarness server(1);
  RawSlot raw(0);
  ASSERT_TRUE(raw.opened());
  const std::string tooLong(1024, 'y');

  EXPECT_FALSE(Icp_SendServer(0, tooLong.c_str()));
  EXPECT_FALSE(Icp_SendServer(0, nullptr));
  EXPECT_FALSE(IsSet(raw.writeEvent()));
  EXPECT_TRUE(HalfHolds(raw.serverHalf(), ""));

  ASSERT_TRUE(Icp_SendServer(0, "first"));
  EXPECT_FALSE(Icp_SendServer(0, tooLong.c_str()));
  EXPECT_FALSE(Icp_SendServer(0, "second"));
  EXPECT_TRUE(IsSet(raw.writeEvent()));
  EXPECT_TRUE(HalfHolds(raw.serverHalf(), "first"));
}

TEST(ChannelServer, ClearingNeverErasesAnUntakenMessage) {
  ServerHarness server(1);
  RawSlot raw(0);
  ASSERT_TRUE(Icp_SendServer(0, "unread"));
  EXPECT_FALSE(Icp_ClearBuffServer(0));
  EXPECT_TRUE(HalfHolds(raw.serverHalf(), "unread"));

  ResetEvent(raw.writeEvent());  // as the client does once it has read the message
  EXPECT_TRUE(Icp_ClearBuffServer(0));
  EXPECT_TRUE(HalfHolds(raw.serverHalf(), ""));
}

TEST(ChannelServer, RecvServerDeliversOneMessageAndFreesTheHalf) {
  ServerHarness server(2);
  RawSlot raw(1);
  std::strcpy(raw.clientHalf(), "once");
  SetEvent(raw.readEvent());
  EXPECT_EQ(Icp_RecvServer(1), 0);
  EXPECT_EQ(server.Deliveries(), (std::vector<Delivery>{{1, "once", 4}}));
  EXPECT_FALSE(IsSet(raw.readEvent()));
}

TEST(ChannelServer, WithoutACallbackMessagesAreDroppedAndTheHalfFreed) {
  ServerHarness server(1);
  Icp_InitServer(IcpServerCallback());
  RawSlot raw(0);
  SetEvent(raw.readEvent());
  EXPECT_NO_THROW(Icp_RecvServer(0));
  EXPECT_FALSE(IsSet(raw.readEvent()));

  server.StartLoop();
  SetEvent(raw.readEvent());
  const auto start = Clock::now();
  while (IsSet(raw.readEvent()) && MillisecondsSince(start) < 5000) Sleep(10);
  EXPECT_FALSE(IsSet(raw.readEvent()));
}

TEST(ChannelServer, AHalfWithoutTerminatorIsCutToTheLongestText) {
  ServerHarness server(1);
  RawSlot raw(0);
  std::memset(raw.clientHalf(), 'z', 1024);
  SetEvent(raw.readEvent());
  server.StartLoop();
  ASSERT_TRUE(server.WaitFor(1));
  EXPECT_EQ(server.Deliveries()[0], (Delivery{0, std::string(1023, 'z'), 1023}));
}

TEST(ChannelServer, ASlotWithoutEventsIsSkippedAndTheLoopStillWaits) {
  // Objects of another kind under the slot's event names make creating its events fail.
  HANDLE squatters[] = {CreateMutexA(nullptr, FALSE, "WEventOver1"),
                        CreateMutexA(nullptr, FALSE, "REventOver1")};
  {
    ServerHarness server(3);
    EXPECT_FALSE(Icp_SendServer(1, "x"));
    const auto start = Clock::now();
    EXPECT_EQ(Icp_RecvServer(1), 0);
    EXPECT_LT(MillisecondsSince(start), 500);

    server.StartLoop();
    EXPECT_LT(CpuMillisecondsWhileSleeping(1000), 50);

    RawSlot raw(2);
    std::strcpy(raw.clientHalf(), "two");
    SetEvent(raw.readEvent());
    ASSERT_TRUE(server.WaitFor(1));
    EXPECT_EQ(server.Deliveries()[0], (Delivery{2, "two", 3}));
  }
  for (HANDLE squatter : squatters) CloseHandle(squatter);
}

TEST(ChannelServer, SecondCreateReplacesTheSlotsInsteadOfAddingToThem) {
  ServerHarness server(5);
  ASSERT_TRUE(Icp_SendServer(0, "old"));
  server.StartLoop();
  EXPECT_EQ(Icp_CreateServer(3), 3);
  const auto start = Clock::now();
  server.JoinLoop();  // a loop over the replaced slots must not go on serving them
  EXPECT_LT(MillisecondsSince(start), 1000);
  EXPECT_THROW(Icp_SendServer(3, "x"), std::out_of_range);
  // The first set was closed, not kept open beside the second: its slot 4 is gone and slot 0
  // was made afresh, without the message left in it.
  EXPECT_FALSE(RawSlot(4).opened());
  RawSlot raw(0);
  ASSERT_TRUE(raw.opened());
  EXPECT_FALSE(IsSet(raw.writeEvent()));
  EXPECT_TRUE(HalfHolds(raw.serverHalf(), ""));
}

TEST(ChannelServer, ANewServerStartsWithEmptyMailboxes) {
  std::unique_ptr<RawSlot> lingering;  // a client of the old server that keeps the slot open
  {
    ServerHarness old(1);
    lingering = std::make_unique<RawSlot>(0);
    ASSERT_TRUE(lingering->opened());
    ASSERT_TRUE(Icp_SendServer(0, "stale order"));
    std::strcpy(lingering->clientHalf(), "stale answer");
    SetEvent(lingering->readEvent());
  }
  ServerHarness server(1);
  EXPECT_FALSE(IsSet(lingering->writeEvent()));
  EXPECT_FALSE(IsSet(lingering->readEvent()));
  EXPECT_TRUE(HalfHolds(lingering->clientHalf(), ""));
  EXPECT_TRUE(HalfHolds(lingering->serverHalf(), ""));
  EXPECT_TRUE(Icp_SendServer(0, "fresh"));
}

TEST(ChannelServer, AfterReleaseOnlyANewInitStartsTheLoopAgain) {
  { ServerHarness first(2); }
  EXPECT_THROW(Icp_SendServer(0, "x"), std::out_of_range);
  EXPECT_TRUE(Icp_CloseAllServer());

  ASSERT_EQ(Icp_CreateServer(2), 2);  // slots, but no Init since the release
  const auto start = Clock::now();
  Icp_MultRecvServer();
  EXPECT_LT(MillisecondsSince(start), 500);

  ServerHarness second(2);
  second.StartLoop();
  RawSlot raw(1);
  std::strcpy(raw.clientHalf(), "again");
  SetEvent(raw.readEvent());
  ASSERT_TRUE(second.WaitFor(1));
  EXPECT_EQ(second.Deliveries()[0], (Delivery{1, "again", 5}));
}

TEST(ChannelServer, BothErrorExportsReportTheThreadsLastError) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Icp_GetErrorServer(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(Icp_GetErrorClient(), static_cast<unsigned long>(ERROR_ACCESS_DENIED));
}

}  // namespace
