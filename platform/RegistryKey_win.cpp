#include "RegistryKey.h"

namespace {

// The one owner of an open key handle.
class KeyHandle {
 public:
  KeyHandle() = default;
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  ~KeyHandle() {
    if (m_key) RegCloseKey(m_key);
  }
  HKEY* put() { return &m_key; }
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

}  // namespace

bool RegistryKey::Open(const std::string& subkey, bool create) {
  if (subkey.empty()) {
    m_subkey.clear();
    return true;
  }
  KeyHandle key;
  m_lastResult = create ? RegCreateKeyExA(m_root, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, key.put(), nullptr)
                        : RegOpenKeyExA(m_root, subkey.c_str(), 0, KEY_ALL_ACCESS, key.put());
  if (m_lastResult != ERROR_SUCCESS) return false;
  m_subkey = subkey;
  if (!m_noFlush) RegFlushKey(key.get());
  return true;
}

DWORD RegistryKey::ValueType(const std::string& name) {
  KeyHandle key;
  m_lastResult = RegOpenKeyExA(m_root, m_subkey.c_str(), 0, KEY_QUERY_VALUE, key.put());
  if (m_lastResult != ERROR_SUCCESS) return 0;
  DWORD type = 0;
  m_lastResult = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, nullptr);
  return m_lastResult == ERROR_SUCCESS ? type : 0;
}

std::string RegistryKey::ReadText(const std::string& name, const std::string& defaultText) {
  const DWORD type = ValueType(name);
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return defaultText;
  KeyHandle key;
  if (RegOpenKeyExA(m_root, m_subkey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
    return defaultText;
  // One byte more than the value may fill: stored strings need not end with a terminator.
  char buffer[256] = {};
  DWORD size = sizeof buffer - 1;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return defaultText;
  return std::string(buffer);
}

bool RegistryKey::WriteDword(const std::string& name, DWORD value) {
  KeyHandle key;
  m_lastResult = RegOpenKeyExA(m_root, m_subkey.c_str(), 0, KEY_WRITE, key.put());
  if (m_lastResult != ERROR_SUCCESS) return false;
  m_lastResult = RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&value), sizeof value);
  if (m_lastResult != ERROR_SUCCESS) return false;
  if (!m_noFlush) RegFlushKey(key.get());
  return true;
}

void RegistryKey::Reset() {
  m_subkey.clear();
  m_root = HKEY_CURRENT_USER;
  m_noFlush = true;
}
