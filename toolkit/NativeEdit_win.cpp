#include "NativeEdit_win.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cstring>

#include "EditRules.h"
#include "Skin_win.h"

namespace {

const char kHostClass[] = "UIToolkitEditHost";
const wchar_t kPasswordMask = 0x25CF;  // ●

COLORREF ToColorRef(uint32_t argb) { return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF); }

// Opens the clipboard for as long as it lives.
struct ClipboardLock {
  bool open;
  explicit ClipboardLock(HWND wnd) : open(OpenClipboard(wnd) != FALSE) {}
  ~ClipboardLock() {
    if (open) CloseClipboard();
  }
};

}  // namespace

CNativeEdit::~CNativeEdit() { Destroy(); }

bool CNativeEdit::Create(HWND parent, const Options& options) {
  Destroy();
  static const ATOM hostClass = [] {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = skin::Instance();
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = kHostClass;
    return RegisterClassExA(&wc);
  }();
  if (!hostClass || !IsWindow(parent)) return false;
  m_options = options;
  m_parent = parent;
  m_host = CreateWindowExA(0, kHostClass, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr,
                           skin::Instance(), this);
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_LEFT;
  if (options.password) style |= ES_PASSWORD;
  if (options.readOnly) style |= ES_READONLY;
  m_edit = m_host ? CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, m_host, nullptr, skin::Instance(), nullptr)
                  : nullptr;
  if (!m_edit) {
    Destroy();
    return false;
  }
  m_brush = CreateSolidBrush(ToColorRef(options.bkColor));
  SetWindowSubclass(m_edit, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  if (options.font) SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(options.font), FALSE);
  SendMessageW(m_edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  if (options.maxChars > 0) SendMessageW(m_edit, EM_SETLIMITTEXT, static_cast<WPARAM>(options.maxChars), 0);
  if (options.password) SendMessageW(m_edit, EM_SETPASSWORDCHAR, kPasswordMask, 0);
  // Digits need no input method; without one, composed text cannot slip past the digit filter.
  if (options.digitsOnly) ImmAssociateContext(m_edit, nullptr);
  return true;
}

void CNativeEdit::Destroy() {
  if (m_edit) RemoveWindowSubclass(m_edit, EditProc, 1);
  if (m_host && IsWindow(m_host)) DestroyWindow(m_host);  // takes the edit with it
  if (m_brush) DeleteObject(m_brush);
  m_host = m_edit = nullptr;
  m_brush = nullptr;
}

std::string CNativeEdit::GetText() const {
  if (!m_edit) return {};
  const int length = GetWindowTextLengthA(m_edit);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(m_edit, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void CNativeEdit::SetText(const std::string& ansi) {
  if (!m_edit) return;
  m_settingText = true;
  SetWindowTextA(m_edit, ansi.c_str());
  m_settingText = false;
  const LRESULT end = SendMessageW(m_edit, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(m_edit, EM_SETSEL, end, end);
}

void CNativeEdit::Place(const UiRect& r) {
  if (!m_host) return;
  MoveWindow(m_host, r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0), TRUE);
  // A single-line edit draws its text at the top: it is given one line's height, centred.
  int line = r.Height();
  if (HDC dc = GetDC(m_host)) {
    HGDIOBJ old = SelectObject(dc, m_options.font ? m_options.font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm)) line = std::min<int>(tm.tmHeight + 2, r.Height());
    SelectObject(dc, old);
    ReleaseDC(m_host, dc);
  }
  MoveWindow(m_edit, 0, (r.Height() - line) / 2, std::max(r.Width(), 0), std::max(line, 0), TRUE);
}

void CNativeEdit::Show() {
  if (m_host) ShowWindow(m_host, SW_SHOWNA);
}

void CNativeEdit::Hide() {
  if (m_host) ShowWindow(m_host, SW_HIDE);
}

LRESULT CALLBACK CNativeEdit::HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrA(wnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<CNativeEdit*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE && !self->m_settingText && self->onChange) self->onChange();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {  // a read-only edit asks as a static
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ToColorRef(self->m_options.textColor));
      SetBkColor(dc, ToColorRef(self->m_options.bkColor));
      return reinterpret_cast<LRESULT>(self->m_brush);
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(wnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, self->m_brush);
      return 1;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(wnd, msg, wParam, lParam);
}

LRESULT CALLBACK CNativeEdit::EditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<CNativeEdit*>(self)->OnEditMessage(wnd, msg, wParam, lParam);
}

LRESULT CNativeEdit::OnEditMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_TAB || wParam == VK_RETURN) {
        if (onKey) onKey(wParam);
        return 0;
      }
      break;
    case WM_CHAR:
      // One line has no use for tabs, line breaks or Escape; the edit would only beep at them.
      if (wParam == '\t' || wParam == '\r' || wParam == '\n' || wParam == VK_ESCAPE) return 0;
      if (m_options.digitsOnly && wParam >= 0x20 && (wParam < '0' || wParam > '9')) return 0;
      break;
    case WM_PASTE:
      if (m_options.digitsOnly && !m_options.readOnly) {
        PasteDigits();
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
      if (onFocusLost) onFocusLost(reinterpret_cast<HWND>(wParam));
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(wnd, msg, wParam, lParam);
}

void CNativeEdit::PasteDigits() {
  std::string text;
  {
    ClipboardLock lock(m_edit);
    if (!lock.open) return;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!bytes) return;
    text.assign(bytes, strnlen(bytes, GlobalSize(data)));
    GlobalUnlock(data);
  }
  // The edit's own length limit cuts what does not fit, as it does for any paste.
  const std::string digits = ApplyEditRules(text, {true, 0});
  SendMessageA(m_edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(digits.c_str()));
}
