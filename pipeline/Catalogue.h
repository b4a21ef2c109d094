// What each conversion family is made of: its controls in the main window, the words of its
// converter messages, the input files it accepts, and the output formats of PDF conversion.
#pragma once

#include <string>

#include "ConversionFamily.h"

struct FamilyInfo {
  const char* workAreaOption;  // option that shows the family's work area
  const char* innerPage;       // tab layout: page 0 the empty-list hint, page 1 the list
  const char* listControl;
  const char* rowLayout;
  const char* startButton;
  const char* busyAnimation;   // shown instead of the start button while the family is busy
  const char* commandVerb;
  const char* pageQueryVerb;
  const char* pageReplyKey;
  const char* progressKey;
  const char* resultKey;
  const char* historyType;     // the family number as text
  const char* const* extensions;
  int extensionCount;
};

const FamilyInfo& FamilyInfoOf(ConversionFamily family);

// Exact, case-sensitive comparison against the family's lower-case extensions.
bool AcceptsExtension(ConversionFamily family, const std::string& extension);

// The extension of a full path's file name: the text after the last "." of the text after the
// last "\"; empty when the name has no ".".
std::string ExtensionOfPath(const std::string& path);

bool AcceptsFile(ConversionFamily family, const std::string& path);

// The output formats of the PDF conversion, in the order of a row's format drop-down.
constexpr int kOutputFormatCount = 13;

// The drop-down text of a format ("Word(.docx)"); empty for an index outside 0..12.
std::string OutputFormatText(int index);
