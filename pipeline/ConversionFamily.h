// The three conversion families, one per work area of the main window. The number of a family
// is also its list index in the main window and its type in the history store.
#pragma once

enum class ConversionFamily : int {
  pdfto = 0,   // PDF to other formats
  topdf = 1,   // other formats to PDF
  operto = 2,  // operations on PDF files
};

constexpr int kFamilyCount = 3;

constexpr int FamilyNumber(ConversionFamily family) { return static_cast<int>(family); }

// False for a number outside 0..2; `family` is then left alone.
[[nodiscard]] bool FamilyFromNumber(int number, ConversionFamily& family);
