// Where a frameless window may be dragged or sized. The window answers the system's hit test
// from these rules, so the caption band and the sizing border of the layout behave like the
// frame the window does not have.
#pragma once

#include <string>

#include "Geometry.h"

// Which controls inside the caption band keep the mouse for themselves (no drag starts there).
enum class CaptionVariant {
  ButtonOptionText,  // "Button", "Option" or "Text", compared without regard to case
  ButtonOnly,        // exactly "Button"
};

bool BlocksCaptionDrag(CaptionVariant variant, const std::string& className);

// True when `pt` (client coordinates) lies in the caption band: horizontally within the insets
// `caption.left` and `caption.right` of the client area, vertically from `caption.top`
// (inclusive) to `caption.bottom` (exclusive).
bool InCaptionBand(const UiRect& client, const UiRect& caption, UiPoint pt);

enum class SizingZone { None, Left, Top, Right, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// The sizing zone under `pt` for a border of the given widths (left, top, right, bottom) inside
// the client area; corners win over edges.
SizingZone SizingZoneAt(const UiRect& client, const UiRect& border, UiPoint pt);
