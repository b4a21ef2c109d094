// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends. Paths are ANSI byte strings, like every path in the program.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return m_path; }
  // The folder's path joined with a name: "<folder>\name".
  std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

 private:
  std::string m_path;
};

// Writes bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Reads a whole file; an empty text when it cannot be read.
std::string ReadFileBytes(const std::string& path);
