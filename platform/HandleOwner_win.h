// The one owner of a kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
#pragma once

#include <windows.h>

class HandleOwner {
 public:
  explicit HandleOwner(HANDLE handle) : m_handle(handle) {}
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  ~HandleOwner() {
    if (valid()) CloseHandle(m_handle);
  }
  bool valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};
