#include "Container.h"

#include "AttributeText.h"
#include "PaintManager.h"

bool CContainer::Add(std::unique_ptr<CControl> child) { return AddAt(std::move(child), GetCount()); }

bool CContainer::AddAt(std::unique_ptr<CControl> child, int index) {
  if (!child) return false;
  if (index < 0) index = 0;
  if (index > GetCount()) index = GetCount();
  child->SetManager(m_manager, this);
  m_items.insert(m_items.begin() + index, std::move(child));
  NeedUpdate();
  return true;
}

bool CContainer::Remove(CControl* child) {
  const int index = GetItemIndex(child);
  return index >= 0 && RemoveAt(index);
}

bool CContainer::RemoveAt(int index) {
  if (index < 0 || index >= GetCount()) return false;
  std::unique_ptr<CControl> child = std::move(m_items[index]);
  m_items.erase(m_items.begin() + index);
  Discard(std::move(child));
  NeedUpdate();
  return true;
}

void CContainer::RemoveAll() {
  std::vector<std::unique_ptr<CControl>> items;
  items.swap(m_items);
  for (auto& child : items) Discard(std::move(child));
  NeedUpdate();
}

void CContainer::Discard(std::unique_ptr<CControl> child) {
  CPaintManager* manager = m_manager;
  child->SetManager(nullptr, nullptr);
  if (manager) manager->DeleteLater(std::move(child));
}

CControl* CContainer::GetItemAt(int index) const {
  return index >= 0 && index < GetCount() ? m_items[index].get() : nullptr;
}

int CContainer::GetItemIndex(const CControl* child) const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (m_items[i].get() == child) return static_cast<int>(i);
  }
  return -1;
}

void CContainer::SetInset(const UiRect& inset) {
  m_inset = inset;
  NeedUpdate();
}

void CContainer::SetChildPadding(int gap) {
  m_childPadding = gap;
  NeedUpdate();
}

void CContainer::SetManager(CPaintManager* manager, CControl* parent) {
  CControl::SetManager(manager, parent);
  for (auto& child : m_items) child->SetManager(manager, this);
}

CControl* CContainer::FindByName(const std::string& name) {
  if (CControl* self = CControl::FindByName(name)) return self;
  for (auto& child : m_items) {
    if (CControl* found = child->FindByName(name)) return found;
  }
  return nullptr;
}

CControl* CContainer::FindAt(int x, int y) {
  if (!IsVisible() || !m_pos.Contains(x, y)) return nullptr;
  // Later children are drawn over earlier ones, so they are asked first.
  for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
    if (CControl* found = (*it)->FindAt(x, y)) return found;
  }
  return this;
}

void CContainer::Visit(const std::function<void(CControl&)>& visit) {
  visit(*this);
  for (auto& child : m_items) child->Visit(visit);
}

void CContainer::SetPos(const UiRect& pos) {
  CControl::SetPos(pos);
  const std::vector<UiRect> places = ArrangeChildren(pos.Deflated(m_inset));
  for (size_t i = 0; i < m_items.size() && i < places.size(); ++i) m_items[i]->SetPos(places[i]);
}

std::vector<BoxItem> CContainer::ChildRequests() const {
  std::vector<BoxItem> items;
  items.reserve(m_items.size());
  for (const auto& child : m_items) {
    items.push_back({child->IsVisible(), child->GetFixedWidth(), child->GetFixedHeight(), child->GetPadding()});
  }
  return items;
}

std::vector<UiRect> CContainer::ArrangeChildren(const UiRect& area) { return LayoutOverlay(area, ChildRequests()); }

void CContainer::PaintChildren(CRenderContext& rc) {
  for (auto& child : m_items) child->DoPaint(rc);
}

bool CContainer::SetAttribute(const std::string& name, const std::string& value) {
  UiRect rect;
  int n = 0;
  if (name == "inset") {
    if (ParseRect(value, rect)) SetInset(rect);
  } else if (name == "childpadding") {
    if (ParseInt(value, n)) SetChildPadding(n);
  } else {
    return CControl::SetAttribute(name, value);
  }
  return true;
}
