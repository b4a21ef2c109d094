#include "TextHelpers.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

bool IsNumber(const std::string& text) {
  std::istringstream in(text);
  double value;
  if (!(in >> value)) return false;
  in >> std::ws;
  return in.eof();
}

bool IsDigitsAndDots(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c != '.' && !std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int ParseInt(const std::string& text) {
  std::istringstream in(text);
  int value = 0;
  return in >> value ? value : 0;
}

int TextToInt(const std::string& text) {
  // strtol instead of atoi: same reading, but a value beyond int is clamped, not undefined.
  errno = 0;
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}
