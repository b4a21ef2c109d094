// A server for the tests: installs a callback that records every message, makes the slots and
// runs the receive loop on a thread; released and joined when it goes.
#pragma once

#include "VarlinkServer.h"

#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

struct Delivery {
  int slot;
  std::string text;
  int length;
  bool operator==(const Delivery& other) const {
    return slot == other.slot && text == other.text && length == other.length;
  }
  friend void PrintTo(const Delivery& d, std::ostream* out) {
    *out << "{slot " << d.slot << ", length " << d.length << ", \"" << d.text << "\"}";
  }
};

// Outlives the harness: the library keeps its copy of the callback after a release.
struct Inbox {
  std::mutex lock;
  std::condition_variable arrived;
  std::vector<Delivery> deliveries;
};

class ServerHarness {
 public:
  explicit ServerHarness(int slots);
  ~ServerHarness();
  ServerHarness(const ServerHarness&) = delete;
  ServerHarness& operator=(const ServerHarness&) = delete;

  int created() const { return m_created; }
  const IcpServerCallback& callback() const { return m_callback; }
  void StartLoop();
  // Blocks until the receive loop has returned (at once when it was never started).
  void JoinLoop();
  // Waits until at least count messages have arrived; false when they did not in time.
  bool WaitFor(std::size_t count, DWORD milliseconds = 10000);
  std::vector<Delivery> Deliveries();

 private:
  std::shared_ptr<Inbox> m_inbox = std::make_shared<Inbox>();
  IcpServerCallback m_callback;
  int m_created = 0;
  std::thread m_loop;
};

// Sleeps for the time and returns the processor time this process used meanwhile. A loop that
// waits costs next to nothing; one that spins on failing or instant waits costs a fifth or more
// of the time here, even though Wine does most of the work of each call in its server.
double CpuMillisecondsWhileSleeping(DWORD milliseconds);
