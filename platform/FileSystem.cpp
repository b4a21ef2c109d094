#include "FileSystem.h"

#include <cstdio>
#include <memory>

#include "TextHelpers.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool MatchesExtensionList(const std::string& name, const std::string& patterns) {
  if (patterns == "*") return true;
  return patterns.find("." + ExtensionOf(name) + ";") != std::string::npos;
}

long long ReadWholeFile(const std::string& path, std::string& out) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return -1;
  std::string bytes;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, got);
  if (std::ferror(file.get())) return -1;
  out.swap(bytes);
  return static_cast<long long>(out.size());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* raw = std::fopen(path.c_str(), "wb");
  if (!raw) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  // Closing flushes the last block, so a full disk shows up here.
  return std::fclose(raw) == 0 && written;
}
