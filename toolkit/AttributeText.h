// Reading the values of layout attributes: numbers, number lists, colours and switches. Every
// function accepts any text and answers with a fallback instead of failing, because layouts come
// from the skin archive and a bad value must not break a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Geometry.h"

// Up to `max` comma-separated integers; parsing stops at the first item that is not a number.
std::vector<int> ParseIntList(const std::string& text, size_t max = 8);
// "l,t,r,b"; true only when all four numbers are present.
bool ParseRect(const std::string& text, UiRect& out);
// "cx,cy"; true only when both numbers are present.
bool ParseSize(const std::string& text, UiSize& out);
// A whole decimal integer (an optional sign, digits, nothing else), within int range.
bool ParseInt(const std::string& text, int& out);
// "#AARRGGBB" or "#RRGGBB" (opaque); also accepts "0x" in place of "#".
bool ParseColor(const std::string& text, uint32_t& argb);
// "true"/"false" (also "1"/"0"); anything else leaves `out` unchanged and answers false.
bool ParseBool(const std::string& text, bool& out);
