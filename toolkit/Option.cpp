#include "Option.h"

#include "AttributeText.h"
#include "PaintManager.h"
#include "Render_win.h"

void COption::SetGroup(const std::string& group) {
  if (m_manager && !m_group.empty()) m_manager->RemoveOptionFromGroup(m_group, this);
  m_group = group;
  if (m_manager && !m_group.empty()) {
    m_manager->AddOptionToGroup(m_group, this);
    if (m_selected) ClearGroupSiblings();
  }
}

COption::~COption() {
  if (m_manager && !m_group.empty()) m_manager->RemoveOptionFromGroup(m_group, this);
}

void COption::SetManager(CPaintManager* manager, CControl* parent) {
  const bool moving = manager != m_manager;
  if (moving && m_manager && !m_group.empty()) m_manager->RemoveOptionFromGroup(m_group, this);
  CButton::SetManager(manager, parent);
  if (moving && m_manager && !m_group.empty()) {
    m_manager->AddOptionToGroup(m_group, this);
    // Options marked selected in a layout: the last one of a group in tree order wins.
    if (m_selected) ClearGroupSiblings();
  }
}

void COption::ClearGroupSiblings() {
  if (!m_manager || m_group.empty()) return;
  for (COption* other : m_manager->GetOptionGroup(m_group)) {
    if (other != this && other->m_selected) {
      other->m_selected = false;
      other->Invalidate();
    }
  }
}

void COption::Selected(bool selected, bool notify) {
  if (selected == m_selected) return;
  if (selected) ClearGroupSiblings();
  m_selected = selected;
  Invalidate();
  if (notify) Notify("selectchanged");
}

void COption::Activate() {
  if (!IsEnabled() || !IsVisible()) return;
  CButton::Activate();
  if (!m_group.empty()) Selected(true);
  else Selected(!m_selected);
}

bool COption::SetAttribute(const std::string& name, const std::string& value) {
  bool b = false;
  uint32_t color = 0;
  if (name == "group") {
    SetGroup(value);
  } else if (name == "selected") {
    if (ParseBool(value, b)) Selected(b, false);
  } else if (name == "selectedimage") {
    m_selectedImage = ParseImageDescriptor(value);
  } else if (name == "selectedbkcolor") {
    if (ParseColor(value, color)) m_selectedBkColor = color;
  } else if (name == "selectedtextcolor") {
    if (ParseColor(value, color)) m_selectedTextColor = color;
  } else {
    return CButton::SetAttribute(name, value);
  }
  return true;
}

void COption::PaintBackground(CRenderContext& rc) {
  CButton::PaintBackground(rc);
  if (m_selected) rc.FillColor(m_pos, m_selectedBkColor);
}

void COption::PaintStatusImage(CRenderContext& rc) {
  if (m_selected && !m_selectedImage.IsEmpty() && IsEnabled()) {
    rc.DrawImage(m_pos, m_selectedImage);
    return;
  }
  CButton::PaintStatusImage(rc);
}

uint32_t COption::CurrentTextColor() const {
  return m_selected && m_selectedTextColor && IsEnabled() ? m_selectedTextColor : CButton::CurrentTextColor();
}
