#include "KernelObjects_win.h"

#include "SlotLayout.h"

namespace varlink {

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
  if (this != &other) {
    Close();
    m_handle = other.m_handle;
    other.m_handle = nullptr;
  }
  return *this;
}

void UniqueHandle::Close() {
  if (m_handle) CloseHandle(m_handle);
  m_handle = nullptr;
}

MappedView::~MappedView() {
  if (char* base = m_base.load()) UnmapViewOfFile(base);
}

void MappedView::Map(HANDLE mapping, DWORD offset) {
  if (get()) return;
  void* base = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, offset, kSlotBytes);
  char* expected = nullptr;
  // Two threads mapping at once: the loser gives its view back.
  if (base && !m_base.compare_exchange_strong(expected, static_cast<char*>(base))) {
    UnmapViewOfFile(base);
  }
}

UniqueHandle CreateOrOpenEvent(const std::string& name) {
  return UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
}

UniqueHandle MakePrivateEvent(bool manualReset) {
  return UniqueHandle(CreateEventA(nullptr, manualReset, FALSE, nullptr));
}

}  // namespace varlink
