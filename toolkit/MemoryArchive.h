// A ZIP archive held in memory (the skin embedded in the program), read entry by entry.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class MemoryArchive {
 public:
  // The archive's bytes are copied; the caller's buffer may go away afterwards.
  MemoryArchive(const void* data, size_t size);

  // Reads the entry with the given path ("main.xml", "img/logo.png"); the comparison ignores
  // case, as file names on Windows do. False when the entry is missing or the archive is damaged.
  [[nodiscard]] bool Read(const std::string& path, std::vector<unsigned char>& out) const;

  size_t size() const { return m_bytes.size(); }

 private:
  std::vector<unsigned char> m_bytes;
};
