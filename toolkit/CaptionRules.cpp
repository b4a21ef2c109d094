#include "CaptionRules.h"

#include <cctype>

namespace {

bool EqualsNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && !b[i];
}

}  // namespace

bool BlocksCaptionDrag(CaptionVariant variant, const std::string& className) {
  if (variant == CaptionVariant::ButtonOnly) return className == "Button";
  return EqualsNoCase(className, "Button") || EqualsNoCase(className, "Option") || EqualsNoCase(className, "Text");
}

bool InCaptionBand(const UiRect& client, const UiRect& caption, UiPoint pt) {
  if (pt.x < client.left + caption.left || pt.x >= client.right - caption.right) return false;
  return pt.y >= caption.top && pt.y < caption.bottom;
}

SizingZone SizingZoneAt(const UiRect& client, const UiRect& border, UiPoint pt) {
  if (!client.Contains(pt.x, pt.y)) return SizingZone::None;
  const bool left = pt.x < client.left + border.left;
  const bool right = pt.x >= client.right - border.right;
  const bool top = pt.y < client.top + border.top;
  const bool bottom = pt.y >= client.bottom - border.bottom;
  if (top && left) return SizingZone::TopLeft;
  if (top && right) return SizingZone::TopRight;
  if (bottom && left) return SizingZone::BottomLeft;
  if (bottom && right) return SizingZone::BottomRight;
  if (left) return SizingZone::Left;
  if (right) return SizingZone::Right;
  if (top) return SizingZone::Top;
  if (bottom) return SizingZone::Bottom;
  return SizingZone::None;
}
