// An image descriptor names an image of the skin and says how to draw it, in the text form the
// layouts use:  file='loading.png' source='28,0,56,32'  or  file='menubk.png' corner='1,1,1,1'.
// A bare name ("logo64.png") is a descriptor with only a file.
//
//   file    image path inside the skin archive
//   source  part of the image to use (left, top, right, bottom); the whole image when absent
//   corner  nine-grid insets of the source: corners keep their size, edges and middle stretch
//   dest    where to draw inside the control (left, top, right, bottom from its top-left);
//           the whole control when absent
//   alpha   0 (invisible) to 255 (as the image is)
#pragma once

#include <string>
#include <vector>

#include "Geometry.h"

struct ImageDescriptor {
  std::string file;
  bool hasSource = false;
  UiRect source;
  UiRect corner;
  bool hasDest = false;
  UiRect dest;
  int alpha = 255;

  bool IsEmpty() const { return file.empty(); }
};

// Reads a descriptor; unknown keys and malformed values are ignored, so any text gives a
// descriptor (an empty file name when none was found).
ImageDescriptor ParseImageDescriptor(const std::string& text);

// One piece of a nine-grid draw: a part of the image and where it goes.
struct ImageSlice {
  UiRect from;
  UiRect to;
};

// Splits a draw of `source` into `target` by the nine-grid insets `corner`. Corners keep their
// size unless the target is too small for them, in which case both opposite insets shrink in
// proportion. Empty pieces are left out, so a descriptor without corners gives one slice.
std::vector<ImageSlice> NineGridSlices(const UiRect& source, const UiRect& corner, const UiRect& target);

// The rectangle a descriptor draws into, for a control at `bounds`: its dest offset from the
// control's top-left, or the control itself.
UiRect DescriptorTarget(const ImageDescriptor& d, const UiRect& bounds);
