// Where the rows of a list lie, apart from the controls: rows stacked from the top of the
// content, described by their tops, and the cells of a row under the header's columns. Looking
// rows up by position is a binary search, so a list of any length finds its visible rows at once.
#pragma once

#include <cstddef>
#include <vector>

#include "Geometry.h"

// tops[i] is where row i starts, tops[n] the height of all n rows; heights below 0 count as 0.
std::vector<int> RowTops(const std::vector<int>& heights);

// The rows [first, last) that reach into the span [top, bottom) of the content.
struct RowRange {
  int first = 0;
  int last = 0;
};
RowRange RowsInSpan(const std::vector<int>& tops, int top, int bottom);

// The row under position `y` of the content; -1 when there is none (rows of no height are never
// found).
int RowAt(const std::vector<int>& tops, int y);

// Cells of a row under the columns of its header: cell i spans column i across and the row
// down. Cells without a column are given an empty rectangle at the row's right edge.
std::vector<UiRect> CellsUnderColumns(const UiRect& row, const std::vector<UiRect>& columns, size_t cells);
