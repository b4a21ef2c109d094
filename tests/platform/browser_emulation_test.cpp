#include "BrowserEmulation.h"

#include <gtest/gtest.h>

#include "BrowserEmulation_win.h"
#include "RegistryTestKey.h"

namespace {

TEST(BrowserEmulation, ValueForEachMajorVersion) {
  const struct { int major; unsigned long value; } cases[] = {
      {7, 7000}, {8, 8000}, {9, 9000}, {10, 10000}, {11, 11000}, {6, 11000}, {0, 11000},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowserEmulationValue(c.major), c.value) << c.major;
}

TEST(BrowserEmulation, MajorVersionFromText) {
  EXPECT_EQ(MajorVersionFromText("11.0.9600.18537"), 11);
  EXPECT_EQ(MajorVersionFromText("9.0.8112.16421"), 9);
  EXPECT_EQ(MajorVersionFromText("beta"), 0);
  EXPECT_EQ(MajorVersionFromText(""), 0);
}

class BrowserEmulationKey : public RegistryTestKey {};

TEST_F(BrowserEmulationKey, MajorVersionPrefersSvcVersion) {
  EXPECT_EQ(BrowserMajorVersionAt(HKEY_CURRENT_USER, path()), 11);  // no key at all

  SetString("Other", REG_SZ, "7.0");
  EXPECT_EQ(BrowserMajorVersionAt(HKEY_CURRENT_USER, path()), 11);  // neither value
  SetString("Version", REG_SZ, "9.0.8112.16421");
  EXPECT_EQ(BrowserMajorVersionAt(HKEY_CURRENT_USER, path()), 9);
  SetString("svcVersion", REG_SZ, "11.0.9600.18537");
  EXPECT_EQ(BrowserMajorVersionAt(HKEY_CURRENT_USER, path()), 11);
  SetString("svcVersion", REG_SZ, "10.0.1");
  EXPECT_EQ(BrowserMajorVersionAt(HKEY_CURRENT_USER, path()), 10);
}

TEST_F(BrowserEmulationKey, RegistersTheProgramUnderBothNames) {
  EXPECT_FALSE(RegisterBrowserEmulationAt(HKEY_CURRENT_USER, path(), 9));
  EXPECT_FALSE(KeyExists());  // the key is never created

  SetString("Other", REG_SZ, "");
  EXPECT_TRUE(RegisterBrowserEmulationAt(HKEY_CURRENT_USER, path(), 9));
  EXPECT_EQ(ReadDword("platform_tests.exe"), 9000u);
  EXPECT_EQ(ReadDword("morvane.exe"), 9000u);
}

}  // namespace
