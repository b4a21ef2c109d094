// Placement arithmetic of the layout containers, apart from the controls themselves: given the
// area inside a container and what each child asks for, where each child goes.
#pragma once

#include <vector>

#include "Geometry.h"

// What a child asks of its container. A fixed size of 0 means "take a share of what is left".
struct BoxItem {
  bool visible = true;
  int fixedWidth = 0;
  int fixedHeight = 0;
  UiRect padding;  // outer margins: left, top, right, bottom
};

// Children one below the other. Fixed heights are honoured first; the height left over is shared
// equally among the others (the last of them takes the remainder). Widths are the fixed width or
// the whole area less the margins. `gap` separates visible neighbours. Hidden children get an
// empty rectangle at the point where they would start.
std::vector<UiRect> LayoutVertical(const UiRect& area, int gap, const std::vector<BoxItem>& items);

// The same across: children side by side from left to right.
std::vector<UiRect> LayoutHorizontal(const UiRect& area, int gap, const std::vector<BoxItem>& items);

// Children in a grid of cells filled row by row. `columns` > 0 fixes the number of columns;
// otherwise `cell.cx` gives the cell width and as many columns fit as the area allows (at least
// one). A cell's height is `cell.cy`, else the tallest fixed height in its row, else the cell
// width. Each child fills its cell less its margins, or its fixed size from the cell's corner.
std::vector<UiRect> LayoutTile(const UiRect& area, int columns, UiSize cell, const std::vector<BoxItem>& items);

// Children stacked over one another, each filling the area less its margins, or its fixed size
// from the top-left corner.
std::vector<UiRect> LayoutOverlay(const UiRect& area, const std::vector<BoxItem>& items);
