// Plain geometry of the toolkit: rectangles in pixels, with the right and bottom edges exclusive.
// Free of Windows types so that layout arithmetic builds and tests anywhere.
#pragma once

struct UiPoint {
  int x = 0;
  int y = 0;
};

struct UiSize {
  int cx = 0;
  int cy = 0;
};

struct UiRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool Intersects(const UiRect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
  // Shrinks by per-side insets (an inset rectangle holds left, top, right and bottom widths).
  UiRect Deflated(const UiRect& insets) const {
    return {left + insets.left, top + insets.top, right - insets.right, bottom - insets.bottom};
  }
  UiRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const UiRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const UiRect& o) const { return !(*this == o); }
};
