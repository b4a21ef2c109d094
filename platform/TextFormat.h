// Formatting helpers built on the C library.
#pragma once

#include <cstdio>
#include <string>

#ifdef __MINGW_PRINTF_FORMAT
#define LUMVEX_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define LUMVEX_PRINTF_FORMAT printf
#endif

// printf-style formatting into a text of exactly the length the format needs.
std::string FormatText(const char* format, ...)
    __attribute__((format(LUMVEX_PRINTF_FORMAT, 1, 2)));
// Today's local date as "2019-10-11".
std::string TodayText();
// Six lower-case hexadecimal digits. The C library's generator is reseeded with the current
// second at every call, so calls within one second give the same text.
std::string RandomHex6();
