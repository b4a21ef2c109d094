// A lock for state shared between the UI thread and the pipeline's worker threads. It spins a
// while before it sleeps: the sections it guards are a few container operations long.
#pragma once

#include <memory>

class CriticalSection {
 public:
  static constexpr unsigned long kSpinCount = 4096;

  CriticalSection();
  ~CriticalSection();
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;

  // Named for std::lock_guard.
  void lock();
  void unlock();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
