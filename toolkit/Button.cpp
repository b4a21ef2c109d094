#include "Button.h"

#include "AttributeText.h"
#include "PaintManager.h"
#include "Render_win.h"

void CButton::Activate() {
  if (IsEnabled() && IsVisible()) Notify("click");
}

void CButton::SetStateImage(const std::string& state, const std::string& descriptor) {
  ImageDescriptor d = ParseImageDescriptor(descriptor);
  if (state == "normal") m_normalImage = d;
  else if (state == "hot") m_hotImage = d;
  else if (state == "pushed") m_pushedImage = d;
  else if (state == "disabled") m_disabledImage = d;
  else if (state == "focused") m_focusedImage = d;
  Invalidate();
}

bool CButton::SetAttribute(const std::string& name, const std::string& value) {
  static const char* const kStates[] = {"normal", "hot", "pushed", "disabled", "focused"};
  for (const char* state : kStates) {
    if (name == std::string(state) + "image") {
      SetStateImage(state, value);
      return true;
    }
  }
  uint32_t color = 0;
  if (name == "hotbkcolor") {
    if (ParseColor(value, color)) m_hotBkColor = color;
  } else if (name == "pushedbkcolor") {
    if (ParseColor(value, color)) m_pushedBkColor = color;
  } else if (name == "hottextcolor") {
    if (ParseColor(value, color)) m_hotTextColor = color;
  } else {
    return CLabel::SetAttribute(name, value);
  }
  return true;
}

void CButton::DoEvent(ControlEvent& event) {
  const bool enabled = IsEnabled();
  switch (event.type) {
    case UiEvent::MouseEnter:
      m_hot = enabled;
      break;
    case UiEvent::MouseLeave:
      m_hot = false;
      break;
    case UiEvent::ButtonDown:
    case UiEvent::DoubleClick:
      m_pushed = enabled;
      break;
    case UiEvent::MouseMove:
      m_hot = enabled && m_pos.Contains(event.x, event.y);
      break;
    case UiEvent::ButtonUp: {
      const bool click = m_pushed && m_pos.Contains(event.x, event.y);
      m_pushed = false;
      Invalidate();
      if (click) Activate();
      return;
    }
    case UiEvent::CaptureLost:
      m_pushed = false;
      m_hot = false;
      break;
    case UiEvent::KeyDown:
      if (enabled && (event.wParam == VK_SPACE || event.wParam == VK_RETURN)) Activate();
      return;
    default:
      return;
  }
  Invalidate();
}

void CButton::PaintBackground(CRenderContext& rc) {
  CControl::PaintBackground(rc);
  const uint32_t stateColor = m_pushed && m_pushedBkColor ? m_pushedBkColor : m_hot && m_hotBkColor ? m_hotBkColor : 0;
  rc.FillColor(m_pos, stateColor);
}

void CButton::PaintStatusImage(CRenderContext& rc) {
  // The face of the current state, falling back to the normal face when a state has none.
  const ImageDescriptor* face = &m_normalImage;
  if (!IsEnabled() && !m_disabledImage.IsEmpty()) face = &m_disabledImage;
  else if (m_pushed && !m_pushedImage.IsEmpty()) face = &m_pushedImage;
  else if (m_hot && !m_hotImage.IsEmpty()) face = &m_hotImage;
  else if (IsFocused() && !m_focusedImage.IsEmpty()) face = &m_focusedImage;
  if (!face->IsEmpty()) rc.DrawImage(m_pos, *face);
}

uint32_t CButton::CurrentTextColor() const {
  return m_hot && m_hotTextColor && IsEnabled() ? m_hotTextColor : CLabel::CurrentTextColor();
}
