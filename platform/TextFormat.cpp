#include "TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string out;
  if (length > 0) {
    out.resize(static_cast<size_t>(length));
    // vsnprintf writes the terminator too; a std::string has room for it at size().
    std::vsnprintf(&out[0], out.size() + 1, format, args);
  }
  va_end(args);
  return out;
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return std::string();
#else
  if (!localtime_r(&now, &local)) return std::string();
#endif
  return FormatText("%4d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string RandomHex6() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  std::string out;
  for (int i = 0; i < 6; ++i) out += "0123456789abcdef"[std::rand() % 16];
  return out;
}
