#include "List.h"

#include <algorithm>

#include "AttributeText.h"
#include "ListElements.h"
#include "ListHeader.h"
#include "Render_win.h"
#include "ScrollBar.h"
#include "ScrollMath.h"

CList::CList() : m_scrollBar(std::make_unique<CScrollBar>()) {
  m_scrollBar->onScroll = [this](int pos) { SetScrollPos(pos); };
}

CList::~CList() = default;

bool CList::AddAt(std::unique_ptr<CControl> child, int index) {
  if (auto* header = dynamic_cast<CListHeader*>(child.get())) {
    child.release();
    m_header.reset(header);
    m_header->SetManager(m_manager, this);
    NeedUpdate();
    return true;
  }
  return CContainer::AddAt(std::move(child), index);
}

bool CList::HasColumns() const { return m_header && m_header->IsVisible() && m_header->GetCount() > 0; }

std::vector<UiRect> CList::ColumnRects() const {
  std::vector<UiRect> columns;
  if (!m_header) return columns;
  columns.reserve(m_header->GetCount());
  for (int i = 0; i < m_header->GetCount(); ++i) columns.push_back(m_header->GetItemAt(i)->GetPos());
  return columns;
}

int CList::GetCurSel() const { return m_selectedRow ? GetItemIndex(m_selectedRow) : -1; }

