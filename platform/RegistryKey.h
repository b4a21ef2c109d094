// A registry key below a root key. Every operation opens the key, does one thing and closes it
// again, so no key handle outlives a call.
#pragma once

#include <windows.h>

#include <string>

class RegistryKey {
 public:
  explicit RegistryKey(HKEY root = HKEY_CURRENT_USER, bool noFlush = true)
      : m_root(root), m_noFlush(noFlush) {}

  // Stores `subkey` when it can be opened (or created, with `create`); an empty subkey just
  // forgets the stored one.
  [[nodiscard]] bool Open(const std::string& subkey, bool create);
  // The value's registry type (REG_SZ, REG_DWORD...), 0 when the key or value is missing.
  DWORD ValueType(const std::string& name);
  // A string value of at most 255 bytes; `defaultText` when the value is missing, of another
  // type, longer or unreadable.
  std::string ReadText(const std::string& name, const std::string& defaultText);
  [[nodiscard]] bool WriteDword(const std::string& name, DWORD value);
  // Back to the defaults: no subkey, the current user's root, no flushing.
  void Reset();

  LONG LastResult() const { return m_lastResult; }
  const std::string& Subkey() const { return m_subkey; }

 private:
  LONG m_lastResult = 0;
  HKEY m_root;
  bool m_noFlush;
  std::string m_subkey;
};
