#include "Catalogue.h"

#include "TextHelpers.h"

namespace {

const char* const kPdfExtensions[] = {"pdf"};
// "jpge" is what the converter accepts; the four-letter JPEG extension is deliberately absent.
const char* const kToPdfExtensions[] = {"doc", "docx", "xls", "xlsx", "ppt", "pptx", "jpg",
                                        "jpge", "png", "bmp", "gif", "tif", "tiff", "dwg"};

template <int N>
constexpr int CountOf(const char* const (&)[N]) { return N; }

const FamilyInfo kFamilies[kFamilyCount] = {
    {"opt_pdf2other", "tab_pdf2other", "list_pdf2other", "listitem.xml", "btn_conver_pdf2other",
     "gif_conver_pdf2other", "pdfto", "ppdfto", "ppdfto", "pgpdfto", "okpdfto", "0",
     kPdfExtensions, CountOf(kPdfExtensions)},
    {"opt_other2pdf", "tab_other2pdf", "list_other2pdf", "listitem_o2p.xml", "btn_conver_other2pdf",
     "gif_conver_other2pdf", "topdf", "ptopdf", "ptopdf", "pgtopdf", "oktopdf", "1",
     kToPdfExtensions, CountOf(kToPdfExtensions)},
    {"opt_operPdf", "tab_operpdf", "list_operpdf", "listitem_oper.xml", "btn_conver_operpdf",
     "gif_conver_operpdf", "operto", "poperto", "poperto", "pgoperto", "okoperto", "2",
     kPdfExtensions, CountOf(kPdfExtensions)},
};

const char* const kOutputFormats[kOutputFormatCount] = {
    "Word(.doc)",  "Word(.docx)", "Excel(.xls)", "Excel(.xlsx)", "Ppt(.ppt)",
    "Ppt(.pptx)",  "Image(.png)", "Image(.jpg)", "Image(.gif)",  "Image(.bmp)",
    "Image(.emf)", "Html(.html)", "Txt(.txt)"};

}  // namespace

bool FamilyFromNumber(int number, ConversionFamily& family) {
  if (number < 0 || number >= kFamilyCount) return false;
  family = static_cast<ConversionFamily>(number);
  return true;
}

const FamilyInfo& FamilyInfoOf(ConversionFamily family) {
  return kFamilies[FamilyNumber(family)];
}

bool AcceptsExtension(ConversionFamily family, const std::string& extension) {
  const FamilyInfo& info = FamilyInfoOf(family);
  for (int i = 0; i < info.extensionCount; ++i) {
    if (extension == info.extensions[i]) return true;
  }
  return false;
}

std::string ExtensionOfPath(const std::string& path) {
  return ExtensionOf(FileNameOf(path));
}

bool AcceptsFile(ConversionFamily family, const std::string& path) {
  return AcceptsExtension(family, ExtensionOfPath(path));
}

std::string OutputFormatText(int index) {
  if (index < 0 || index >= kOutputFormatCount) return std::string();
  return kOutputFormats[index];
}
