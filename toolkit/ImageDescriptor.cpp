#include "ImageDescriptor.h"

#include <algorithm>

#include "AttributeText.h"

namespace {

// Reads "key='value'" pairs; a value may also be double-quoted or, for the last key, unquoted.
bool NextPair(const std::string& text, size_t& pos, std::string& key, std::string& value) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  const size_t eq = text.find('=', pos);
  if (pos >= text.size() || eq == std::string::npos) return false;
  key = text.substr(pos, eq - pos);
  while (!key.empty() && key.back() == ' ') key.pop_back();
  pos = eq + 1;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos < text.size() && (text[pos] == '\'' || text[pos] == '"')) {
    const char quote = text[pos++];
    const size_t end = text.find(quote, pos);
    value = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end + 1;
  } else {
    const size_t end = text.find(' ', pos);
    value = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end;
  }
  return true;
}

// Splits a length into the parts before, between and after two insets that may not fit.
void SplitAxis(int length, int a, int b, int& first, int& last) {
  a = std::max(a, 0);
  b = std::max(b, 0);
  if (a + b > length && a + b > 0) {
    first = static_cast<int>(static_cast<long long>(std::max(length, 0)) * a / (a + b));
    last = std::max(length, 0) - first;
  } else {
    first = a;
    last = b;
  }
}

}  // namespace

ImageDescriptor ParseImageDescriptor(const std::string& text) {
  ImageDescriptor d;
  if (text.find('=') == std::string::npos) {
    d.file = text;
    return d;
  }
  size_t pos = 0;
  std::string key, value;
  while (NextPair(text, pos, key, value)) {
    if (key == "file") {
      d.file = value;
    } else if (key == "source") {
      d.hasSource = ParseRect(value, d.source) && !d.source.IsEmpty();
    } else if (key == "corner") {
      if (!ParseRect(value, d.corner)) d.corner = {};
    } else if (key == "dest") {
      d.hasDest = ParseRect(value, d.dest) && !d.dest.IsEmpty();
    } else if (key == "alpha") {
      int a = 255;
      if (ParseInt(value, a)) d.alpha = std::clamp(a, 0, 255);
    }
  }
  return d;
}

std::vector<ImageSlice> NineGridSlices(const UiRect& source, const UiRect& corner, const UiRect& target) {
  std::vector<ImageSlice> slices;
  if (source.IsEmpty() || target.IsEmpty()) return slices;
  // Insets bigger than the source are cut down first, then the target's share is worked out.
  int sl, sr, st, sb, tl, tr, tt, tb;
  SplitAxis(source.Width(), corner.left, corner.right, sl, sr);
  SplitAxis(source.Height(), corner.top, corner.bottom, st, sb);
  SplitAxis(target.Width(), sl, sr, tl, tr);
  SplitAxis(target.Height(), st, sb, tt, tb);
  const int sx[4] = {source.left, source.left + sl, source.right - sr, source.right};
  const int sy[4] = {source.top, source.top + st, source.bottom - sb, source.bottom};
  const int tx[4] = {target.left, target.left + tl, target.right - tr, target.right};
  const int ty[4] = {target.top, target.top + tt, target.bottom - tb, target.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const UiRect from{sx[col], sy[row], sx[col + 1], sy[row + 1]};
      const UiRect to{tx[col], ty[row], tx[col + 1], ty[row + 1]};
      if (!from.IsEmpty() && !to.IsEmpty()) slices.push_back({from, to});
    }
  }
  return slices;
}

UiRect DescriptorTarget(const ImageDescriptor& d, const UiRect& bounds) {
  if (!d.hasDest) return bounds;
  return d.dest.Offset(bounds.left, bounds.top);
}
