#include "Ini.h"

#include <windows.h>

#include <vector>

namespace {

constexpr DWORD kReadStep = 512;
// A settings value is a folder path or a flag; growing stops here whatever the file holds.
constexpr DWORD kLongestRead = 1 << 20;

}  // namespace

std::string CIni::ReadString(const char* key, const char* defaultText) const {
  const char* fallback = defaultText ? defaultText : "";
  // A null key would make the system list every key of the section instead.
  if (!key || m_path.empty()) return fallback;
  for (DWORD size = kReadStep;; size += kReadStep) {
    std::vector<char> buffer(size + 1);
    const DWORD length = GetPrivateProfileStringA(kSettingsSection, key, fallback, buffer.data(),
                                                  size, m_path.c_str());
    // A value that filled the buffer may have been cut: read it again with more room.
    if (length + 1 < size || size >= kLongestRead) return std::string(buffer.data(), length);
  }
}

bool CIni::WriteString(const char* key, const char* value) const {
  if (!key || m_path.empty()) return false;
  // A null value would delete the key, not empty it.
  return WritePrivateProfileStringA(kSettingsSection, key, value ? value : "", m_path.c_str()) != FALSE;
}
