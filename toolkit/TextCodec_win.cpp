#include "TextCodec_win.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

}  // namespace

std::string Utf8ToAnsiText(const std::string& utf8) { return WideToAnsiText(ToWide(CP_UTF8, utf8)); }

std::string WideToAnsiText(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &ansi[0], n, nullptr, nullptr);
  return ansi;
}

std::wstring AnsiToWideText(const std::string& ansi) { return ToWide(CP_ACP, ansi); }
