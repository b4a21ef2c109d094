// Pages stacked in one place, one of them shown. Selecting a page sends "tabselect" (wParam:
// the new page, lParam: the previous one) unless the caller asks for a silent switch.
#pragma once

#include "Container.h"

class CTabLayout : public CContainer {
 public:
  const char* GetClass() const override { return "TabLayout"; }

  int GetCurSel() const { return m_selected; }
  // False for an index outside the pages; selecting the shown page again changes nothing.
  virtual bool SelectItem(int index, bool notify = true);

  CControl* FindAt(int x, int y) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
  void PaintChildren(CRenderContext& rc) override;

 private:
  int m_selected = 0;
};
