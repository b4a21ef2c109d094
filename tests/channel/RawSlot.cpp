#include "RawSlot.h"

RawSlot::RawSlot(int slot) {
  const std::string number = std::to_string(slot);
  m_mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, ("MapFileOver" + number).c_str());
  if (m_mapping) {
    m_view = static_cast<char*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, 2048));
  }
  m_writeEvent = OpenEventA(EVENT_ALL_ACCESS, FALSE, ("WEventOver" + number).c_str());
  m_readEvent = OpenEventA(EVENT_ALL_ACCESS, FALSE, ("REventOver" + number).c_str());
}

RawSlot::~RawSlot() {
  if (m_view) UnmapViewOfFile(m_view);
  for (HANDLE handle : {m_mapping, m_writeEvent, m_readEvent}) {
    if (handle) CloseHandle(handle);
  }
}

bool IsSet(HANDLE event) { return WaitForSingleObject(event, 0) == WAIT_OBJECT_0; }

bool HalfHolds(const char* half, const std::string& text) {
  if (text.compare(0, text.size(), half, text.size()) != 0) return false;
  for (std::size_t i = text.size(); i < 1024; ++i) {
    if (half[i] != '\0') return false;
  }
  return true;
}
