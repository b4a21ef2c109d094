#include "Combo.h"

#include <algorithm>

#include "AttributeText.h"
#include "List.h"
#include "ListElements.h"
#include "PaintManager.h"
#include "PopupPlacement.h"
#include "PopupWnd.h"
#include "Render_win.h"

namespace {

// The popup of a choice box: a click on one of its entries is the user's choice.
class CComboDrop : public CPopupWnd {
 public:
  explicit CComboDrop(CCombo& combo) : m_combo(combo) {}

  void Notify(UiNotification& msg) override {
    if (msg.type != "itemclick") return;
    auto* list = dynamic_cast<CList*>(m_pm.GetRoot());
    const int index = list ? list->GetItemIndex(msg.sender) : -1;
    Close(IDCANCEL);
    // The choice is made once this click has been handled: whoever hears of it may take the box
    // away, and this popup with it.
    CPaintManager* owner = m_combo.GetManager();
    if (index >= 0 && owner) {
      owner->PostToControl(&m_combo, [index](CControl& combo) { static_cast<CCombo&>(combo).SelectItem(index); });
    }
  }

 private:
  CCombo& m_combo;
};

}  // namespace

CCombo::CCombo() {
  SetBkColor(0xFFFFFFFF);
  SetBorderColor(0xFFD9D9D9);
  SetBorderSize({1, 1, 1, 1});
}

CCombo::~CCombo() = default;

int CCombo::GetCurSel() const { return m_selected >= 0 && m_selected < GetCount() ? m_selected : -1; }

bool CCombo::SelectItem(int index, bool notify) {
  if (index < 0 || index >= GetCount()) return false;
  const int previous = GetCurSel();
  if (index == previous) return true;
  m_selected = index;
  Invalidate();
  if (notify) Notify("itemselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
  return true;
}

std::string CCombo::GetItemText(int index) const {
  const CControl* item = GetItemAt(index);
  return item ? item->GetText() : std::string();
}

bool CCombo::IsDropped() const { return m_drop && m_drop->IsOpen(); }

CPopupWnd* CCombo::GetDropDown() const { return IsDropped() ? m_drop.get() : nullptr; }

std::unique_ptr<CControl> CCombo::MakeDropList() const {
  auto list = std::make_unique<CList>();
  list->SetBkColor(0xFFFFFFFF);
  list->SetBorderColor(0xFFD9D9D9);
  list->SetBorderSize({1, 1, 1, 1});
  list->SetInset({1, 1, 1, 1});
  list->SetItemHeight(m_itemHeight);
  list->SetItemColors(m_itemHotBkColor, m_itemSelectedBkColor);
  for (int i = 0; i < GetCount(); ++i) {
    auto entry = std::make_unique<CListLabelElement>();
    entry->SetText(GetItemText(i));
    entry->SetTextPadding(m_itemTextPadding);
    entry->SetEndEllipsis(true);
    entry->SetFont(GetFont());
    entry->SetTextColor(GetTextColor());
    list->Add(std::move(entry));
  }
  return list;
}

void CCombo::ShowDropDown() {
  if (IsDropped() || !m_manager || !m_manager->GetPaintWindow() || GetCount() == 0) return;
  const HWND owner = m_manager->GetPaintWindow();
  POINT topLeft{m_pos.left, m_pos.top}, bottomRight{m_pos.right, m_pos.bottom};
  ClientToScreen(owner, &topLeft);
  ClientToScreen(owner, &bottomRight);
  const UiRect anchor{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &mi);
  const UiRect area{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
  const int height = std::min(GetCount() * m_itemHeight + 2, m_dropHeight);
  const UiRect place = DropDownRect(anchor, {anchor.Width(), height}, area);

  m_drop = std::make_unique<CComboDrop>(*this);
  if (!m_drop->Open(owner, MakeDropList(), place, {true, false, true})) {
    m_drop.reset();
    return;
  }
  if (auto* list = dynamic_cast<CList*>(m_drop->GetPaintManager().GetRoot())) {
    list->SelectItem(GetCurSel(), false);
    list->EnsureVisible(GetCurSel());
  }
}

void CCombo::CloseDropDown() {
  if (IsDropped()) DestroyWindow(m_drop->GetHWND());
}

CControl* CCombo::FindAt(int x, int y) { return IsVisible() && m_pos.Contains(x, y) ? this : nullptr; }

void CCombo::SetManager(CPaintManager* manager, CControl* parent) {
  if (manager != m_manager) m_drop.reset();
  CContainer::SetManager(manager, parent);
}

void CCombo::DoEvent(ControlEvent& event) {
  switch (event.type) {
    case UiEvent::ButtonDown:
    case UiEvent::DoubleClick:
      // Pressing the box while its list is open closes the list (the press took the focus from
      // it); the release that follows must not open it again.
      m_closedByPress = IsDropped();
      CloseDropDown();
      m_pressed = true;
      break;
    case UiEvent::ButtonUp:
      if (m_pressed && !m_closedByPress && m_pos.Contains(event.x, event.y)) ShowDropDown();
      m_pressed = false;
      break;
    case UiEvent::CaptureLost:
      m_pressed = false;
      break;
    case UiEvent::KeyDown:
      if (event.wParam == VK_UP) SelectItem(GetCurSel() - 1);
      else if (event.wParam == VK_DOWN) SelectItem(GetCurSel() + 1);
      else if (event.wParam == VK_F4 || event.wParam == VK_RETURN || event.wParam == VK_SPACE) ShowDropDown();
      break;
    default:
      break;
  }
}

std::vector<UiRect> CCombo::ArrangeChildren(const UiRect& area) {
  // The items are shown only in the drop-down, never inside the box.
  return std::vector<UiRect>(m_items.size(), UiRect{area.left, area.top, area.left, area.top});
}

void CCombo::PaintText(CRenderContext& rc) {
  const UINT format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  rc.DrawText(m_pos.Deflated(m_textPadding), GetItemText(GetCurSel()), CurrentTextColor(), CurrentFont(), format);
}

void CCombo::PaintStatusImage(CRenderContext& rc) {
  // A small downward triangle, drawn line by line, in the middle of the right padding.
  const int width = 9, centreX = m_pos.right - m_textPadding.right / 2 - 1, top = (m_pos.top + m_pos.bottom) / 2 - 2;
  for (int row = 0; row < (width + 1) / 2; ++row) {
    const int half = width / 2 - row;
    rc.FillColor({centreX - half, top + row, centreX + half + 1, top + row + 1}, m_arrowColor);
  }
}

bool CCombo::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  uint32_t color = 0;
  UiRect rect;
  if (name == "selectedid") {
    if (ParseInt(value, n) && n >= 0) m_selected = n;
  } else if (name == "textpadding") {
    if (ParseRect(value, rect)) m_textPadding = rect;
  } else if (name == "itemheight") {
    if (ParseInt(value, n) && n > 0) m_itemHeight = n;
  } else if (name == "dropboxheight") {
    if (ParseInt(value, n) && n > 0) m_dropHeight = n;
  } else if (name == "itemtextpadding") {
    if (ParseRect(value, rect)) m_itemTextPadding = rect;
  } else if (name == "itemhotbkcolor") {
    if (ParseColor(value, color)) m_itemHotBkColor = color;
  } else if (name == "itemselectedbkcolor") {
    if (ParseColor(value, color)) m_itemSelectedBkColor = color;
  } else if (name == "arrowcolor") {
    if (ParseColor(value, color)) m_arrowColor = color;
  } else {
    return CContainer::SetAttribute(name, value);
  }
  Invalidate();
  return true;
}
