// A horizontal progress bar: the part from the minimum to the value is filled with the fore
// colour or fore image; the bar's text is drawn over it (centred unless the layout says
// otherwise). Values outside the range are held at its ends.
#pragma once

#include "Label.h"

class CProgress : public CLabel {
 public:
  CProgress();
  const char* GetClass() const override { return "Progress"; }

  int GetValue() const { return m_value; }
  void SetValue(int value);
  void SetRange(int minimum, int maximum);
  int GetMinValue() const { return m_min; }
  int GetMaxValue() const { return m_max; }
  void SetForeColor(uint32_t argb);
  void SetForeImage(const std::string& descriptor);
  // The filled part of the bar for the current value.
  UiRect FilledRect() const;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  void PaintStatusImage(CRenderContext& rc) override;

 private:
  int m_min = 0;
  int m_max = 100;
  int m_value = 0;
  uint32_t m_foreColor = 0xFF24CF6B;
  ImageDescriptor m_foreImage;
};
