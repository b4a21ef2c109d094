#include "RegistryKey.h"

#include <gtest/gtest.h>

#include <string>

#include "RegistryTestKey.h"

namespace {

class RegistryKeyTest : public RegistryTestKey {};

TEST_F(RegistryKeyTest, OpenStoresTheSubkeyOnlyWhenItExists) {
  RegistryKey key;
  EXPECT_FALSE(key.Open(path(), false));
  EXPECT_EQ(key.LastResult(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key.Subkey(), "");

  ASSERT_TRUE(key.Open(path(), true));
  EXPECT_EQ(key.Subkey(), path());
  RegistryKey again;
  EXPECT_TRUE(again.Open(path(), false));

  EXPECT_TRUE(key.Open("", false));
  EXPECT_EQ(key.Subkey(), "");
}

TEST_F(RegistryKeyTest, ReadTextOnlyReadsShortStrings) {
  SetString("plain", REG_SZ, "11.0.9600.18537");
  SetString("expand", REG_EXPAND_SZ, "%TEMP%\\报告");
  SetString("longest", REG_SZ, std::string(254, 'x'));
  SetString("too long", REG_SZ, std::string(255, 'x'));  // 256 bytes with its terminator
  RegistryKey key;
  ASSERT_TRUE(key.Open(path(), false));
  ASSERT_TRUE(key.WriteDword("number", 9000));

  struct Case { const char* name; DWORD type; std::string text; };
  const Case cases[] = {
      {"plain", REG_SZ, "11.0.9600.18537"},
      {"expand", REG_EXPAND_SZ, "%TEMP%\\报告"},
      {"longest", REG_SZ, std::string(254, 'x')},
      {"too long", REG_SZ, "default"},
      {"number", REG_DWORD, "default"},
      {"missing", 0, "default"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(key.ValueType(c.name), c.type) << c.name;
    EXPECT_EQ(key.ReadText(c.name, "default"), c.text) << c.name;
  }
  EXPECT_EQ(ReadDword("number"), 9000u);
}

TEST_F(RegistryKeyTest, MissingKeyGivesDefaultsAndWritesNothing) {
  RegistryKey key;
  ASSERT_TRUE(key.Open(path(), true));
  DeleteKey();
  EXPECT_EQ(key.ValueType("any"), 0u);
  EXPECT_EQ(key.LastResult(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key.ReadText("any", "fallback"), "fallback");
  EXPECT_FALSE(key.WriteDword("any", 1));
  EXPECT_FALSE(KeyExists());
}

TEST_F(RegistryKeyTest, ResetForgetsRootAndSubkey) {
  RegistryKey key(HKEY_LOCAL_MACHINE, false);
  EXPECT_FALSE(key.Open(path(), false));  // the test key lives under the current user
  key.Reset();
  EXPECT_TRUE(key.Open(path(), true));
  EXPECT_TRUE(KeyExists());
  key.Reset();
  EXPECT_EQ(key.Subkey(), "");
}

}  // namespace
