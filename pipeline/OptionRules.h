// The choices the main window's option controls make for a conversion, written as functions of
// which options are selected, so the rules hold whatever draws the options.
#pragma once

#include <functional>
#include <string>

// Answers whether the option control of the given name is selected.
using OptionSelected = std::function<bool(const char* optionName)>;

// The output format index (0..12) a new PDF-to-other row starts with.
int SelectedFormatIndex(const OptionSelected& selected);

// The kind of an other-to-PDF start: "imgall", "word", "excel", "ppt" or "img".
std::string TopdfKind(const OptionSelected& selected);

// The kind of a PDF-operations start: "split", "merge", "compress", "decrypt", "tojpg" or "ocrto".
std::string OpertoKind(const OptionSelected& selected);

// Whether a start of the given operations kind converts a row with this file extension: text
// recognition takes only non-PDF files, every other operation only PDF files.
bool OperKindTakesRow(const std::string& kind, const std::string& extension);
