// The settings file: one INI section, "ConfigSys", read and written through the system's
// profile functions, so the file is never held open and a missing file reads as all defaults.
#pragma once

#include <cstddef>
#include <string>

constexpr const char* kSettingsSection = "ConfigSys";
constexpr const char* kSettingsFileName = "macro.config";

class CIni {
 public:
  CIni() = default;
  virtual ~CIni() = default;

  // The full path of the file; until it is set, reads give defaults and writes fail.
  void SetPath(const std::string& path) { m_path = path; }
  const std::string& Path() const { return m_path; }

  // The value of any length, or the default (empty when null) when the key is absent or null.
  std::string ReadString(const char* key, const char* defaultText) const;

  // Copies the value into the buffer, cut to size - 1 bytes and always zero-terminated (the
  // buffer is emptied first); returns the number of bytes copied.
  size_t ReadStringInto(const char* key, char* buffer, size_t size, const char* defaultText) const;

  // True for "true" or "yes" in any case, or a value that begins with a non-zero integer.
  bool ReadBool(const char* key) const;

  // A null value writes an empty one; a null key writes nothing. True when the file was written.
  bool WriteString(const char* key, const char* value) const;
  bool WriteBool(const char* key, bool flag) const;

 private:
  std::string m_path;
};

// The boolean rule for a settings value; only its first 64 characters count.
bool IniValueIsTrue(const std::string& value);
