// Arithmetic of vertical scrolling, apart from any control: a view of `view` pixels over content
// of `content` pixels, scrolled by `pos` pixels from the top of the content, and the thumb of a
// scroll bar that shows it.
#pragma once

#include "Geometry.h"

// The largest position: 0 when the content fits the view.
int MaxScroll(int content, int view);
int ClampScroll(int pos, int content, int view);
// The thumb inside `track`: as tall as the view is of the content (at least `minThumb`, at most
// the track), placed as far down as the position is of the largest position. The whole track
// when the content fits.
UiRect ScrollThumb(const UiRect& track, int content, int view, int pos, int minThumb);
// The position that puts a thumb of height `thumbHeight` with its top at `thumbTop` (a drag).
int ScrollPosForThumb(const UiRect& track, int thumbHeight, int thumbTop, int content, int view);
