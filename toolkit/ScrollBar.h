// A vertical scroll bar drawn inside a scrolling control (a list, the rich edit): a track and a
// thumb. Dragging the thumb, or pressing the track above or below it (a page at a time), asks
// the owner to scroll through `onScroll`; the owner keeps the position and tells the bar with
// SetState. The wheel is left to the owner: the bar does not take it.
#pragma once

#include <functional>

#include "Control.h"

class CScrollBar : public CControl {
 public:
  CScrollBar();
  const char* GetClass() const override { return "ScrollBar"; }

  void SetState(int content, int view, int pos);
  int GetScrollPos() const { return m_scroll; }
  UiRect ThumbRect() const;
  std::function<void(int pos)> onScroll;

  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintStatusImage(CRenderContext& rc) override;

 private:
  void RequestScroll(int pos);

  int m_content = 0;
  int m_view = 0;
  int m_scroll = 0;
  bool m_dragging = false;
  bool m_hot = false;
  int m_grab = 0;  // where in the thumb the drag took hold
  uint32_t m_thumbColor = 0xFFC8C8C8;
  uint32_t m_thumbHotColor = 0xFFA8A8A8;
};
