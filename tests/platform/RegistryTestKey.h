// A fresh key under HKEY_CURRENT_USER\Software\LumvexTest, deleted with its values afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

class RegistryTestKey : public ::testing::Test {
 protected:
  RegistryTestKey();
  ~RegistryTestKey() override;

  const std::string& path() const { return m_path; }
  bool KeyExists() const;
  void DeleteKey();
  // Writes a string value straight through the registry API, creating the key.
  void SetString(const std::string& name, DWORD type, const std::string& text);
  DWORD ReadDword(const std::string& name) const;

 private:
  std::string m_path;
};
