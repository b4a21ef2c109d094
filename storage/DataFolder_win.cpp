#include "DataFolder.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "FileSystem.h"

namespace {

// Read through the wide function and converted: the ANSI one of some systems cuts a value
// with double-byte characters to its length in characters.
std::string EnvironmentValue(const wchar_t* name) {
  std::vector<wchar_t> wide(MAX_PATH);
  for (;;) {
    const DWORD length = GetEnvironmentVariableW(name, wide.data(), static_cast<DWORD>(wide.size()));
    if (length == 0) return std::string();
    if (length < wide.size()) break;
    wide.resize(length);  // the size it needs, terminator included
  }
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return std::string();
  std::string value(bytes, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, &value[0], bytes, nullptr, nullptr);
  value.resize(bytes - 1);
  return value;
}

}  // namespace

std::string UserProfileFolder() {
  const std::string profile = EnvironmentValue(L"USERPROFILE");
  if (!profile.empty()) return profile;
  char folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return folder;
  }
  return std::string();
}

std::string GetUserDataDir(bool withSeparator) {
  const std::string profile = UserProfileFolder();
  if (profile.empty()) return std::string();
  const std::string folder = profile + "\\" + kDataFolderName;
  if (!FolderExists(folder)) CreateFolderTree(folder);
  return withSeparator ? folder + "\\" : folder;
}
