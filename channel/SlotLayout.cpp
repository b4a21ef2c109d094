#include "SlotLayout.h"

#include <cstdio>
#include <cstring>

namespace varlink {

namespace {

std::string Name(const char* format, const char* base, int slot) {
  char name[66] = {};
  std::snprintf(name, sizeof name, format, base, slot);
  return name;
}

}  // namespace

SlotNames SlotNamesFor(int slot) {
  return {Name("%s%d", "MapFileOver", slot), Name("W%s%d", "EventOver", slot),
          Name("R%s%d", "EventOver", slot)};
}

bool FitsInHalf(const char* text) {
  // Bounded scan: at most one half's worth of the caller's bytes is looked at.
  for (std::size_t i = 0; i <= kMaxTextBytes; ++i) {
    if (text[i] == '\0') return true;
  }
  return false;
}

void WriteHalf(char* half, const char* text) {
  std::memset(half, 0, kHalfBytes);
  std::memcpy(half, text, std::strlen(text));
}

int ReadHalf(const char* half, char* buffer) {
  // The peer may have left no terminator or may rewrite the half while we read, so the length
  // is measured on our own copy, which always ends in a zero.
  std::size_t length = 0;
  for (; length < kMaxTextBytes; ++length) {
    buffer[length] = half[length];
    if (buffer[length] == '\0') break;
  }
  std::memset(buffer + length, 0, kHalfBytes - length);
  return static_cast<int>(length);
}

}  // namespace varlink
