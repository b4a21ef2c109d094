// A read-only text of many lines with a vertical scroll bar, for long descriptions (what a new
// version brings). The text wraps at word boundaries to the width, keeps its line breaks, and
// scrolls with the bar and the wheel. It is a viewer: nothing can be typed into it, so the
// layouts' "readonly" is what it always is.
#pragma once

#include <memory>

#include "Label.h"

class CScrollBar;

class CRichEdit : public CLabel {
 public:
  CRichEdit();
  ~CRichEdit() override;
  const char* GetClass() const override { return "RichEdit"; }

  void SetText(const std::string& text) override;
  int GetScrollPos() const { return m_scroll; }
  void SetScrollPos(int pos);
  // Height of the whole wrapped text, as of the last layout.
  int GetContentHeight() const { return m_content; }
  bool IsScrollBarShown() const;

  void SetPos(const UiRect& pos) override;
  void SetManager(CPaintManager* manager, CControl* parent) override;
  CControl* FindAt(int x, int y) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintText(CRenderContext& rc) override;
  void PaintChildren(CRenderContext& rc) override;

 private:
  UINT Format() const;
  // Height of the text wrapped to `width`, and the height of one line.
  int MeasureText(int width);

  std::unique_ptr<CScrollBar> m_bar;
  UiRect m_textArea;
  int m_scroll = 0;
  int m_content = 0;
  int m_lineHeight = 16;
  int m_barWidth = 10;
  bool m_showBar = true;
};
