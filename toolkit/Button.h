// A push button: a label with faces for its normal, hot (mouse over), pushed and disabled states,
// each an image descriptor, plus optional colours for the hot and pushed states. A press released
// over the button, or Space or Enter while it has the focus, activates it: it sends "click".
#pragma once

#include "Label.h"

class CButton : public CLabel {
 public:
  const char* GetClass() const override { return "Button"; }

  bool IsHot() const { return m_hot; }
  bool IsPushed() const { return m_pushed; }
  bool WantsFocus() const override { return true; }
  // What a click does; options extend it.
  virtual void Activate();

  void SetStateImage(const std::string& state, const std::string& descriptor);
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintStatusImage(CRenderContext& rc) override;
  void PaintBackground(CRenderContext& rc) override;
  uint32_t CurrentTextColor() const override;

  ImageDescriptor m_normalImage;
  ImageDescriptor m_hotImage;
  ImageDescriptor m_pushedImage;
  ImageDescriptor m_disabledImage;
  ImageDescriptor m_focusedImage;
  uint32_t m_hotBkColor = 0;
  uint32_t m_pushedBkColor = 0;
  uint32_t m_hotTextColor = 0;

 private:
  bool m_hot = false;
  bool m_pushed = false;
};
