#include "HandOffQueue.h"

#include "ControlRegistry.h"

bool CHandOffQueue::Push(const void* control, Task task) {
  uint64_t serial = 0;
  if (control) {
    serial = LiveControlSerial(control);
    if (!serial) return false;
  }
  std::lock_guard<std::mutex> hold(m_lock);
  m_entries.push_back({control, serial, std::move(task)});
  return true;
}

size_t CHandOffQueue::RunPending() {
  std::deque<Entry> batch;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    batch.swap(m_entries);
  }
  // The lock is not held while tasks run: a task may queue more work or touch other threads.
  size_t ran = 0;
  for (Entry& e : batch) {
    if (e.control && LiveControlSerial(e.control) != e.serial) continue;
    e.task();
    ++ran;
  }
  return ran;
}

void CHandOffQueue::Clear() {
  std::lock_guard<std::mutex> hold(m_lock);
  m_entries.clear();
}

bool CHandOffQueue::IsEmpty() const {
  std::lock_guard<std::mutex> hold(m_lock);
  return m_entries.empty();
}
