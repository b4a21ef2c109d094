#include "CodePage.h"

#include <windows.h>

#include <vector>

namespace {

// Both directions go through UTF-16; each step measures the result (terminator included)
// before converting, and the text ends at its first terminator.
std::string Convert(const std::string& text, UINT from, UINT to) {
  const int wideUnits = MultiByteToWideChar(from, 0, text.c_str(), -1, nullptr, 0);
  if (wideUnits <= 0) return std::string();
  std::vector<wchar_t> wide(wideUnits);
  if (MultiByteToWideChar(from, 0, text.c_str(), -1, wide.data(), wideUnits) <= 0)
    return std::string();
  const int bytes = WideCharToMultiByte(to, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::vector<char> out(bytes);
  if (WideCharToMultiByte(to, 0, wide.data(), -1, out.data(), bytes, nullptr, nullptr) <= 0)
    return std::string();
  return std::string(out.data());
}

}  // namespace

std::string AnsiToUtf8(const std::string& text) { return Convert(text, CP_ACP, CP_UTF8); }

std::string Utf8ToAnsi(const std::string& text) { return Convert(text, CP_UTF8, CP_ACP); }

wchar_t* ToWide(wchar_t* out, const char* text, int units, unsigned codePage) {
  if (!out || !text || units <= 0) return nullptr;
  out[0] = L'\0';
  if (MultiByteToWideChar(codePage, 0, text, -1, out, units) <= 0) {
    out[0] = L'\0';  // a too-small buffer may hold a partial, unterminated conversion
    return nullptr;
  }
  return out;
}
