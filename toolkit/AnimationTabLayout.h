// A tab layout whose pages slide in: a newly selected page enters from the right (from the left
// when it comes before the old one) and settles in "animationduration" milliseconds (200 by
// default). When it has settled, the layout sends "animtabselect" with the page (wParam) and the
// previous page (lParam). The page counts as selected from the start of the slide; "tabselect"
// is sent at once, as by any tab layout.
#pragma once

#include "TabLayout.h"

class CAnimationTabLayout : public CTabLayout {
 public:
  const char* GetClass() const override { return "AnimationTabLayout"; }

  bool SelectItem(int index, bool notify = true) override;
  bool IsAnimating() const { return m_animating; }

  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
  void PaintChildren(CRenderContext& rc) override;

 private:
  void Finish();

  int m_duration = 200;
  bool m_animating = false;
  bool m_notify = false;
  bool m_fromRight = true;
  int m_previous = 0;
  unsigned long m_start = 0;
  int m_offset = 0;  // how far the page still has to go
};
