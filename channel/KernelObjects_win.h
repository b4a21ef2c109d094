// Owners for the kernel objects the channel creates, and the few system calls around them.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

namespace varlink {

// Owns one kernel handle (event or file mapping) and closes it once.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
  UniqueHandle& operator=(UniqueHandle&& other) noexcept;
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

 private:
  void Close();
  HANDLE m_handle = nullptr;
};

// Owns one view of a slot's shared memory. It is mapped at most once and may be read by other
// threads while another maps it, so the address is published atomically.
class MappedView {
 public:
  MappedView() = default;
  ~MappedView();
  MappedView(MappedView&& other) noexcept : m_base(other.m_base.exchange(nullptr)) {}
  MappedView& operator=(MappedView&&) = delete;

  // Maps the whole slot with full access at the given offset, unless a view is already there.
  void Map(HANDLE mapping, DWORD offset);
  char* get() const { return m_base.load(std::memory_order_acquire); }

 private:
  std::atomic<char*> m_base{nullptr};
};

// A named manual-reset event, created non-signalled, or the existing one of that name.
UniqueHandle CreateOrOpenEvent(const std::string& name);
// A private event: manual-reset or auto-reset, non-signalled.
UniqueHandle MakePrivateEvent(bool manualReset);

}  // namespace varlink
