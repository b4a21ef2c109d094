#include "BoxLayout.h"

#include <algorithm>

namespace {

// The stacking axis is written once; `vertical` selects which fields play "main" and "cross".
struct Axis {
  bool vertical;
  int MainFixed(const BoxItem& i) const { return vertical ? i.fixedHeight : i.fixedWidth; }
  int CrossFixed(const BoxItem& i) const { return vertical ? i.fixedWidth : i.fixedHeight; }
  int MainBefore(const UiRect& p) const { return vertical ? p.top : p.left; }
  int MainAfter(const UiRect& p) const { return vertical ? p.bottom : p.right; }
  int CrossBefore(const UiRect& p) const { return vertical ? p.left : p.top; }
  int CrossAfter(const UiRect& p) const { return vertical ? p.right : p.bottom; }
  UiRect Make(int main0, int main1, int cross0, int cross1) const {
    return vertical ? UiRect{cross0, main0, cross1, main1} : UiRect{main0, cross0, main1, cross1};
  }
};

std::vector<UiRect> LayoutStack(const UiRect& area, int gap, const std::vector<BoxItem>& items, Axis axis) {
  const int mainStart = axis.vertical ? area.top : area.left;
  const int mainLength = axis.vertical ? area.Height() : area.Width();
  const int crossStart = axis.vertical ? area.left : area.top;
  const int crossLength = axis.vertical ? area.Width() : area.Height();

  int fixedTotal = 0, flexible = 0, visible = 0;
  for (const BoxItem& item : items) {
    if (!item.visible) continue;
    ++visible;
    fixedTotal += axis.MainBefore(item.padding) + axis.MainAfter(item.padding);
    if (axis.MainFixed(item) > 0) fixedTotal += axis.MainFixed(item);
    else ++flexible;
  }
  if (visible > 1) fixedTotal += gap * (visible - 1);
  const int spare = std::max(mainLength - fixedTotal, 0);
  const int share = flexible ? spare / flexible : 0;
  int remainder = flexible ? spare - share * flexible : 0;

  std::vector<UiRect> out;
  out.reserve(items.size());
  int cursor = mainStart;
  int flexSeen = 0;
  bool first = true;
  for (const BoxItem& item : items) {
    if (!item.visible) {
      out.push_back(axis.Make(cursor, cursor, crossStart, crossStart));
      continue;
    }
    if (!first) cursor += gap;
    first = false;
    cursor += axis.MainBefore(item.padding);
    int length = axis.MainFixed(item);
    if (length <= 0) {
      length = share + (++flexSeen == flexible ? remainder : 0);
    }
    const int cross0 = crossStart + axis.CrossBefore(item.padding);
    int crossLen = axis.CrossFixed(item);
    if (crossLen <= 0) {
      crossLen = std::max(crossLength - axis.CrossBefore(item.padding) - axis.CrossAfter(item.padding), 0);
    }
    out.push_back(axis.Make(cursor, cursor + length, cross0, cross0 + crossLen));
    cursor += length + axis.MainAfter(item.padding);
  }
  return out;
}

UiRect PlaceInCell(const UiRect& cell, const BoxItem& item) {
  UiRect r = cell.Deflated(item.padding);
  if (item.fixedWidth > 0) r.right = r.left + item.fixedWidth;
  if (item.fixedHeight > 0) r.bottom = r.top + item.fixedHeight;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

}  // namespace

std::vector<UiRect> LayoutVertical(const UiRect& area, int gap, const std::vector<BoxItem>& items) {
  return LayoutStack(area, gap, items, Axis{true});
}

std::vector<UiRect> LayoutHorizontal(const UiRect& area, int gap, const std::vector<BoxItem>& items) {
  return LayoutStack(area, gap, items, Axis{false});
}

std::vector<UiRect> LayoutTile(const UiRect& area, int columns, UiSize cell, const std::vector<BoxItem>& items) {
  int cellWidth;
  if (columns > 0) {
    cellWidth = area.Width() / columns;
  } else {
    cellWidth = cell.cx > 0 ? cell.cx : area.Width();
    columns = cellWidth > 0 ? std::max(area.Width() / cellWidth, 1) : 1;
  }
  std::vector<UiRect> out(items.size(), UiRect{area.left, area.top, area.left, area.top});
  int y = area.top;
  size_t i = 0;
  while (i < items.size()) {
    // Gather the visible children of one row, then size the row.
    std::vector<size_t> row;
    while (i < items.size() && static_cast<int>(row.size()) < columns) {
      if (items[i].visible) row.push_back(i);
      ++i;
    }
    if (row.empty()) break;
    int height = cell.cy;
    if (height <= 0) {
      for (size_t k : row) {
        if (items[k].fixedHeight > 0) {
          height = std::max(height, items[k].fixedHeight + items[k].padding.top + items[k].padding.bottom);
        }
      }
      if (height <= 0) height = cellWidth;
    }
    for (size_t col = 0; col < row.size(); ++col) {
      const int x = area.left + static_cast<int>(col) * cellWidth;
      out[row[col]] = PlaceInCell({x, y, x + cellWidth, y + height}, items[row[col]]);
    }
    y += height;
  }
  return out;
}

std::vector<UiRect> LayoutOverlay(const UiRect& area, const std::vector<BoxItem>& items) {
  std::vector<UiRect> out;
  out.reserve(items.size());
  for (const BoxItem& item : items) out.push_back(PlaceInCell(area, item));
  return out;
}
