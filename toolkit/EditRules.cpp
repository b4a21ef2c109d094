#include "EditRules.h"

namespace {

bool IsLeadByte(char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; }

// Length in bytes of the character starting at `i`.
size_t CharLength(const std::string& s, size_t i) { return IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1; }

}  // namespace

int CountChars(const std::string& ansi) {
  int count = 0;
  for (size_t i = 0; i < ansi.size(); i += CharLength(ansi, i)) ++count;
  return count;
}

std::string ApplyEditRules(const std::string& ansi, const EditRules& rules) {
  std::string out;
  out.reserve(ansi.size());
  int count = 0;
  for (size_t i = 0; i < ansi.size();) {
    const size_t length = CharLength(ansi, i);
    const bool digit = length == 1 && ansi[i] >= '0' && ansi[i] <= '9';
    if (!rules.digitsOnly || digit) {
      if (rules.maxChars > 0 && count == rules.maxChars) break;
      out.append(ansi, i, length);
      ++count;
    }
    i += length;
  }
  return out;
}

std::string MaskText(const std::string& ansi, const std::string& mask) {
  std::string out;
  const int count = CountChars(ansi);
  out.reserve(mask.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out += mask;
  return out;
}
