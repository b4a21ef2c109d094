#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Catalogue.h"
#include "OptionRules.h"

namespace {

OptionSelected SelectedAmong(std::set<std::string> names) {
  return [names](const char* name) { return names.count(name) > 0; };
}

}  // namespace

TEST(Catalogue, AcceptsFilesByExactLowerCaseExtension) {
  struct Case {
    ConversionFamily family;
    const char* path;
    bool accepted;
  };
  const Case cases[] = {
      {ConversionFamily::pdfto, "C:\\x\\a.pdf", true},
      {ConversionFamily::pdfto, "C:\\x\\a.PDF", false},
      {ConversionFamily::operto, "C:\\x\\a.PDF", false},
      {ConversionFamily::operto, "C:\\x\\a.pdf", true},
      {ConversionFamily::pdfto, "C:\\x\\a.b.pdf", true},
      {ConversionFamily::pdfto, "C:\\x\\pdf", false},
      {ConversionFamily::pdfto, "C:\\x.pdf\\noext", false},
      {ConversionFamily::pdfto, "C:\\x\\a.doc", false},
      {ConversionFamily::topdf, "C:\\x\\a.jpge", true},
      {ConversionFamily::topdf, "C:\\x\\a.jpeg", false},
      {ConversionFamily::topdf, "C:\\x\\plan.dwg", true},
      {ConversionFamily::topdf, "C:\\x\\a.tiff", true},
      {ConversionFamily::topdf, "C:\\x\\a.pdf", false},
      {ConversionFamily::topdf, "D:\\报告\\季度.xlsx", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AcceptsFile(c.family, c.path), c.accepted)
        << c.path << " in family " << FamilyNumber(c.family);
  }
}

TEST(Catalogue, OutputFormatTextsFollowTheDropDownOrder) {
  EXPECT_EQ(OutputFormatText(0), "Word(.doc)");
  EXPECT_EQ(OutputFormatText(1), "Word(.docx)");
  EXPECT_EQ(OutputFormatText(6), "Image(.png)");
  EXPECT_EQ(OutputFormatText(10), "Image(.emf)");
  EXPECT_EQ(OutputFormatText(12), "Txt(.txt)");
  EXPECT_EQ(OutputFormatText(13), "");
  EXPECT_EQ(OutputFormatText(-1), "");
}

TEST(Catalogue, FamilyNumbersOutsideTheThreeAreRefused) {
  ConversionFamily family = ConversionFamily::pdfto;
  EXPECT_TRUE(FamilyFromNumber(2, family));
  EXPECT_EQ(family, ConversionFamily::operto);
  EXPECT_FALSE(FamilyFromNumber(3, family));
  EXPECT_FALSE(FamilyFromNumber(-1, family));
  EXPECT_EQ(family, ConversionFamily::operto);
}

TEST(OptionRules, SelectedFormatIndex) {
  struct Case {
    std::set<std::string> selected;
    int index;
  };
  const Case cases[] = {
      {{}, 0},
      {{"opt_morvane"}, 0},
      {{"opt_morvane", "opt_docx"}, 1},
      {{"opt_pdf2excel"}, 0},
      {{"opt_pdf2excel", "opt_xls"}, 2},
      {{"opt_pdf2excel", "opt_xlsx"}, 3},
      {{"opt_pdf2ppt", "opt_ppt"}, 4},
      {{"opt_pdf2ppt", "opt_pptx"}, 5},
      {{"opt_pdf2img"}, 0},
      {{"opt_pdf2img", "opt_jpg"}, 7},
      {{"opt_pdf2img", "opt_emf"}, 10},
      {{"opt_pdf2html"}, 11},
      {{"opt_pdf2txt"}, 12},
      // A sub-option counts only under its own main option.
      {{"opt_docx"}, 0},
      {{"opt_pdf2txt", "opt_xlsx"}, 12},
      // Main options are checked in a fixed order.
      {{"opt_morvane", "opt_pdf2txt"}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectedFormatIndex(SelectedAmong(c.selected)), c.index)
        << ::testing::PrintToString(c.selected);
  }
}

TEST(OptionRules, KindsOfAStart) {
  struct Case {
    std::set<std::string> selected;
    const char* topdf;
    const char* operto;
  };
  const Case cases[] = {
      {{}, "word", "split"},
      {{"opt_cad2pdf"}, "word", "split"},
      {{"opt_imageinonepdf", "opt_img2pdf"}, "imgall", "split"},
      {{"opt_excel2pdf"}, "excel", "split"},
      {{"opt_ppt2pdf", "opt_pdfcompress"}, "ppt", "compress"},
      {{"opt_img2pdf", "opt_pdfmerge"}, "img", "merge"},
      {{"opt_pdfdecode"}, "word", "decrypt"},
      {{"opt_pdfgetimg"}, "word", "tojpg"},
      {{"opt_ocrtext"}, "word", "ocrto"},
      {{"opt_pdfsplit", "opt_pdfmerge"}, "word", "split"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TopdfKind(SelectedAmong(c.selected)), c.topdf) << ::testing::PrintToString(c.selected);
    EXPECT_EQ(OpertoKind(SelectedAmong(c.selected)), c.operto) << ::testing::PrintToString(c.selected);
  }
}

TEST(OptionRules, TextRecognitionTakesOnlyNonPdfRows) {
  EXPECT_FALSE(OperKindTakesRow("ocrto", "pdf"));
  EXPECT_TRUE(OperKindTakesRow("ocrto", "png"));
  EXPECT_TRUE(OperKindTakesRow("split", "pdf"));
  EXPECT_FALSE(OperKindTakesRow("merge", "png"));
  EXPECT_FALSE(OperKindTakesRow("split", "PDF"));
}
