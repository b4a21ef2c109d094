#include "TextFormat.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>

namespace {

TEST(TextFormat, FormatTextFitsAnyLength) {
  EXPECT_EQ(FormatText("%d<%s|%d|%s>", 0, "ppdfto", 12, "C:\\报告.pdf"), "0<ppdfto|12|C:\\报告.pdf>");
  EXPECT_EQ(FormatText("%s", ""), "");
  const std::string longText(5000, 'x');
  EXPECT_EQ(FormatText("[%s]", longText.c_str()), "[" + longText + "]");
}

TEST(TextFormat, TodayTextIsTheLocalDate) {
  const std::time_t now = std::time(nullptr);
  char expected[16];
  std::strftime(expected, sizeof expected, "%Y-%m-%d", std::localtime(&now));
  const std::string today = TodayText();
  EXPECT_TRUE(std::regex_match(today, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}"))) << today;
  if (std::time(nullptr) / 86400 == now / 86400) {
    EXPECT_EQ(today, expected);
  }
}

TEST(TextFormat, RandomHex6IsSixDigitsAndFollowsTheSecond) {
  const std::time_t before = std::time(nullptr);
  const std::string first = RandomHex6();
  const std::string second = RandomHex6();
  EXPECT_TRUE(std::regex_match(first, std::regex("[0-9a-f]{6}"))) << first;
  if (std::time(nullptr) == before) {
    EXPECT_EQ(first, second);
  }
}

}  // namespace
