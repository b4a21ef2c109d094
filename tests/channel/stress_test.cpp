// Ten converter stand-ins at full speed against one server.
#include "ClientProcess.h"
#include "ServerHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <memory>

namespace {

constexpr int kClients = 10;
constexpr int kMessages = 1000;

// Checks what each slot receives and queues the same text back as the answer.
struct Exchange {
  std::mutex lock;
  int lastNumber[kClients + 1] = {};
  int outOfOrder = 0;
  std::deque<std::string> answers[kClients + 1];
};

// Sends each slot's queued answers, retrying a slot whose client has not yet read the previous
// one, without holding up the other slots.
void AnswerUntil(const std::shared_ptr<Exchange>& exchange, const std::atomic<bool>& stop) {
  while (!stop) {
    bool sent = false;
    for (int slot = 1; slot <= kClients; ++slot) {
      std::string answer;
      {
        std::lock_guard<std::mutex> lock(exchange->lock);
        if (exchange->answers[slot].empty()) continue;
        answer = exchange->answers[slot].front();
      }
      if (!Icp_SendServer(slot, answer.c_str())) continue;
      std::lock_guard<std::mutex> lock(exchange->lock);
      exchange->answers[slot].pop_front();
      sent = true;
    }
    if (!sent) SwitchToThread();
  }
}

TEST(ChannelStress, TenClientsExchangeAThousandNumberedMessagesEach) {
  const auto exchange = std::make_shared<Exchange>();
  Icp_InitServer([exchange](int slot, const char* text, int) {
    std::lock_guard<std::mutex> lock(exchange->lock);
    if (slot < 1 || slot > kClients || std::atoi(text) != exchange->lastNumber[slot] + 1) {
      ++exchange->outOfOrder;
      return;
    }
    exchange->lastNumber[slot] += 1;
    exchange->answers[slot].push_back(text);
  });
  ASSERT_EQ(Icp_CreateServer(kClients + 1), kClients + 1);
  std::thread receiver([] { Icp_MultRecvServer(); });
  std::atomic<bool> stop{false};
  std::thread answerer([&] { AnswerUntil(exchange, stop); });

  std::vector<std::unique_ptr<ClientProcess>> clients;
  for (int slot = 1; slot <= kClients; ++slot) {
    clients.push_back(std::make_unique<ClientProcess>(slot, "stress",
                                                      std::vector<std::string>{std::to_string(kMessages)}));
  }
  for (int slot = 1; slot <= kClients; ++slot) {
    ClientProcess& client = *clients[slot - 1];
    EXPECT_EQ(client.Wait(180000), 0) << "slot " << slot;
    const auto log = client.Log();
    EXPECT_FALSE(log.empty()) << "slot " << slot;
    if (!log.empty()) {
      EXPECT_EQ(log.back(), "replies 1000 errors 0 unsent 0") << "slot " << slot;
    }
  }

  stop = true;
  answerer.join();
  Icp_ReleaseServer();
  receiver.join();
  std::lock_guard<std::mutex> lock(exchange->lock);
  EXPECT_EQ(exchange->outOfOrder, 0);
  for (int slot = 1; slot <= kClients; ++slot) {
    EXPECT_EQ(exchange->lastNumber[slot], kMessages) << "slot " << slot;
  }
}

}  // namespace
