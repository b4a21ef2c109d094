// What an edit box accepts and how it shows its text, apart from any window: the digits-only
// and maximum-length rules and the password mask. Texts are ANSI byte strings of a double-byte
// code page, where a byte with its high bit set starts a two-byte character; lengths count
// characters, not bytes, so a limit of 11 holds 11 Chinese characters as well as 11 digits.
#pragma once

#include <string>

struct EditRules {
  bool digitsOnly = false;
  int maxChars = 0;  // 0: no limit
};

// The number of characters in an ANSI text; a lead byte at the very end counts as one.
int CountChars(const std::string& ansi);
// The text with what the rules forbid taken out: every character but 0 to 9 when only digits
// are allowed, then every character beyond the limit. Never splits a two-byte character.
std::string ApplyEditRules(const std::string& ansi, const EditRules& rules);
// `mask` once for every character of the text (how a password is shown).
std::string MaskText(const std::string& ansi, const std::string& mask);
