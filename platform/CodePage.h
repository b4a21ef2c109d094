// Conversions between the ANSI code page, in which the program holds its texts, and UTF-8 or
// UTF-16 at the program's borders. A failed conversion gives an empty text.
#pragma once

#include <string>

std::string AnsiToUtf8(const std::string& text);
// Characters the ANSI code page lacks become the system's default character.
std::string Utf8ToAnsi(const std::string& text);
// Converts the zero-terminated `text` from `codePage` into `out` (emptied first), which holds
// `units` UTF-16 units. Returns `out`, or null for a null pointer or a failed conversion.
wchar_t* ToWide(wchar_t* out, const char* text, int units, unsigned codePage);