bool CList::SelectItem(int index, bool notify) {
  CControl* row = index >= 0 ? GetItemAt(index) : nullptr;
  auto* element = dynamic_cast<IListElement*>(row);
  if (index >= 0 && (!element || !row->IsEnabled())) return false;
  if (element == m_selected) return true;
  const int previous = GetCurSel();
  if (m_selected) m_selected->SetSelected(false);
  m_selected = element;
  m_selectedRow = row;
  if (element) element->SetSelected(true);
  if (notify) Notify("itemselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
  return true;
}

void CList::SetItemHeight(int height) {
  if (height <= 0) return;
  m_itemHeight = height;
  NeedUpdate();
}

void CList::SetItemColors(uint32_t hot, uint32_t selected) {
  m_itemHotBkColor = hot;
  m_itemSelectedBkColor = selected;
  Invalidate();
}

void CList::ForgetElement(const IListElement* element) {
  if (element != m_selected) return;
  m_selected = nullptr;
  m_selectedRow = nullptr;
}

void CList::SetScrollPos(int pos) {
  pos = ClampScroll(pos, GetContentHeight(), m_body.Height());
  if (pos == m_scroll) return;
  m_scroll = pos;
  m_scrollBar->SetState(GetContentHeight(), m_body.Height(), m_scroll);
  PlaceVisibleRows();
  Invalidate();
}

void CList::EnsureVisible(int index) {
  if (index < 0 || index + 1 >= static_cast<int>(m_tops.size())) return;
  const int top = m_tops[index], bottom = m_tops[index + 1];
  if (top < m_scroll) SetScrollPos(top);
  else if (bottom > m_scroll + m_body.Height()) SetScrollPos(bottom - m_body.Height());
}

RowRange CList::VisibleRows() const { return RowsInSpan(m_tops, m_scroll, m_scroll + m_body.Height()); }

int CList::RowHeight(const CControl& row) const {
  if (!row.IsVisible()) return 0;
  return row.GetFixedHeight() > 0 ? row.GetFixedHeight() : m_itemHeight;
}

void CList::SetPos(const UiRect& pos) {
  CControl::SetPos(pos);
  const UiRect area = pos.Deflated(GetInset());
  std::vector<int> heights;
  heights.reserve(m_items.size());
  for (const auto& row : m_items) heights.push_back(RowHeight(*row));
  m_tops = RowTops(heights);

  const bool header = m_header && m_header->IsVisible();
  const int headerHeight = header ? (m_header->GetFixedHeight() > 0 ? m_header->GetFixedHeight() : 30) : 0;
  m_body = {area.left, std::min(area.top + headerHeight, area.bottom), area.right, area.bottom};
  // The bar takes its width from the rows, and the header narrows with them so columns stay true.
  const bool bar = m_showScrollBar && GetContentHeight() > m_body.Height();
  if (bar) m_body.right = std::max(m_body.left, m_body.right - m_scrollBarWidth);
  if (m_header) m_header->SetPos(header ? UiRect{area.left, area.top, m_body.right, m_body.top} : UiRect{});
  m_scrollBar->SetPos(bar ? UiRect{m_body.right, m_body.top, area.right, m_body.bottom} : UiRect{});
  m_scroll = ClampScroll(m_scroll, GetContentHeight(), m_body.Height());
  m_scrollBar->SetState(GetContentHeight(), m_body.Height(), m_scroll);
  PlaceVisibleRows();
}

void CList::PlaceVisibleRows() {
  const RowRange rows = VisibleRows();
  for (int i = rows.first; i < rows.last; ++i) {
    const int top = m_body.top + m_tops[i] - m_scroll;
    m_items[i]->SetPos({m_body.left, top, m_body.right, top + m_tops[i + 1] - m_tops[i]});
  }
}

void CList::PaintChildren(CRenderContext& rc) {
  if (m_header) m_header->DoPaint(rc);
  {
    CClipScope clip(rc, m_body);
    const RowRange rows = VisibleRows();
    for (int i = rows.first; i < rows.last; ++i) m_items[i]->DoPaint(rc);
  }
  m_scrollBar->DoPaint(rc);
}

CControl* CList::FindAt(int x, int y) {
  if (!IsVisible() || !m_pos.Contains(x, y)) return nullptr;
  if (m_scrollBar->GetPos().Contains(x, y)) return m_scrollBar.get();  // empty when not shown
  if (m_header && m_header->GetPos().Contains(x, y)) return m_header->FindAt(x, y);
  if (m_body.Contains(x, y)) {
    const int row = RowAt(m_tops, y - m_body.top + m_scroll);
    if (row >= 0) {
      if (CControl* found = m_items[row]->FindAt(x, y)) return found;
    }
  }
  return this;
}

void CList::DoEvent(ControlEvent& event) {
  if (event.type != UiEvent::ScrollWheel) return;
  // Three rows of the usual height per notch of the wheel.
  const int delta = static_cast<int>(static_cast<intptr_t>(event.wParam));
  const int step = 3 * (m_tops.size() > 1 && m_tops[1] > 0 ? m_tops[1] : m_itemHeight);
  SetScrollPos(m_scroll - delta * step / WHEEL_DELTA);
  event.handled = true;
}

void CList::SetManager(CPaintManager* manager, CControl* parent) {
  CContainer::SetManager(manager, parent);
  if (m_header) m_header->SetManager(manager, this);
  m_scrollBar->SetManager(manager, this);
}

CControl* CList::FindByName(const std::string& name) {
  if (CControl* self = CControl::FindByName(name)) return self;
  if (m_header) {
    if (CControl* found = m_header->FindByName(name)) return found;
  }
  for (auto& row : m_items) {
    if (CControl* found = row->FindByName(name)) return found;
  }
  return nullptr;
}

void CList::Visit(const std::function<void(CControl&)>& visit) {
  visit(*this);
  if (m_header) m_header->Visit(visit);
  for (auto& row : m_items) row->Visit(visit);
}

bool CList::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  bool b = false;
  uint32_t color = 0;
  if (name == "itemheight") {
    if (ParseInt(value, n)) SetItemHeight(n);
  } else if (name == "vscrollbar") {
    if (ParseBool(value, b)) m_showScrollBar = b;
  } else if (name == "scrollbarwidth") {
    if (ParseInt(value, n) && n >= 0) m_scrollBarWidth = n;
  } else if (name == "itemhotbkcolor") {
    if (ParseColor(value, color)) m_itemHotBkColor = color;
  } else if (name == "itemselectedbkcolor") {
    if (ParseColor(value, color)) m_itemSelectedBkColor = color;
  } else {
    return CContainer::SetAttribute(name, value);
  }
  NeedUpdate();
  return true;
}
