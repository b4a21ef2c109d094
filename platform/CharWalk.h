// Walking an ANSI text character by character: a byte with its high bit set starts a two-byte
// character. A search that steps this way never matches the trail byte of a character ("\"
// and "|" are valid trail bytes in the double-byte code page).
#pragma once

#include <string>

// Byte length of the character starting at `pos`. A lead byte at the very end of a damaged
// text counts as a character of its own, so no walk ever steps past the end.
inline size_t CharLengthAt(const std::string& text, size_t pos) {
  const bool lead = (static_cast<unsigned char>(text[pos]) & 0x80) != 0;
  return lead && pos + 1 < text.size() ? 2 : 1;
}

// First occurrence of `needle` that starts on a character at or after `from` (itself a
// character start); npos when there is none.
inline size_t FindAtCharStart(const std::string& text, const std::string& needle, size_t from) {
  for (size_t pos = from; pos < text.size(); pos += CharLengthAt(text, pos))
    if (text.compare(pos, needle.size(), needle) == 0) return pos;
  return std::string::npos;
}

// Last character equal to the one-byte character `c`; npos when there is none.
inline size_t FindLastCharOf(const std::string& text, char c) {
  size_t last = std::string::npos;
  for (size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos))
    if (text[pos] == c) last = pos;
  return last;
}
