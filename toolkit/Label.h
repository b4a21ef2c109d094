// Text controls. A label shows its text aligned in its rectangle (less the text padding), on one
// line cut with an ellipsis or wrapped over several lines. A "Text" is a label the user can click
// (it sends "click"), which is why dialogs keep it out of their drag area.
#pragma once

#include "Control.h"

class CLabel : public CControl {
 public:
  enum class Align { Near, Center, Far };

  const char* GetClass() const override { return "Label"; }

  void SetAlign(Align horizontal, Align vertical);
  void SetEndEllipsis(bool on);
  void SetWordWrap(bool on);
  void SetTextPadding(const UiRect& padding);
  const UiRect& GetTextPadding() const { return m_textPadding; }
  // The DrawText flags the label paints with.
  UINT TextFormat() const;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  void PaintText(CRenderContext& rc) override;

 private:
  Align m_align = Align::Near;
  Align m_valign = Align::Center;
  bool m_endEllipsis = false;
  bool m_wordWrap = false;
  UiRect m_textPadding;
};

class CText : public CLabel {
 public:
  const char* GetClass() const override { return "Text"; }
  void DoEvent(ControlEvent& event) override;

 private:
  bool m_pressed = false;
};
