#include "PopupPlacement.h"

#include <algorithm>

namespace {

// Start of a span of `length` moved into [lo, hi).
int ClampSpan(int start, int length, int lo, int hi) {
  if (start + length > hi) start = hi - length;
  return std::max(start, lo);
}

}  // namespace

UiRect ClampIntoArea(const UiRect& r, const UiRect& area, bool horizontal, bool vertical) {
  const int x = horizontal ? ClampSpan(r.left, r.Width(), area.left, area.right) : r.left;
  const int y = vertical ? ClampSpan(r.top, r.Height(), area.top, area.bottom) : r.top;
  return {x, y, x + r.Width(), y + r.Height()};
}

UiRect DropDownRect(const UiRect& anchor, UiSize size, const UiRect& area) {
  const int below = area.bottom - anchor.bottom, above = anchor.top - area.top;
  int top, height = size.cy;
  if (height <= below || below >= above) {
    top = anchor.bottom;
    height = std::min(height, std::max(below, 0));
  } else {
    height = std::min(height, std::max(above, 0));
    top = anchor.top - height;
  }
  const UiRect placed{anchor.left, top, anchor.left + size.cx, top + height};
  return ClampIntoArea(placed, area, true, false);
}
