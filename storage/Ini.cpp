#include "Ini.h"

#include <cstring>

#include "TextHelpers.h"

namespace {

constexpr size_t kBoolTextLength = 64;

bool EqualsIgnoringCase(const std::string& text, const char* word) {
  const size_t length = std::strlen(word);
  if (text.size() != length) return false;
  for (size_t i = 0; i < length; ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

bool IniValueIsTrue(const std::string& value) {
  const std::string text = value.substr(0, kBoolTextLength);
  if (EqualsIgnoringCase(text, "true") || EqualsIgnoringCase(text, "yes")) return true;
  // "0x1" reads as 0: only decimal numbers count.
  return TextToInt(text) != 0;
}

size_t CIni::ReadStringInto(const char* key, char* buffer, size_t size,
                            const char* defaultText) const {
  if (!buffer || size == 0) return 0;
  buffer[0] = '\0';
  const std::string value = ReadString(key, defaultText);
  const size_t copied = value.size() < size ? value.size() : size - 1;
  std::memcpy(buffer, value.data(), copied);
  buffer[copied] = '\0';
  return copied;
}

bool CIni::ReadBool(const char* key) const { return IniValueIsTrue(ReadString(key, "")); }

bool CIni::WriteBool(const char* key, bool flag) const { return WriteString(key, flag ? "1" : "0"); }
