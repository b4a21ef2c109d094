#include "TextHelpers.h"

#include <mbedtls/md5.h>

namespace {

std::string EncodeWithDigits(const unsigned char* bytes, size_t count, const char* digits) {
  std::string out;
  out.reserve(count * 2);
  for (size_t i = 0; i < count; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 0x0f];
  }
  return out;
}

// A letter counts by its place in the alphabet ("a" = 10), so letters past "f" are not hex
// digits and give a meaningless byte, never an error. Anything else counts as 0.
unsigned NibbleOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 0;
}

}  // namespace

std::string HexEncode(const void* bytes, size_t count) {
  return EncodeWithDigits(static_cast<const unsigned char*>(bytes), count, "0123456789abcdef");
}

size_t HexDecode(const std::string& text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); i += 2) {
    const unsigned high = NibbleOf(text[i]);
    const unsigned low = i + 1 < text.size() ? NibbleOf(text[i + 1]) : 0;
    out += static_cast<char>((high * 16 + low) & 0xff);
  }
  return out.size();
}

std::string Md5Hex(const std::string& text, bool upper) {
  unsigned char digest[16];
  if (mbedtls_md5_ret(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest) != 0)
    return std::string();
  return EncodeWithDigits(digest, sizeof digest, upper ? "0123456789ABCDEF" : "0123456789abcdef");
}
