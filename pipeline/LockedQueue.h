// A first-in first-out queue with a lock of its own, for texts and slot numbers handed between
// threads. Every operation takes the lock for one container operation and never calls out.
#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <utility>

#include "CriticalSection.h"

template <class T>
class LockedQueue {
 public:
  void Push(T item) {
    std::lock_guard<CriticalSection> hold(m_lock);
    m_items.push_back(std::move(item));
  }

  // Copies the front item and leaves it queued; false when the queue is empty. With a single
  // consumer the copied item is still the front when that consumer calls PopFront later.
  [[nodiscard]] bool CopyFront(T& out) const {
    std::lock_guard<CriticalSection> hold(m_lock);
    if (m_items.empty()) return false;
    out = m_items.front();
    return true;
  }

  void PopFront() {
    std::lock_guard<CriticalSection> hold(m_lock);
    if (!m_items.empty()) m_items.pop_front();
  }

  // Moves the front item out and removes it; false when the queue is empty.
  [[nodiscard]] bool TakeFront(T& out) {
    std::lock_guard<CriticalSection> hold(m_lock);
    if (m_items.empty()) return false;
    out = std::move(m_items.front());
    m_items.pop_front();
    return true;
  }

  bool Empty() const {
    std::lock_guard<CriticalSection> hold(m_lock);
    return m_items.empty();
  }

  size_t Size() const {
    std::lock_guard<CriticalSection> hold(m_lock);
    return m_items.size();
  }

 private:
  mutable CriticalSection m_lock;
  std::deque<T> m_items;
};
