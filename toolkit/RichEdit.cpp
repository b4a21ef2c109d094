#include "RichEdit.h"

#include <algorithm>

#include "AttributeText.h"
#include "Render_win.h"
#include "ScrollBar.h"
#include "ScrollMath.h"
#include "TextCodec_win.h"

CRichEdit::CRichEdit() : m_bar(std::make_unique<CScrollBar>()) {
  m_bar->onScroll = [this](int pos) { SetScrollPos(pos); };
  SetTextPadding({4, 4, 4, 4});
}

CRichEdit::~CRichEdit() = default;

void CRichEdit::SetText(const std::string& text) {
  CLabel::SetText(text);
  m_scroll = 0;
  NeedUpdate();  // the text is measured again at the next layout
}

UINT CRichEdit::Format() const { return DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS; }

int CRichEdit::MeasureText(int width) {
  if (width <= 0 || GetText().empty()) return 0;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return 0;
  HGDIOBJ old = CurrentFont() ? SelectObject(dc, CurrentFont()) : nullptr;
  TEXTMETRICW tm;
  if (GetTextMetricsW(dc, &tm)) m_lineHeight = std::max<int>(tm.tmHeight, 1);
  const std::wstring wide = AnsiToWideText(GetText());
  RECT r{0, 0, width, 0};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, Format() | DT_CALCRECT);
  if (old) SelectObject(dc, old);
  DeleteDC(dc);
  return r.bottom - r.top;
}

void CRichEdit::SetPos(const UiRect& pos) {
  CLabel::SetPos(pos);
  m_textArea = pos.Deflated(GetTextPadding());
  m_content = MeasureText(m_textArea.Width());
  const bool bar = m_showBar && m_content > m_textArea.Height();
  if (bar) {
    // The bar takes its width from the text, which then wraps narrower.
    m_textArea.right = std::max(m_textArea.left, pos.right - m_barWidth - GetTextPadding().right);
    m_content = MeasureText(m_textArea.Width());
  }
  m_bar->SetPos(bar ? UiRect{pos.right - m_barWidth, pos.top, pos.right, pos.bottom} : UiRect{});
  m_scroll = ClampScroll(m_scroll, m_content, m_textArea.Height());
  m_bar->SetState(m_content, m_textArea.Height(), m_scroll);
}

void CRichEdit::SetScrollPos(int pos) {
  pos = ClampScroll(pos, m_content, m_textArea.Height());
  if (pos == m_scroll) return;
  m_scroll = pos;
  m_bar->SetState(m_content, m_textArea.Height(), m_scroll);
  Invalidate();
}

bool CRichEdit::IsScrollBarShown() const { return !m_bar->GetPos().IsEmpty(); }

void CRichEdit::SetManager(CPaintManager* manager, CControl* parent) {
  CLabel::SetManager(manager, parent);
  m_bar->SetManager(manager, this);
}

CControl* CRichEdit::FindAt(int x, int y) {
  if (!IsVisible() || !m_pos.Contains(x, y)) return nullptr;
  if (m_bar->GetPos().Contains(x, y)) return m_bar.get();
  return this;
}

void CRichEdit::DoEvent(ControlEvent& event) {
  if (event.type != UiEvent::ScrollWheel) return;
  const int delta = static_cast<int>(static_cast<intptr_t>(event.wParam));
  SetScrollPos(m_scroll - delta * 3 * m_lineHeight / WHEEL_DELTA);
  event.handled = true;
}

void CRichEdit::PaintText(CRenderContext& rc) {
  CClipScope clip(rc, m_textArea);
  const UiRect r{m_textArea.left, m_textArea.top - m_scroll, m_textArea.right, m_textArea.top - m_scroll + m_content};
  rc.DrawText(r, GetText(), CurrentTextColor(), CurrentFont(), Format());
}

void CRichEdit::PaintChildren(CRenderContext& rc) { m_bar->DoPaint(rc); }

bool CRichEdit::SetAttribute(const std::string& name, const std::string& value) {
  bool b = false;
  if (name == "vscrollbar") {
    if (ParseBool(value, b)) m_showBar = b;
    NeedUpdate();
  } else if (name == "readonly" || name == "multiline") {
    // Always so.
  } else {
    return CLabel::SetAttribute(name, value);
  }
  return true;
}
