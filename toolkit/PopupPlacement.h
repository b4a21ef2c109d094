// Where a popup window goes on the screen, apart from any window: kept inside the work area of
// its monitor, and drop-down lists placed under (or, lacking room, over) what opened them.
#pragma once

#include "Geometry.h"

// Moves `r` into `area` along the chosen axes without changing its size: a rectangle running
// past the right (bottom) edge is moved back to end there, and one starting before the left
// (top) edge, or larger than the area, starts at that edge.
UiRect ClampIntoArea(const UiRect& r, const UiRect& area, bool horizontal, bool vertical);

// A drop-down of `size` for `anchor`: below it, left edges lined up, unless it does not fit
// below and there is more room above; then moved into the area across. When it fits neither
// way it keeps the larger side and is cut to the room there.
UiRect DropDownRect(const UiRect& anchor, UiSize size, const UiRect& area);
