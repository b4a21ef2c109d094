#include "ListFile.h"

#include <mbedtls/base64.h>

namespace {

std::string Join(const std::vector<std::string>& items, char separator) {
  std::string joined;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += separator;
    joined += items[i];
  }
  return joined;
}

}  // namespace

std::string FormatListBody(const std::string& verb, const std::vector<std::string>& paths,
                           const std::vector<std::string>& ranges,
                           const std::vector<std::string>& passwords, const std::string& kind) {
  return "<" + verb + "|0|-1|" + Join(paths, '*') + "|" + Join(ranges, '*') + "|" +
         Join(passwords, '*') + "|" + kind + ">";
}

std::string Base64Encode(const std::string& bytes) {
  const auto* source = reinterpret_cast<const unsigned char*>(bytes.data());
  // Four characters per three bytes, and room for the terminator the encoder writes.
  std::string encoded((bytes.size() + 2) / 3 * 4 + 1, '\0');
  size_t length = 0;
  if (mbedtls_base64_encode(reinterpret_cast<unsigned char*>(&encoded[0]), encoded.size(), &length,
                            source, bytes.size()) != 0) {
    return std::string();
  }
  encoded.resize(length);
  return encoded;
}

std::string ListFileName(const std::string& folder, long seconds) {
  return folder + "\\imgto" + std::to_string(seconds) + ".hs";
}
