#include "OptionRules.h"

namespace {

struct NamedChoice {
  const char* option;
  const char* value;
};

struct IndexedChoice {
  const char* option;
  int index;
};

// A main format option with its sub-options; `fallback` applies when no sub-option is selected.
struct FormatGroup {
  const char* mainOption;
  int fallback;
  IndexedChoice subOptions[5];
};

const FormatGroup kFormatGroups[] = {
    {"opt_morvane", 0, {{"opt_doc", 0}, {"opt_docx", 1}}},
    {"opt_pdf2excel", 0, {{"opt_xls", 2}, {"opt_xlsx", 3}}},
    {"opt_pdf2ppt", 0, {{"opt_ppt", 4}, {"opt_pptx", 5}}},
    {"opt_pdf2img", 0,
     {{"opt_png", 6}, {"opt_jpg", 7}, {"opt_gif", 8}, {"opt_bmp", 9}, {"opt_emf", 10}}},
    {"opt_pdf2html", 11, {}},
    {"opt_pdf2txt", 12, {}},
};

const NamedChoice kTopdfKinds[] = {
    {"opt_imageinonepdf", "imgall"}, {"opt_word2pdf", "word"}, {"opt_excel2pdf", "excel"},
    {"opt_ppt2pdf", "ppt"},          {"opt_img2pdf", "img"},
};

const NamedChoice kOpertoKinds[] = {
    {"opt_pdfsplit", "split"},     {"opt_pdfmerge", "merge"},   {"opt_pdfcompress", "compress"},
    {"opt_pdfdecode", "decrypt"},  {"opt_pdfgetimg", "tojpg"},  {"opt_ocrtext", "ocrto"},
};

template <size_t N>
std::string FirstSelected(const NamedChoice (&choices)[N], const char* fallback,
                          const OptionSelected& selected) {
  for (const NamedChoice& choice : choices) {
    if (selected(choice.option)) return choice.value;
  }
  return fallback;
}

}  // namespace

int SelectedFormatIndex(const OptionSelected& selected) {
  for (const FormatGroup& group : kFormatGroups) {
    if (!selected(group.mainOption)) continue;
    for (const IndexedChoice& sub : group.subOptions) {
      if (sub.option && selected(sub.option)) return sub.index;
    }
    return group.fallback;
  }
  return 0;
}

// The CAD option has no kind of its own: CAD drawings go to the converter as "word".
std::string TopdfKind(const OptionSelected& selected) {
  return FirstSelected(kTopdfKinds, "word", selected);
}

std::string OpertoKind(const OptionSelected& selected) {
  return FirstSelected(kOpertoKinds, "split", selected);
}

bool OperKindTakesRow(const std::string& kind, const std::string& extension) {
  const bool isPdf = extension == "pdf";
  return kind == "ocrto" ? !isPdf : isPdf;
}
