// The bookkeeping of one conversion family: which files are listed, the tag of the next row,
// and how many jobs of the current start are still out.
#pragma once

#include <atomic>

#include "FileRegistry.h"

// The tag of the next row. It wraps well before the 32-bit limit, and starts again at 0 when
// the list becomes empty. Used by the UI thread only.
class ItemCounter {
 public:
  static constexpr int kWrap = 2100000000;

  explicit ItemCounter(int start = 0) : m_value(start) {}
  int Value() const { return m_value; }
  void Advance() { m_value = m_value + 1 >= kWrap ? 0 : m_value + 1; }
  void Reset() { m_value = 0; }

 private:
  int m_value;
};

template <class Row>
struct FamilyBook {
  FileRegistry<Row> registry;
  ItemCounter itemCounter;
  // Raised by the UI thread for each queued job and lowered by the response worker for each
  // result, so both are atomic: neither change may lose the other.
  std::atomic<int> PendingCount{0};
  std::atomic<bool> BusyFlag{false};

  // A start makes the family busy with no job out yet.
  void BeginStart() {
    PendingCount = 0;
    BusyFlag = true;
  }

  // Counted before the job's command is queued, so its result never arrives first.
  void AddJob() { ++PendingCount; }

  // The end of a start that queued nothing: the family is idle again. True in that case.
  bool EndStartIfNothingQueued() {
    if (PendingCount.load() > 0) return false;
    PendingCount = 0;
    BusyFlag = false;
    return true;
  }

  // A job's result arrived. True when it was the last one out: the family is idle again.
  bool FinishJob() {
    if (--PendingCount > 0) return false;
    PendingCount = 0;
    BusyFlag = false;
    return true;
  }
};
