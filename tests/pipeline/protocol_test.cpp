#include <gtest/gtest.h>

#include <string>

#include "Protocol.h"

TEST(Protocol, TextsSentToTheConverter) {
  struct Case {
    std::string formed;
    std::string expected;
  };
  const Case cases[] = {
      {FormatPageServiceArguments(0), "0 page_num"},
      {FormatJobArguments(3, "1<pdfto|0|11|C:\\x\\a.pdf*|0-0||Word(.doc)>"),
       "3 1<pdfto|0|11|C:\\x\\a.pdf*|0-0||Word(.doc)>"},
      {FormatPageQuery(ConversionFamily::pdfto, 0, "C:\\x\\a.pdf"), "0<ppdfto|0|10|C:\\x\\a.pdf>"},
      // The length is in bytes: each of the two Chinese characters takes two.
      {FormatPageQuery(ConversionFamily::topdf, 7, "D:\\报告.docx"), "0<ptopdf|7|12|D:\\报告.docx>"},
      {FormatPageQuery(ConversionFamily::operto, 41, "E:\\a b\\c.pdf"), "0<poperto|41|12|E:\\a b\\c.pdf>"},
      {FormatTarget("C:\\x\\a.pdf", ""), "C:\\x\\a.pdf*"},
      {FormatTarget("C:\\x\\a.pdf", "D:\\out\\"), "C:\\x\\a.pdf*D:\\out\\"},
      // No password known: two adjacent separators between range and option.
      {FormatCommand("pdfto", 0, "C:\\x\\a.pdf*", "0-0", "", "Word(.docx)"),
       "1<pdfto|0|11|C:\\x\\a.pdf*|0-0||Word(.docx)>"},
      {FormatCommand("topdf", 4, "C:\\报告.doc*D:\\out\\", "0-0", "", "word"),
       "1<topdf|4|19|C:\\报告.doc*D:\\out\\|0-0||word>"},
      {FormatCommand("operto", 2, "C:\\a b\\c.pdf*", "3-7", "pw", "split"),
       "1<operto|2|13|C:\\a b\\c.pdf*|3-7|pw|split>"},
      {FormatResubmission("pdfto", "C:\\x\\a.pdf*D:\\out\\", "2-5", "secret", "Word(.doc)"),
       "1<pdfto|0|0|C:\\x\\a.pdf*D:\\out\\|2-5|secret|Word(.doc)>"},
      {FormatPageRange(3, 7), "3-7"},
      {kAllPagesRange, "0-0"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.formed, c.expected);
}

TEST(Protocol, APageQueryLongerThanAMailboxIsRecognised) {
  // "0<ppdfto|0|" + "1006" + "|" + path + ">" is 1023 bytes for a path of 1006 bytes.
  const std::string fits = FormatPageQuery(ConversionFamily::pdfto, 0, "C:\\" + std::string(1003, 'a'));
  const std::string tooLong = FormatPageQuery(ConversionFamily::pdfto, 0, "C:\\" + std::string(1004, 'a'));
  EXPECT_EQ(fits.size(), 1023u);
  EXPECT_TRUE(FitsMailbox(fits));
  EXPECT_FALSE(FitsMailbox(tooLong));
}
