#include "Layouts.h"

#include "AttributeText.h"

std::vector<UiRect> CVerticalLayout::ArrangeChildren(const UiRect& area) {
  return LayoutVertical(area, GetChildPadding(), ChildRequests());
}

std::vector<UiRect> CHorizontalLayout::ArrangeChildren(const UiRect& area) {
  return LayoutHorizontal(area, GetChildPadding(), ChildRequests());
}

void CTileLayout::SetColumns(int columns) {
  m_columns = columns < 0 ? 0 : columns;
  NeedUpdate();
}

void CTileLayout::SetItemSize(UiSize size) {
  m_itemSize = size;
  NeedUpdate();
}

bool CTileLayout::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  UiSize size;
  if (name == "columns") {
    if (ParseInt(value, n)) SetColumns(n);
  } else if (name == "itemsize") {
    if (ParseSize(value, size)) SetItemSize(size);
  } else {
    return CContainer::SetAttribute(name, value);
  }
  return true;
}

std::vector<UiRect> CTileLayout::ArrangeChildren(const UiRect& area) {
  return LayoutTile(area, m_columns, m_itemSize, ChildRequests());
}
