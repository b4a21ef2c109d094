#include "TextHelpers.h"

#include "CharWalk.h"

std::vector<std::string> Split(const std::string& text, const std::string& delimiter) {
  if (delimiter.empty()) return {text};
  // The text after the last delimiter is always a piece: a trailing delimiter yields a trailing
  // empty piece and an empty text yields one empty piece.
  std::vector<std::string> pieces;
  size_t begin = 0;
  for (size_t end; (end = FindAtCharStart(text, delimiter, begin)) != std::string::npos;) {
    pieces.push_back(text.substr(begin, end - begin));
    begin = end + delimiter.size();
  }
  pieces.push_back(text.substr(begin));
  return pieces;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string out;
  size_t begin = 0;
  for (size_t hit; (hit = FindAtCharStart(text, from, begin)) != std::string::npos;) {
    out.append(text, begin, hit - begin).append(to);
    begin = hit + from.size();
  }
  return out.append(text, begin, std::string::npos);
}
