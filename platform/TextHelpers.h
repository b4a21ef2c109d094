// Byte-string helpers shared by the whole program. Texts are held in the ANSI code page, a
// double-byte code page in which a byte with its high bit set starts a two-byte character.
// Nothing here needs the Windows API.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Hexadecimal and digests.
std::string HexEncode(const void* bytes, size_t count);
// Replaces `out` with the bytes read from pairs of digits; returns their number.
size_t HexDecode(const std::string& text, std::string& out);
std::string Md5Hex(const std::string& text, bool upper = false);

// Splitting and replacing.
std::vector<std::string> Split(const std::string& text, const std::string& delimiter);
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

// Shortening for display; none of them cuts a two-byte character.
std::string ElideMiddle(const std::string& text, size_t head, size_t tail);
std::string TruncateChars(const std::string& text, size_t limit);
std::string MaskChars(const std::string& text, size_t start, size_t count, const std::string& mask);

// Numbers.
bool IsNumber(const std::string& text);
bool IsDigitsAndDots(const std::string& text);
int ParseInt(const std::string& text);
int TextToInt(const std::string& text);

// Paths; the backslash is the only separator these know.
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path, bool keepSeparator);
std::string ExtensionOf(const std::string& nameOrPath);
