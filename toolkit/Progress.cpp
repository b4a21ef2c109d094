#include "Progress.h"

#include <algorithm>

#include "AttributeText.h"
#include "Render_win.h"

CProgress::CProgress() { SetAlign(Align::Center, Align::Center); }

void CProgress::SetValue(int value) {
  value = std::clamp(value, m_min, m_max);
  if (value == m_value) return;
  m_value = value;
  Invalidate();
}

void CProgress::SetRange(int minimum, int maximum) {
  if (maximum < minimum) std::swap(minimum, maximum);
  m_min = minimum;
  m_max = maximum;
  m_value = std::clamp(m_value, m_min, m_max);
  Invalidate();
}

void CProgress::SetForeColor(uint32_t argb) {
  m_foreColor = argb;
  Invalidate();
}

void CProgress::SetForeImage(const std::string& descriptor) {
  m_foreImage = ParseImageDescriptor(descriptor);
  Invalidate();
}

UiRect CProgress::FilledRect() const {
  UiRect part = m_pos;
  const long long span = static_cast<long long>(m_max) - m_min;
  const long long done = span > 0 ? (static_cast<long long>(m_value) - m_min) * m_pos.Width() / span : 0;
  part.right = part.left + static_cast<int>(done);
  return part;
}

void CProgress::PaintStatusImage(CRenderContext& rc) {
  const UiRect part = FilledRect();
  if (part.IsEmpty()) return;
  if (m_foreImage.IsEmpty() || !rc.DrawImage(part, m_foreImage)) rc.FillColor(part, m_foreColor);
}

bool CProgress::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  uint32_t color = 0;
  if (name == "min") {
    if (ParseInt(value, n)) SetRange(n, std::max(n, m_max));
  } else if (name == "max") {
    if (ParseInt(value, n)) SetRange(std::min(n, m_min), n);
  } else if (name == "value") {
    if (ParseInt(value, n)) SetValue(n);
  } else if (name == "forecolor") {
    if (ParseColor(value, color)) SetForeColor(color);
  } else if (name == "foreimage") {
    SetForeImage(value);
  } else {
    return CLabel::SetAttribute(name, value);
  }
  return true;
}
