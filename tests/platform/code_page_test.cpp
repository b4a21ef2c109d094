#include "CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kUtf8Report = "\xe6\x8a\xa5\xe5\x91\x8a.pdf";  // 报告.pdf in UTF-8

TEST(CodePage, AnsiAndUtf8RoundTrip) {
  EXPECT_EQ(AnsiToUtf8("报告.pdf"), kUtf8Report);
  EXPECT_EQ(Utf8ToAnsi(kUtf8Report), "报告.pdf");
  EXPECT_EQ(AnsiToUtf8(""), "");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  // The result ends at the first terminator, as a C string would.
  EXPECT_EQ(AnsiToUtf8(std::string("ab\0cd", 5)), "ab");
}

TEST(CodePage, MissingCharactersBecomeTheDefaultCharacter) {
  EXPECT_EQ(Utf8ToAnsi("a\xe0\xb8\x81z"), "a?z");  // a Thai letter has no GBK form
}

TEST(CodePage, ToWideChecksItsBuffer) {
  wchar_t wide[8];
  EXPECT_EQ(ToWide(wide, "报告", 8, 936), wide);
  EXPECT_EQ(std::wstring(wide), L"\x62a5\x544a");

  EXPECT_EQ(ToWide(wide, "a much longer text", 8, 936), nullptr);
  EXPECT_EQ(wide[0], L'\0');
  EXPECT_EQ(ToWide(nullptr, "x", 8, 936), nullptr);
  EXPECT_EQ(ToWide(wide, nullptr, 8, 936), nullptr);
}

}  // namespace
