#include "TabLayout.h"

#include "AttributeText.h"
#include "PaintManager.h"

bool CTabLayout::SelectItem(int index, bool notify) {
  if (index < 0 || index >= GetCount()) return false;
  if (index == m_selected) return true;
  const int previous = m_selected;
  if (m_manager) {
    // Whatever the hidden page held (hot, pushed or focused controls) lets go of the mouse and keys.
    if (CControl* page = GetItemAt(previous)) m_manager->OnControlHidden(page);
  }
  m_selected = index;
  NeedUpdate();
  if (notify) Notify("tabselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
  return true;
}

CControl* CTabLayout::FindAt(int x, int y) {
  if (!IsVisible() || !m_pos.Contains(x, y)) return nullptr;
  if (CControl* page = GetItemAt(m_selected)) {
    if (CControl* found = page->FindAt(x, y)) return found;
  }
  return this;
}

std::vector<UiRect> CTabLayout::ArrangeChildren(const UiRect& area) {
  std::vector<UiRect> places = LayoutOverlay(area, ChildRequests());
  // Pages not shown are parked at an empty rectangle, so nothing on them is hit or painted.
  for (size_t i = 0; i < places.size(); ++i) {
    if (static_cast<int>(i) != m_selected) places[i] = {area.left, area.top, area.left, area.top};
  }
  return places;
}

void CTabLayout::PaintChildren(CRenderContext& rc) {
  if (CControl* page = GetItemAt(m_selected)) page->DoPaint(rc);
}

bool CTabLayout::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  if (name == "selectedid") {
    if (ParseInt(value, n) && n >= 0) {
      m_selected = n;
      NeedUpdate();
    }
    return true;
  }
  return CContainer::SetAttribute(name, value);
}
