#include "Protocol.h"

#include <initializer_list>

#include "Catalogue.h"

namespace {

// Route digit, "<", verb and fields joined by "|", ">".
std::string FormatBody(const char* route, const std::string& verb,
                       std::initializer_list<std::string> fields) {
  std::string text = route;
  text += '<';
  text += verb;
  for (const std::string& field : fields) {
    text += '|';
    text += field;
  }
  text += '>';
  return text;
}

}  // namespace

bool FitsMailbox(const std::string& text) { return text.size() <= kMaxMailboxText; }

std::string FormatPageServiceArguments(int slot) { return std::to_string(slot) + " page_num"; }

std::string FormatJobArguments(int slot, const std::string& command) {
  return std::to_string(slot) + " " + command;
}

std::string FormatPageQuery(ConversionFamily family, int rowTag, const std::string& path) {
  return FormatBody("0", FamilyInfoOf(family).pageQueryVerb,
                    {std::to_string(rowTag), std::to_string(path.size()), path});
}

std::string FormatTarget(const std::string& inputPath, const std::string& outputFolder) {
  return inputPath + "*" + outputFolder;
}

std::string FormatCommand(const std::string& verb, int jobIndex, const std::string& target,
                          const std::string& pageRange, const std::string& password,
                          const std::string& option) {
  return FormatBody("1", verb,
                    {std::to_string(jobIndex), std::to_string(target.size()), target, pageRange,
                     password, option});
}

std::string FormatResubmission(const std::string& verb, const std::string& target,
                               const std::string& pageRange, const std::string& password,
                               const std::string& option) {
  return FormatBody("1", verb, {"0", "0", target, pageRange, password, option});
}

std::string FormatPageRange(int firstPage, int lastPage) {
  return std::to_string(firstPage) + "-" + std::to_string(lastPage);
}
