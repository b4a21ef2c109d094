// Maps a file's full path to the row that lists it, so that a converter reply, which names the
// input file, finds its row. Paths are compared as exact byte strings. The rows belong to their
// list control; the registry only refers to them, so `Row` is whatever type the lists use.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>

#include "CriticalSection.h"

template <class Row>
class FileRegistry {
 public:
  // The row listed under the path, or null.
  Row* Find(const std::string& path) const {
    std::lock_guard<CriticalSection> hold(m_lock);
    const auto it = m_rows.find(path);
    return it == m_rows.end() ? nullptr : it->second;
  }

  // False, and nothing changes, when the path is already listed.
  bool Insert(const std::string& path, Row* row) {
    std::lock_guard<CriticalSection> hold(m_lock);
    return m_rows.emplace(path, row).second;
  }

  bool Erase(const std::string& path) {
    std::lock_guard<CriticalSection> hold(m_lock);
    return m_rows.erase(path) > 0;
  }

  void Clear() {
    std::lock_guard<CriticalSection> hold(m_lock);
    m_rows.clear();
  }

  size_t Size() const {
    std::lock_guard<CriticalSection> hold(m_lock);
    return m_rows.size();
  }

 private:
  mutable CriticalSection m_lock;
  std::map<std::string, Row*> m_rows;
};
