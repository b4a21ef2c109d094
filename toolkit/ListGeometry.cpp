#include "ListGeometry.h"

#include <algorithm>

std::vector<int> RowTops(const std::vector<int>& heights) {
  std::vector<int> tops;
  tops.reserve(heights.size() + 1);
  int y = 0;
  tops.push_back(0);
  for (int h : heights) {
    y += std::max(h, 0);
    tops.push_back(y);
  }
  return tops;
}

RowRange RowsInSpan(const std::vector<int>& tops, int top, int bottom) {
  if (tops.size() < 2 || bottom <= top) return {};
  const int rows = static_cast<int>(tops.size()) - 1;
  // First row whose bottom lies below `top`; then the first row that starts at or after `bottom`.
  const auto firstEnd = std::upper_bound(tops.begin() + 1, tops.end(), top);
  const int first = static_cast<int>(firstEnd - tops.begin()) - 1;
  const auto lastStart = std::lower_bound(tops.begin(), tops.end() - 1, bottom);
  const int last = static_cast<int>(lastStart - tops.begin());
  return {std::min(first, rows), std::max(std::min(last, rows), std::min(first, rows))};
}

int RowAt(const std::vector<int>& tops, int y) {
  const RowRange r = RowsInSpan(tops, y, y + 1);
  return r.last > r.first ? r.first : -1;
}

std::vector<UiRect> CellsUnderColumns(const UiRect& row, const std::vector<UiRect>& columns, size_t cells) {
  std::vector<UiRect> out;
  out.reserve(cells);
  for (size_t i = 0; i < cells; ++i) {
    if (i < columns.size()) out.push_back({columns[i].left, row.top, columns[i].right, row.bottom});
    else out.push_back({row.right, row.top, row.right, row.bottom});
  }
  return out;
}
