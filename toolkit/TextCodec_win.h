// Conversions between the program's ANSI texts, the UTF-8 of the layout files and the UTF-16
// that drawing functions and system components (edit windows, the web browser) use.
#pragma once

#include <string>

std::string Utf8ToAnsiText(const std::string& utf8);
std::wstring AnsiToWideText(const std::string& ansi);
std::string WideToAnsiText(const std::wstring& wide);
