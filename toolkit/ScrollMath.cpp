#include "ScrollMath.h"

#include <algorithm>

int MaxScroll(int content, int view) { return std::max(content - std::max(view, 0), 0); }

int ClampScroll(int pos, int content, int view) { return std::clamp(pos, 0, MaxScroll(content, view)); }

UiRect ScrollThumb(const UiRect& track, int content, int view, int pos, int minThumb) {
  const int length = track.Height();
  const int maxPos = MaxScroll(content, view);
  if (maxPos == 0 || length <= 0) return track;
  // 64-bit products: content heights of long lists times track lengths overflow 32 bits.
  int height = static_cast<int>(static_cast<long long>(length) * view / content);
  height = std::clamp(height, std::min(minThumb, length), length);
  const int travel = length - height;
  const int top = track.top + static_cast<int>(static_cast<long long>(travel) * ClampScroll(pos, content, view) / maxPos);
  return {track.left, top, track.right, top + height};
}

int ScrollPosForThumb(const UiRect& track, int thumbHeight, int thumbTop, int content, int view) {
  const int travel = track.Height() - thumbHeight;
  const int maxPos = MaxScroll(content, view);
  if (travel <= 0 || maxPos == 0) return 0;
  const int offset = std::clamp(thumbTop - track.top, 0, travel);
  // Rounded up: the thumb drawn for the answer then sits exactly at `thumbTop` whenever there
  // are at least as many positions as pixels to travel.
  return static_cast<int>((static_cast<long long>(offset) * maxPos + travel - 1) / travel);
}
