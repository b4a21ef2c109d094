#include "ListElements.h"

#include "AttributeText.h"
#include "List.h"
#include "ListGeometry.h"
#include "PaintManager.h"
#include "Render_win.h"

template <class Base>
void CListElement<Base>::SetSelected(bool selected) {
  if (selected == m_selected) return;
  m_selected = selected;
  this->Invalidate();
}

template <class Base>
CList* CListElement<Base>::GetOwnerList() const {
  return dynamic_cast<CList*>(this->GetParent());
}

template <class Base>
void CListElement<Base>::SetManager(CPaintManager* manager, CControl* parent) {
  // A row taken out of its list must not stay the list's selection.
  if (CList* list = GetOwnerList(); list && parent != list) list->ForgetElement(this);
  Base::SetManager(manager, parent);
}

template <class Base>
bool CListElement<Base>::SetAttribute(const std::string& name, const std::string& value) {
  uint32_t color = 0;
  if (name == "hotbkcolor") {
    if (ParseColor(value, color)) m_hotBkColor = color;
  } else if (name == "selectedbkcolor") {
    if (ParseColor(value, color)) m_selectedBkColor = color;
  } else if (name == "selected") {
    bool b = false;
    if (ParseBool(value, b)) m_selected = b;
  } else {
    return Base::SetAttribute(name, value);
  }
  return true;
}

template <class Base>
void CListElement<Base>::DoEvent(ControlEvent& event) {
  switch (event.type) {
    case UiEvent::MouseEnter:
      m_hot = this->IsEnabled();
      break;
    case UiEvent::MouseLeave:
      m_hot = false;
      break;
    case UiEvent::ButtonDown:
    case UiEvent::DoubleClick:
      m_pressed = this->IsEnabled();
      return;
    case UiEvent::ButtonUp: {
      const bool click = m_pressed && this->GetPos().Contains(event.x, event.y);
      m_pressed = false;
      if (click) Click();
      return;
    }
    case UiEvent::CaptureLost:
      m_pressed = false;
      m_hot = false;
      break;
    default:
      Base::DoEvent(event);
      return;
  }
  this->Invalidate();
}

template <class Base>
void CListElement<Base>::Click() {
  // The list may be changed by whoever hears the click, so it is looked up again afterwards.
  this->Notify("itemclick");
  if (CList* list = GetOwnerList()) list->SelectItem(list->GetItemIndex(this));
}

template <class Base>
void CListElement<Base>::PaintBackground(CRenderContext& rc) {
  Base::PaintBackground(rc);
  const CList* list = GetOwnerList();
  uint32_t color = 0;
  if (m_selected) color = m_selectedBkColor ? m_selectedBkColor : list ? list->GetItemSelectedBkColor() : 0;
  else if (m_hot) color = m_hotBkColor ? m_hotBkColor : list ? list->GetItemHotBkColor() : 0;
  rc.FillColor(this->GetPos(), color);
}

template class CListElement<CLabel>;
template class CListElement<CContainer>;

namespace {

// Controls that answer the mouse themselves rather than as part of the row they sit in.
bool KeepsMouse(const CControl* c) { return c->WantsFocus() || dynamic_cast<const CText*>(c) != nullptr; }

}  // namespace

CControl* CListContainerElement::FindAt(int x, int y) {
  CControl* found = CContainer::FindAt(x, y);
  if (!found || found == this) return found;
  for (const CControl* c = found; c && c != this; c = c->GetParent()) {
    if (KeepsMouse(c)) return found;
  }
  return this;
}

std::vector<UiRect> CListContainerElement::ArrangeChildren(const UiRect& area) {
  const CList* list = GetOwnerList();
  if (list && list->HasColumns()) return CellsUnderColumns(area, list->ColumnRects(), m_items.size());
  return LayoutHorizontal(area, GetChildPadding(), ChildRequests());
}
