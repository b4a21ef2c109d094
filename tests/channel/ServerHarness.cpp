#include "ServerHarness.h"

#include <chrono>

ServerHarness::ServerHarness(int slots) {
  const std::shared_ptr<Inbox> inbox = m_inbox;
  m_callback = [inbox](int slot, const char* text, int length) {
    std::lock_guard<std::mutex> lock(inbox->lock);
    inbox->deliveries.push_back({slot, text, length});
    inbox->arrived.notify_all();
  };
  Icp_InitServer(m_callback);
  m_created = Icp_CreateServer(slots);
}

ServerHarness::~ServerHarness() {
  Icp_ReleaseServer();
  JoinLoop();
}

void ServerHarness::StartLoop() {
  m_loop = std::thread([] { Icp_MultRecvServer(); });
}

void ServerHarness::JoinLoop() {
  if (m_loop.joinable()) m_loop.join();
}

bool ServerHarness::WaitFor(std::size_t count, DWORD milliseconds) {
  std::unique_lock<std::mutex> lock(m_inbox->lock);
  return m_inbox->arrived.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                   [&] { return m_inbox->deliveries.size() >= count; });
}

std::vector<Delivery> ServerHarness::Deliveries() {
  std::lock_guard<std::mutex> lock(m_inbox->lock);
  return m_inbox->deliveries;
}

double CpuMillisecondsWhileSleeping(DWORD milliseconds) {
  const auto used = [] {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
      return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
  };
  const double before = used();
  Sleep(milliseconds);
  return used() - before;
}
