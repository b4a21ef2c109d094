#include "Mailbox_win.h"

#include "SlotLayout.h"

#include <cstring>

namespace varlink {

namespace {

// Only a definite "not signalled" lets the writer in; a failed test counts as full.
bool IsEmpty(HANDLE fullEvent) { return WaitForSingleObject(fullEvent, 0) == WAIT_TIMEOUT; }

}  // namespace

bool PostToHalf(HANDLE fullEvent, char* half, const char* text) {
  if (!text || !FitsInHalf(text) || !IsEmpty(fullEvent)) return false;
  WriteHalf(half, text);
  return SetEvent(fullEvent) != FALSE;
}

bool ClearHalf(HANDLE fullEvent, char* half) {
  if (!IsEmpty(fullEvent)) return false;
  std::memset(half, 0, kHalfBytes);
  return true;
}

}  // namespace varlink
