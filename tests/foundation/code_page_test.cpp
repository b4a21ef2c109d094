#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Literals are compiled to GBK, and Wine runs the tests with the users' ANSI code page.
TEST(CodePage, AnsiCodePageIs936) { EXPECT_EQ(GetACP(), 936u); }

TEST(CodePage, LiteralsAreGbkBytes) {
  const std::string text = "转换成功";
  EXPECT_EQ(text, std::string("\xd7\xaa\xbb\xbb\xb3\xc9\xb9\xa6"));
}

TEST(CodePage, GbkRoundTripsThroughTheSystem) {
  const std::string text = "报告.pdf";
  wchar_t wide[32];
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 32);
  ASSERT_EQ(n, 7);  // 报 告 . p d f and the terminator
  EXPECT_EQ(wide[0], L'\x62a5');
  char back[32];
  ASSERT_GT(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, sizeof back, nullptr, nullptr), 0);
  EXPECT_EQ(std::string(back), text);
}
