#include "ScrollBar.h"

#include "AttributeText.h"
#include "Render_win.h"
#include "ScrollMath.h"

namespace {

const int kMinThumb = 20;

}  // namespace

CScrollBar::CScrollBar() { SetBkColor(0xFFF2F2F2); }

void CScrollBar::SetState(int content, int view, int pos) {
  pos = ClampScroll(pos, content, view);
  if (content == m_content && view == m_view && pos == m_scroll) return;
  m_content = content;
  m_view = view;
  m_scroll = pos;
  Invalidate();
}

UiRect CScrollBar::ThumbRect() const { return ScrollThumb(m_pos, m_content, m_view, m_scroll, kMinThumb); }

void CScrollBar::RequestScroll(int pos) {
  pos = ClampScroll(pos, m_content, m_view);
  if (pos != m_scroll && onScroll) onScroll(pos);
}

void CScrollBar::DoEvent(ControlEvent& event) {
  const UiRect thumb = ThumbRect();
  switch (event.type) {
    case UiEvent::ButtonDown:
    case UiEvent::DoubleClick:
      if (thumb.Contains(event.x, event.y)) {
        m_dragging = true;
        m_grab = event.y - thumb.top;
      } else if (event.y < thumb.top) {
        RequestScroll(m_scroll - m_view);
      } else if (event.y >= thumb.bottom) {
        RequestScroll(m_scroll + m_view);
      }
      break;
    case UiEvent::MouseMove:
      if (m_dragging) RequestScroll(ScrollPosForThumb(m_pos, thumb.Height(), event.y - m_grab, m_content, m_view));
      m_hot = m_dragging || thumb.Contains(event.x, event.y);
      break;
    case UiEvent::MouseLeave:
      m_hot = m_dragging;
      break;
    case UiEvent::ButtonUp:
    case UiEvent::CaptureLost:
      m_dragging = false;
      m_hot = thumb.Contains(event.x, event.y);
      break;
    default:
      return;
  }
  Invalidate();
}

void CScrollBar::PaintStatusImage(CRenderContext& rc) {
  if (MaxScroll(m_content, m_view) == 0) return;
  // The thumb is drawn narrower than the track, with two pixels of track on each side.
  UiRect thumb = ThumbRect();
  if (thumb.Width() > 4) thumb = {thumb.left + 2, thumb.top, thumb.right - 2, thumb.bottom};
  rc.FillColor(thumb, m_hot ? m_thumbHotColor : m_thumbColor);
}

bool CScrollBar::SetAttribute(const std::string& name, const std::string& value) {
  uint32_t color = 0;
  if (name == "thumbcolor") {
    if (ParseColor(value, color)) m_thumbColor = color;
  } else if (name == "thumbhotcolor") {
    if (ParseColor(value, color)) m_thumbHotColor = color;
  } else {
    return CControl::SetAttribute(name, value);
  }
  return true;
}
