// One owned reference to a COM object, released when its holder goes.
#pragma once

#include <unknwn.h>

template <class T>
class CComRef {
 public:
  CComRef() = default;
  // Takes over a reference the caller holds.
  explicit CComRef(T* adopted) : m_p(adopted) {}
  ~CComRef() { Reset(); }
  CComRef(CComRef&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
  CComRef& operator=(CComRef&& other) noexcept {
    if (this != &other) {
      Reset();
      m_p = other.m_p;
      other.m_p = nullptr;
    }
    return *this;
  }
  CComRef(const CComRef&) = delete;
  CComRef& operator=(const CComRef&) = delete;

  T* Get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }
  // For functions that hand out a new reference through an out parameter.
  T** Receive() {
    Reset();
    return &m_p;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  void Reset() {
    if (m_p) m_p->Release();
    m_p = nullptr;
  }

 private:
  T* m_p = nullptr;
};
