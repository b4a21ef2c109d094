#include "AnimationTabLayout.h"

#include <algorithm>

#include "AttributeText.h"
#include "PaintManager.h"
#include "Render_win.h"

namespace {

const UINT kSlideTimer = 1;
const UINT kFrameMs = 15;

// Share of the way still to go after `elapsed` of `duration`: fast at first, easing out.
double Remaining(unsigned long elapsed, int duration) {
  const double t = std::min(1.0, static_cast<double>(elapsed) / std::max(duration, 1));
  return (1.0 - t) * (1.0 - t) * (1.0 - t);
}

}  // namespace

bool CAnimationTabLayout::SelectItem(int index, bool notify) {
  const int previous = GetCurSel();
  if (index == previous && index >= 0 && index < GetCount()) return true;
  if (!CTabLayout::SelectItem(index, notify)) return false;
  m_previous = previous;
  m_notify = notify;
  m_fromRight = index > previous;
  // Without a window to time it, or with nothing to show it on, the page is simply there.
  if (!m_manager || m_duration <= 0 || m_pos.IsEmpty() || !m_manager->SetTimer(this, kSlideTimer, kFrameMs)) {
    Finish();
    return true;
  }
  m_animating = true;
  m_start = GetTickCount();
  m_offset = m_pos.Width();
  SetPos(m_pos);
  Invalidate();
  return true;
}

void CAnimationTabLayout::Finish() {
  const bool wasAnimating = m_animating;
  m_animating = false;
  m_offset = 0;
  if (m_manager && wasAnimating) m_manager->KillTimer(this, kSlideTimer);
  if (wasAnimating) {
    SetPos(m_pos);
    Invalidate();
  }
  if (m_notify) Notify("animtabselect", static_cast<WPARAM>(GetCurSel()), static_cast<LPARAM>(m_previous));
}

void CAnimationTabLayout::DoEvent(ControlEvent& event) {
  if (event.type != UiEvent::Timer || event.wParam != kSlideTimer || !m_animating) return;
  const unsigned long elapsed = GetTickCount() - m_start;
  if (elapsed >= static_cast<unsigned long>(m_duration)) {
    Finish();
    return;
  }
  m_offset = static_cast<int>(m_pos.Width() * Remaining(elapsed, m_duration));
  SetPos(m_pos);
  Invalidate();
}

std::vector<UiRect> CAnimationTabLayout::ArrangeChildren(const UiRect& area) {
  std::vector<UiRect> places = CTabLayout::ArrangeChildren(area);
  const int shown = GetCurSel();
  if (m_animating && shown >= 0 && shown < static_cast<int>(places.size())) {
    const int dx = m_fromRight ? m_offset : -m_offset;
    places[shown] = places[shown].Offset(dx, 0);
  }
  return places;
}

void CAnimationTabLayout::PaintChildren(CRenderContext& rc) {
  // The sliding page must not be drawn over the neighbours of the layout.
  CClipScope clip(rc, m_pos);
  CTabLayout::PaintChildren(rc);
}

bool CAnimationTabLayout::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  if (name == "animationduration") {
    if (ParseInt(value, n)) m_duration = std::max(n, 0);
    return true;
  }
  return CTabLayout::SetAttribute(name, value);
}
