#include "TextHelpers.h"

#include "CharWalk.h"

namespace {

// Start offsets of all characters, plus the text's length as a final entry.
std::vector<size_t> CharStarts(const std::string& text) {
  std::vector<size_t> starts;
  for (size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) starts.push_back(pos);
  starts.push_back(text.size());
  return starts;
}

}  // namespace

std::string ElideMiddle(const std::string& text, size_t head, size_t tail) {
  const std::vector<size_t> starts = CharStarts(text);
  const size_t chars = starts.size() - 1;
  // The head spans about 2 x head bytes: each two-byte character in that span costs one place.
  size_t headCount = 2 * head;
  for (size_t i = 0; i < chars && starts[i + 1] <= 2 * head; ++i)
    if (starts[i + 1] - starts[i] == 2) --headCount;
  if (chars <= headCount + tail + 1) return text;
  return text.substr(0, starts[headCount]) + "***" + text.substr(starts[chars - tail]);
}

std::string TruncateChars(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t covered = 0;
  while (covered < limit) covered += CharLengthAt(text, covered);
  return text.substr(0, covered);
}

std::string MaskChars(const std::string& text, size_t start, size_t count, const std::string& mask) {
  // A span reaching past the end (a 5-digit name masked from 3 for 4) leaves the text as it is.
  if (text.empty() || count >= text.size() || start > text.size() - count) return text;
  std::string out = text.substr(0, start);
  for (size_t i = 0; i < count; ++i) out += mask;
  return out + text.substr(start + count);
}
