// Opens a slot's kernel objects by name, as a foreign process would, so a test can look at a
// mailbox directly or write into it what a misbehaving peer might.
#pragma once

#include <windows.h>

#include <string>

class RawSlot {
 public:
  explicit RawSlot(int slot);
  ~RawSlot();
  RawSlot(const RawSlot&) = delete;
  RawSlot& operator=(const RawSlot&) = delete;

  bool opened() const { return m_view && m_writeEvent && m_readEvent; }
  char* clientHalf() const { return m_view; }
  char* serverHalf() const { return m_view + 1024; }
  HANDLE writeEvent() const { return m_writeEvent; }
  HANDLE readEvent() const { return m_readEvent; }

 private:
  HANDLE m_mapping = nullptr;
  char* m_view = nullptr;
  HANDLE m_writeEvent = nullptr;
  HANDLE m_readEvent = nullptr;
};

bool IsSet(HANDLE event);
// True when the 1024 bytes of a half hold exactly the text followed by zeros.
bool HalfHolds(const char* half, const std::string& text);
