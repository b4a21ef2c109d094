#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Reply.h"

TEST(ExtractBody, TakesTheTextBetweenTheBrackets) {
  struct Case {
    std::string received;
    std::optional<std::string> body;
  };
  const Case cases[] = {
      {"<okpdfto|0|C:\\a.pdf|D:\\a.docx>", "okpdfto|0|C:\\a.pdf|D:\\a.docx"},
      {"log\x01\xff <ppdfto|3|C:\\a.pdf> tail>", "ppdfto|3|C:\\a.pdf"},
      {"stray> before <pgpdfto|50|C:\\a.pdf>", "pgpdfto|50|C:\\a.pdf"},
      {"<>", ""},
      {"no brackets", std::nullopt},
      {"<unterminated", std::nullopt},
      {"only>", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractBody(c.received), c.body) << c.received;
}

TEST(ParseReply, SplitsSlotKeyAndFields) {
  const auto wrapped = ExtractBody("##<okpdfto|0|C:\\x\\a.pdf|D:\\out\\a.docx>##");
  ASSERT_TRUE(wrapped);
  const auto reply = ParseReply(FormatQueuedReply(1, *wrapped));
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->slotText, "1");
  EXPECT_EQ(reply->body, "okpdfto|0|C:\\x\\a.pdf|D:\\out\\a.docx");
  EXPECT_EQ(reply->key, "okpdfto");
  EXPECT_EQ(reply->field1, "0");
  EXPECT_EQ(reply->field2, "C:\\x\\a.pdf");
  EXPECT_EQ(reply->field3, "D:\\out\\a.docx");

  const auto pageCount = ParseReply("0?ppdfto|-1|C:\\a.pdf");
  ASSERT_TRUE(pageCount);
  EXPECT_EQ(pageCount->field1, "-1");
  EXPECT_FALSE(pageCount->field3);

  // Empty fields are fields; a fifth one is not used.
  const auto sparse = ParseReply("2?okoperto||C:\\a.pdf||extra");
  ASSERT_TRUE(sparse);
  EXPECT_EQ(sparse->field1, "");
  EXPECT_EQ(sparse->field3, "");
}

TEST(ParseReply, DropsEveryQuestionMarkAfterTheSlot) {
  const auto reply = ParseReply("3?pgpdfto|40|C:\\a?b?.pdf");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->slotText, "3");
  EXPECT_EQ(reply->field2, "C:\\ab.pdf");
  EXPECT_EQ(reply->body, "pgpdfto|40|C:\\ab.pdf");
}

TEST(ParseReply, IgnoresShortAndMalformedTexts) {
  for (const char* text : {"", "1?a|", "12?ab|c", "1?okpdfto", "no question mark|a|b"}) {
    EXPECT_FALSE(ParseReply(text)) << text;
  }
}

TEST(ReplyNumbers, SlotMustBeWhollyAnIntegerAndFieldsReadTheirLeadingDigits) {
  EXPECT_EQ(ReadSlotNumber("1"), 1);
  EXPECT_EQ(ReadSlotNumber("10"), 10);
  EXPECT_EQ(ReadSlotNumber("-3"), -3);
  EXPECT_EQ(ReadSlotNumber("+4"), 4);
  for (const char* bad : {"", "-", "1a", " 1", "1 ", "0x1", "99999999999"}) {
    EXPECT_EQ(ReadSlotNumber(bad), std::nullopt) << '"' << bad << '"';
  }

  EXPECT_EQ(ReplyNumber("75"), 75);
  EXPECT_EQ(ReplyNumber("-2"), -2);
  EXPECT_EQ(ReplyNumber("12abc"), 12);
  EXPECT_EQ(ReplyNumber("abc"), 0);
  EXPECT_EQ(ReplyNumber(""), 0);
}

TEST(ReplyKeys, NameFamilyAndKindExactly) {
  struct Case {
    const char* key;
    ConversionFamily family;
    ReplyKind kind;
  };
  const Case cases[] = {
      {"ppdfto", ConversionFamily::pdfto, ReplyKind::PageCount},
      {"pgpdfto", ConversionFamily::pdfto, ReplyKind::Progress},
      {"okpdfto", ConversionFamily::pdfto, ReplyKind::Result},
      {"ptopdf", ConversionFamily::topdf, ReplyKind::PageCount},
      {"pgtopdf", ConversionFamily::topdf, ReplyKind::Progress},
      {"oktopdf", ConversionFamily::topdf, ReplyKind::Result},
      {"poperto", ConversionFamily::operto, ReplyKind::PageCount},
      {"pgoperto", ConversionFamily::operto, ReplyKind::Progress},
      {"okoperto", ConversionFamily::operto, ReplyKind::Result},
  };
  for (const Case& c : cases) {
    const auto key = ClassifyReplyKey(c.key);
    ASSERT_TRUE(key) << c.key;
    EXPECT_EQ(key->family, c.family) << c.key;
    EXPECT_EQ(key->kind, c.kind) << c.key;
  }
  for (const char* unknown : {"OKPDFTO", "okpdf", "pdfto", ""}) {
    EXPECT_FALSE(ClassifyReplyKey(unknown)) << unknown;
  }
}

TEST(ResultOutcome, ByCodeFamilyAndOutputPath) {
  struct Case {
    ConversionFamily family;
    const char* queued;
    ResultOutcome outcome;
  };
  const Case cases[] = {
      {ConversionFamily::pdfto, "1?okpdfto|0|C:\\a.pdf|D:\\a.docx", ResultOutcome::Succeeded},
      {ConversionFamily::pdfto, "1?okpdfto|-3|C:\\a.pdf|D:\\a.docx", ResultOutcome::Succeeded},
      {ConversionFamily::pdfto, "1?okpdfto|1|C:\\a.pdf|D:\\a.docx", ResultOutcome::Succeeded},
      {ConversionFamily::pdfto, "1?okpdfto|-2|C:\\a.pdf", ResultOutcome::Failed},
      {ConversionFamily::pdfto, "1?okpdfto|-6|C:\\a.pdf|Word(.docx)", ResultOutcome::NeedsPassword},
      {ConversionFamily::operto, "2?okoperto|-6|C:\\a.pdf|split", ResultOutcome::NeedsPassword},
      {ConversionFamily::topdf, "3?oktopdf|-6|C:\\a.doc|D:\\a.pdf", ResultOutcome::Succeeded},
      // A success without an output path has nothing to show: reported, not read past.
      {ConversionFamily::pdfto, "1?okpdfto|0|C:\\a.pdf", ResultOutcome::MissingOutput},
      {ConversionFamily::pdfto, "1?okpdfto|0|C:\\a.pdf|", ResultOutcome::MissingOutput},
      {ConversionFamily::topdf, "1?oktopdf|-6|C:\\a.doc", ResultOutcome::MissingOutput},
  };
  for (const Case& c : cases) {
    const auto reply = ParseReply(c.queued);
    ASSERT_TRUE(reply) << c.queued;
    EXPECT_EQ(ClassifyResult(c.family, *reply), c.outcome) << c.queued;
  }
}
