// Work handed from any thread to the UI thread. A task may be bound to a control: it then runs
// only if that very control still exists when the UI thread gets to it, and is dropped
// otherwise (the control was removed meanwhile, perhaps replaced by another at the same address).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

class CHandOffQueue {
 public:
  using Task = std::function<void()>;

  // Queues a task bound to `control` (null: bound to nothing, always runs). Answers false, and
  // drops the task, when the control is not alive at the time of the call.
  bool Push(const void* control, Task task);
  // Runs the queued tasks in order, each one only if its control is still alive; answers how
  // many ran. Call on the UI thread. Tasks queued while this runs wait for the next call.
  size_t RunPending();
  // Drops every queued task.
  void Clear();
  bool IsEmpty() const;

 private:
  struct Entry {
    const void* control;
    uint64_t serial;
    Task task;
  };
  mutable std::mutex m_lock;
  std::deque<Entry> m_entries;
};
