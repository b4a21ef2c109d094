#include "Label.h"

#include "AttributeText.h"
#include "Render_win.h"

void CLabel::SetAlign(Align horizontal, Align vertical) {
  m_align = horizontal;
  m_valign = vertical;
  Invalidate();
}

void CLabel::SetEndEllipsis(bool on) {
  m_endEllipsis = on;
  Invalidate();
}

void CLabel::SetWordWrap(bool on) {
  m_wordWrap = on;
  Invalidate();
}

void CLabel::SetTextPadding(const UiRect& padding) {
  m_textPadding = padding;
  Invalidate();
}

UINT CLabel::TextFormat() const {
  UINT format = m_align == Align::Center ? DT_CENTER : m_align == Align::Far ? DT_RIGHT : DT_LEFT;
  if (m_wordWrap) return format | DT_WORDBREAK | DT_EDITCONTROL;
  // DrawText centres vertically only on a single line.
  format |= DT_SINGLELINE;
  format |= m_valign == Align::Center ? DT_VCENTER : m_valign == Align::Far ? DT_BOTTOM : DT_TOP;
  if (m_endEllipsis) format |= DT_END_ELLIPSIS;
  return format;
}

void CLabel::PaintText(CRenderContext& rc) {
  rc.DrawText(m_pos.Deflated(m_textPadding), GetText(), CurrentTextColor(), CurrentFont(), TextFormat());
}

bool CLabel::SetAttribute(const std::string& name, const std::string& value) {
  bool b = false;
  UiRect rect;
  if (name == "align") {
    SetAlign(value == "center" ? Align::Center : value == "right" ? Align::Far : Align::Near, m_valign);
  } else if (name == "valign") {
    SetAlign(m_align, value == "top" ? Align::Near : value == "bottom" ? Align::Far : Align::Center);
  } else if (name == "endellipsis") {
    if (ParseBool(value, b)) SetEndEllipsis(b);
  } else if (name == "wordwrap" || name == "multiline") {
    if (ParseBool(value, b)) SetWordWrap(b);
  } else if (name == "textpadding") {
    if (ParseRect(value, rect)) SetTextPadding(rect);
  } else {
    return CControl::SetAttribute(name, value);
  }
  return true;
}

void CText::DoEvent(ControlEvent& event) {
  if (!IsEnabled()) return;
  if (event.type == UiEvent::ButtonDown || event.type == UiEvent::DoubleClick) {
    m_pressed = true;
  } else if (event.type == UiEvent::ButtonUp) {
    const bool click = m_pressed && m_pos.Contains(event.x, event.y);
    m_pressed = false;
    if (click) Notify("click");
  } else if (event.type == UiEvent::CaptureLost) {
    m_pressed = false;
  }
}
