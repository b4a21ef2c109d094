// Points "USERPROFILE" at a test's own folder for the life of the object, so the data folder,
// the settings file and the history database of a test live in a temporary folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ScopedProfile {
 public:
  explicit ScopedProfile(const std::string& folder) {
    // The previous value is kept as UTF-16, whatever characters it holds.
    std::vector<wchar_t> old(32768);
    const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", old.data(), static_cast<DWORD>(old.size()));
    m_hadValue = length > 0 && length < old.size();
    if (m_hadValue) m_old = old.data();
    SetEnvironmentVariableA("USERPROFILE", folder.c_str());
  }
  ~ScopedProfile() { SetEnvironmentVariableW(L"USERPROFILE", m_hadValue ? m_old.c_str() : nullptr); }
  ScopedProfile(const ScopedProfile&) = delete;
  ScopedProfile& operator=(const ScopedProfile&) = delete;

 private:
  bool m_hadValue = false;
  std::wstring m_old;
};
