#include "Control.h"

#include "AttributeText.h"
#include "ControlRegistry.h"
#include "PaintManager.h"
#include "Render_win.h"

CControl::CControl() { RegisterLiveControl(this); }

CControl::~CControl() {
  if (m_manager) m_manager->ForgetControl(this);
  UnregisterLiveControl(this);
}

void CControl::SetText(const std::string& text) {
  if (text == m_text) return;
  m_text = text;
  Invalidate();
}

void CControl::SetManager(CPaintManager* manager, CControl* parent) {
  if (m_manager && m_manager != manager) m_manager->ForgetControl(this);
  m_manager = manager;
  m_parent = parent;
}

CControl* CControl::FindByName(const std::string& name) { return name == m_name ? this : nullptr; }

CControl* CControl::FindAt(int x, int y) { return m_visible && m_pos.Contains(x, y) ? this : nullptr; }

void CControl::Visit(const std::function<void(CControl&)>& visit) { visit(*this); }

void CControl::SetPos(const UiRect& pos) {
  if (pos != m_pos) Invalidate();
  m_pos = pos;
  Invalidate();
}

void CControl::SetFixedWidth(int width) {
  m_fixedWidth = width < 0 ? 0 : width;
  NeedUpdate();
}

void CControl::SetFixedHeight(int height) {
  m_fixedHeight = height < 0 ? 0 : height;
  NeedUpdate();
}

void CControl::SetPadding(const UiRect& padding) {
  m_padding = padding;
  NeedUpdate();
}

void CControl::SetVisible(bool visible) {
  if (visible == m_visible) return;
  m_visible = visible;
  if (!visible && m_manager) m_manager->OnControlHidden(this);
  NeedUpdate();
}

void CControl::SetEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  Invalidate();
}

bool CControl::IsFocused() const { return m_manager && m_manager->GetFocus() == this; }

void CControl::SetBkColor(uint32_t argb) {
  m_bkColor = argb;
  Invalidate();
}

void CControl::SetBkImage(const std::string& descriptor) {
  m_bkImage = ParseImageDescriptor(descriptor);
  Invalidate();
}

void CControl::SetBorderColor(uint32_t argb) {
  m_borderColor = argb;
  Invalidate();
}

void CControl::SetBorderSize(const UiRect& widths) {
  m_borderSize = widths;
  Invalidate();
}

void CControl::SetTextColor(uint32_t argb) {
  m_textColor = argb;
  Invalidate();
}

void CControl::SetDisabledTextColor(uint32_t argb) {
  m_disabledTextColor = argb;
  Invalidate();
}

void CControl::SetFont(int id) {
  m_font = id;
  Invalidate();
}

bool CControl::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  bool b = false;
  uint32_t color = 0;
  UiRect rect;
  if (name == "name") SetName(value);
  else if (name == "text") SetText(value);
  else if (name == "tooltip") SetToolTip(value);
  else if (name == "userdata") SetUserData(value);
  else if (name == "tag") { if (ParseInt(value, n)) SetTag(static_cast<uintptr_t>(n)); }
  else if (name == "width") { if (ParseInt(value, n)) SetFixedWidth(n); }
  else if (name == "height") { if (ParseInt(value, n)) SetFixedHeight(n); }
  else if (name == "padding") { if (ParseRect(value, rect)) SetPadding(rect); }
  else if (name == "visible") { if (ParseBool(value, b)) SetVisible(b); }
  else if (name == "enabled") { if (ParseBool(value, b)) SetEnabled(b); }
  else if (name == "bkcolor") { if (ParseColor(value, color)) SetBkColor(color); }
  else if (name == "bkimage") SetBkImage(value);
  else if (name == "bordercolor") { if (ParseColor(value, color)) SetBorderColor(color); }
  else if (name == "bordersize") {
    if (ParseRect(value, rect)) SetBorderSize(rect);
    else if (ParseInt(value, n)) SetBorderSize({n, n, n, n});
  }
  else if (name == "textcolor") { if (ParseColor(value, color)) SetTextColor(color); }
  else if (name == "disabledtextcolor") { if (ParseColor(value, color)) SetDisabledTextColor(color); }
  else if (name == "font") { if (ParseInt(value, n)) SetFont(n); }
  else return false;
  return true;
}

void CControl::DoPaint(CRenderContext& rc) {
  if (!m_visible || !m_pos.Intersects(rc.Clip())) return;
  PaintBackground(rc);
  PaintStatusImage(rc);
  PaintText(rc);
  PaintChildren(rc);
  PaintBorder(rc);
}

void CControl::PaintBackground(CRenderContext& rc) {
  rc.FillColor(m_pos, m_bkColor);
  if (!m_bkImage.IsEmpty()) rc.DrawImage(m_pos, m_bkImage);
}

void CControl::PaintBorder(CRenderContext& rc) {
  if (m_borderSize.left || m_borderSize.top || m_borderSize.right || m_borderSize.bottom) {
    rc.DrawBorder(m_pos, m_borderSize, m_borderColor);
  }
}

void CControl::DoEvent(ControlEvent&) {}

HFONT CControl::CurrentFont() const { return m_manager ? m_manager->GetFont(m_font) : nullptr; }

uint32_t CControl::CurrentTextColor() const { return m_enabled ? m_textColor : m_disabledTextColor; }

void CControl::Notify(const char* type, WPARAM wParam, LPARAM lParam) {
  if (m_manager) m_manager->SendNotify(this, type, wParam, lParam);
}

void CControl::Invalidate() {
  if (m_manager && m_visible) m_manager->Invalidate(m_pos);
}

void CControl::NeedUpdate() {
  if (m_manager) m_manager->NeedUpdate();
}
