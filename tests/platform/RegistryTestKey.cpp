#include "RegistryTestKey.h"

#include <cstdio>

RegistryTestKey::RegistryTestKey() {
  static unsigned counter = 0;
  char path[96];
  std::snprintf(path, sizeof path, "Software\\LumvexTest\\key_%lu_%u", GetCurrentProcessId(),
                ++counter);
  m_path = path;
  DeleteKey();
}

RegistryTestKey::~RegistryTestKey() {
  DeleteKey();
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumvexTest");  // fails while others use it
}

bool RegistryTestKey::KeyExists() const {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

void RegistryTestKey::DeleteKey() { RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str()); }

void RegistryTestKey::SetString(const std::string& name, DWORD type, const std::string& text) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

DWORD RegistryTestKey::ReadDword(const std::string& name) const {
  DWORD value = 0, size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, m_path.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value,
               &size);
  return value;
}
