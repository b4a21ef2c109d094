#include "TextHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

// GBK characters whose trail byte is "|" or "\": a byte-wise search would cut them in two.
const std::string kTrailBar = "\x81\x7c";
const std::string kTrailBackslash = "\x81\x5c";

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(TextHelpers, SplitKeepsEmptyPieces) {
  struct Case { std::string text, delimiter; Pieces pieces; };
  const Case cases[] = {
      {"1.2.3", ".", {"1", "2", "3"}},
      {"", ".", {""}},
      {"a,,b", ",", {"a", "", "b"}},
      {"a,", ",", {"a", ""}},
      {"plain", "|", {"plain"}},
      {"a<>b<>", "<>", {"a", "b", ""}},
      {"0?pg|50|C:\\a.pdf", "?", {"0", "pg|50|C:\\a.pdf"}},
      {kTrailBar + "|x", "|", {kTrailBar, "x"}},
      {"abc", "", {"abc"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.text, c.delimiter), c.pieces) << c.text;
}

TEST(TextHelpers, ReplaceAllScansLeftToRightOnce) {
  struct Case { std::string text, from, to, result; };
  const Case cases[] = {
      {"aaa", "aa", "b", "ba"},
      {"xx", "x", "xx", "xxxx"},
      {"a=1\\u0026b=2", "\\u0026", "&", "a=1&b=2"},
      {"abc", "", "z", "abc"},
      {"abc", "d", "z", "abc"},
      {kTrailBackslash + "u0026", "\\u0026", "&", kTrailBackslash + "u0026"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.result) << c.text;
}

TEST(TextHelpers, HexEncodeAndDecode) {
  const unsigned char bytes[] = {0x00, 0xab, 0x7f};
  EXPECT_EQ(HexEncode(bytes, 3), "00ab7f");
  EXPECT_EQ(HexEncode(bytes, 0), "");

  std::string out = "stale";
  EXPECT_EQ(HexDecode("0aB", out), 2u);
  EXPECT_EQ(out, std::string("\x0a\xb0", 2));
  EXPECT_EQ(HexDecode("00ff", out), 2u);
  EXPECT_EQ(out, std::string("\x00\xff", 2));
  EXPECT_EQ(HexDecode("", out), 0u);
  EXPECT_EQ(out, "");
}

TEST(TextHelpers, Md5HexOfTheTextBytes) {
  EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Md5Hex("abc", true), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(Md5Hex("报告"), "bdd09e069a1412e18f3719e50c1c82d4");  // the GBK bytes, unconverted
  EXPECT_EQ(Md5Hex(std::string("a\0b", 3)), "70350f6027bce3713f6b76473084309b");
}

TEST(TextHelpers, TruncateCharsNeverCutsACharacter) {
  const std::string twelve = Repeat("报", 12);
  struct Case { std::string text; size_t limit; std::string result; };
  const Case cases[] = {
      {twelve, 10, Repeat("报", 5)},
      {twelve, 9, Repeat("报", 5)},
      {twelve, 24, twelve},
      {"abcdefghijkl", 10, "abcdefghij"},
      {"a报告", 2, "a报"},
      {"abc", 3, "abc"},
  };
  for (const Case& c : cases) EXPECT_EQ(TruncateChars(c.text, c.limit), c.result) << c.limit;
}

TEST(TextHelpers, ElideMiddleKeepsHeadAndTail) {
  const std::string letters30 = "abcdefghijklmnopqrstuvwxyz0123";
  const std::string wide20 = Repeat("报", 10) + Repeat("告", 10);
  struct Case { std::string text, result; };
  const Case cases[] = {
      {letters30, "abcdefghijklmnop***yz0123"},
      {letters30.substr(0, 23), letters30.substr(0, 23)},
      {letters30.substr(0, 24), "abcdefghijklmnop***stuvwx"},
      {wide20, Repeat("报", 8) + "***" + Repeat("告", 6)},
      // Mixed head: 2 two-byte characters in the first 16 bytes leave 14 head characters.
      {"报告" + letters30, "报告abcdefghijkl***yz0123"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ElideMiddle(c.text, 8, 6), c.result) << c.text;
}

TEST(TextHelpers, MaskCharsOnlyWhenTheSpanFits) {
  struct Case { std::string text; std::string result; };
  const Case cases[] = {
      {"12345678901", "123****8901"},
      {"1234567", "123****"},
      {"1234", "1234"},
      {"", ""},
      // Too short for start 3 + count 4: left whole instead of reading past the end.
      {"12345", "12345"},
      {"123456", "123456"},
  };
  for (const Case& c : cases) EXPECT_EQ(MaskChars(c.text, 3, 4, "*"), c.result) << c.text;
  EXPECT_EQ(MaskChars("abcdef", 1, 2, "<>"), "a<><>def");
}

TEST(TextHelpers, NumberTests) {
  struct Case { std::string text; bool number; bool digitsAndDots; };
  const Case cases[] = {
      {" 3.5 ", true, false},  {"3.5x", false, false},      {"", false, false},
      {"1.2.3", false, true},  {"12345678901", true, true}, {"-2e3", true, false},
      {" ", false, false},     {"...", false, true},        {"abc", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumber(c.text), c.number) << c.text;
    EXPECT_EQ(IsDigitsAndDots(c.text), c.digitsAndDots) << c.text;
  }
}

TEST(TextHelpers, IntegerConversions) {
  struct Case { std::string text; int parsed; int converted; };
  const Case cases[] = {
      {" -42abc", -42, -42}, {"+7", 7, 7}, {"abc", 0, 0},
      {"", 0, 0},            {"9.9", 9, 9}, {"99999999999", 0, INT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseInt(c.text), c.parsed) << c.text;
    EXPECT_EQ(TextToInt(c.text), c.converted) << c.text;
  }
}

TEST(TextHelpers, PathParts) {
  struct Case { std::string path, name, folder, folderWithSeparator, extension; };
  const Case cases[] = {
      {"C:\\out\\report.pdf", "report.pdf", "C:\\out", "C:\\out\\", "pdf"},
      {"report.pdf", "", "report.pdf", "", "pdf"},
      {"C:\\out\\", "", "C:\\out", "C:\\out\\", ""},
      {"C:\\v1.2\\readme", "readme", "C:\\v1.2", "C:\\v1.2\\", "2\\readme"},
      {"C:\\out\\" + kTrailBackslash + ".pdf", kTrailBackslash + ".pdf", "C:\\out", "C:\\out\\",
       "pdf"},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(FolderOf(c.path, false), c.folder) << c.path;
    EXPECT_EQ(FolderOf(c.path, true), c.folderWithSeparator) << c.path;
    EXPECT_EQ(ExtensionOf(c.path), c.extension) << c.path;
  }
}

}  // namespace
