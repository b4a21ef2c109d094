#include "AttributeText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads an integer at `pos`, skipping spaces around it; advances past it.
bool ReadInt(const std::string& text, size_t& pos, int& out) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  size_t start = pos;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  const size_t digits = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  if (pos == digits || pos - digits > 10) return false;
  const long long v = std::strtoll(text.substr(start, pos - start).c_str(), nullptr, 10);
  if (v < INT_MIN || v > INT_MAX) return false;
  out = static_cast<int>(v);
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return true;
}

}  // namespace

std::vector<int> ParseIntList(const std::string& text, size_t max) {
  std::vector<int> values;
  size_t pos = 0;
  while (values.size() < max) {
    int v = 0;
    if (!ReadInt(text, pos, v)) break;
    values.push_back(v);
    if (pos >= text.size() || text[pos] != ',') break;
    ++pos;
  }
  return values;
}

bool ParseRect(const std::string& text, UiRect& out) {
  const std::vector<int> v = ParseIntList(text, 4);
  if (v.size() != 4) return false;
  out = {v[0], v[1], v[2], v[3]};
  return true;
}

bool ParseSize(const std::string& text, UiSize& out) {
  const std::vector<int> v = ParseIntList(text, 2);
  if (v.size() != 2) return false;
  out = {v[0], v[1]};
  return true;
}

bool ParseInt(const std::string& text, int& out) {
  size_t pos = 0;
  int v = 0;
  if (!ReadInt(text, pos, v) || pos != text.size()) return false;
  out = v;
  return true;
}

bool ParseColor(const std::string& text, uint32_t& argb) {
  size_t start = 0;
  if (!text.empty() && text[0] == '#') {
    start = 1;
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    start = 2;
  } else {
    return false;
  }
  const size_t n = text.size() - start;
  if (n != 6 && n != 8) return false;
  uint32_t v = 0;
  for (size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    uint32_t d;
    if (IsDigit(c)) d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v << 4 | d;
  }
  argb = n == 6 ? 0xFF000000u | v : v;
  return true;
}

bool ParseBool(const std::string& text, bool& out) {
  if (text == "true" || text == "1") {
    out = true;
    return true;
  }
  if (text == "false" || text == "0") {
    out = false;
    return true;
  }
  return false;
}
