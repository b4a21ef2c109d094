#include "GifAnim.h"

#include "AttributeText.h"
#include "PaintManager.h"
#include "Render_win.h"
#include "Skin_win.h"

namespace {
const UINT kFrameTimer = 1;
}

void CGifAnim::SetFile(const std::string& path) {
  Stop();
  m_file = path;
  m_image.reset();
  m_frame = 0;
  Invalidate();
}

bool CGifAnim::LoadImage() {
  if (!m_image && !m_file.empty()) m_image = skin::Image(m_file);
  return m_image != nullptr;
}

size_t CGifAnim::GetFrameCount() const { return m_image ? m_image->FrameCount() : 0; }

void CGifAnim::Play() {
  if (m_playing || !LoadImage()) return;
  m_playing = true;
  if (m_image->FrameCount() > 1) ArmTimer();
  Invalidate();
}

void CGifAnim::Stop() {
  if (!m_playing) return;
  m_playing = false;
  if (m_manager) m_manager->KillTimer(this, kFrameTimer);
}

void CGifAnim::ArmTimer() {
  if (m_manager) m_manager->SetTimer(this, kFrameTimer, static_cast<UINT>(m_image->FrameDelay(m_frame)));
}

void CGifAnim::SetManager(CPaintManager* manager, CControl* parent) {
  const bool joining = manager && manager != m_manager;
  if (manager != m_manager) m_playing = false;  // timers belong to the window being left
  CControl::SetManager(manager, parent);
  if (joining && m_autoPlay) Play();
}

void CGifAnim::DoEvent(ControlEvent& event) {
  if (event.type != UiEvent::Timer || event.wParam != kFrameTimer || !m_playing || !m_image) return;
  m_frame = (m_frame + 1) % m_image->FrameCount();
  Invalidate();
  ArmTimer();
}

void CGifAnim::PaintStatusImage(CRenderContext& rc) {
  if (LoadImage()) rc.DrawFrame(*m_image, m_frame, m_pos);
}

bool CGifAnim::SetAttribute(const std::string& name, const std::string& value) {
  bool b = false;
  if (name == "file") {
    SetFile(value);
  } else if (name == "autoplay") {
    if (ParseBool(value, b)) m_autoPlay = b;
  } else {
    return CControl::SetAttribute(name, value);
  }
  return true;
}
