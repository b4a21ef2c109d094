#include "PaintManager.h"

#include <algorithm>

#include "Control.h"
#include "Render_win.h"
#include "TabLayout.h"
#include "TextCodec_win.h"
#include "WindowShadow_win.h"

struct CPaintManager::FontEntry {
  int id;
  HFONT font;
  ~FontEntry() {
    if (font) DeleteObject(font);
  }
};

namespace {

HFONT MakeFont(const std::string& face, int size, bool bold, bool underline, bool italic) {
  LOGFONTW lf = {};
  lf.lfHeight = -std::max(size, 1);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = underline;
  lf.lfItalic = italic;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring wide = AnsiToWideText(face);
  wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

}  // namespace

CPaintManager::CPaintManager() {
  m_defaultFont.reset(new FontEntry{-1, MakeFont("微软雅黑", 14, false, false, false)});
}

CPaintManager::~CPaintManager() {
  // Controls forget themselves here while the manager is still whole; queued work is dropped.
  m_handOff.Clear();
  m_root.reset();
  m_graveyard.clear();
  m_shadow.reset();
  if (m_toolTip && IsWindow(m_toolTip)) DestroyWindow(m_toolTip);
  UnregisterManager(this);
}

void CPaintManager::Init(HWND wnd) {
  m_wnd = wnd;
  RegisterManager(this);
  if (m_shadowSize > 0 && !m_shadow) m_shadow = std::make_unique<CWindowShadow>(m_wnd, m_shadowImage, m_shadowSize);
}

void CPaintManager::AttachRoot(std::unique_ptr<CControl> root) {
  if (m_root) {
    m_root->SetManager(nullptr, nullptr);
    DeleteLater(std::move(m_root));
  }
  m_root = std::move(root);
  if (m_root) m_root->SetManager(this, nullptr);
  if (!m_root) return;
  ApplyWindowSize();
  NeedUpdate();
  // Receivers learn that the window is built once the message that built it has been handled.
  SendNotify(m_root.get(), "windowinit", 0, 0, true);
}

CControl* CPaintManager::FindControl(const std::string& name) const {
  return m_root && !name.empty() ? m_root->FindByName(name) : nullptr;
}

CControl* CPaintManager::FindSubControl(CControl* parent, const std::string& name) const {
  return parent && !name.empty() ? parent->FindByName(name) : nullptr;
}

CControl* CPaintManager::FindControlAt(int x, int y) {
  if (m_layoutPending) UpdateLayout();  // hit tests may come before the first paint
  return m_root ? m_root->FindAt(x, y) : nullptr;
}

void CPaintManager::SetShadow(const std::string& descriptor, int size) {
  m_shadowImage = ParseImageDescriptor(descriptor);
  m_shadowSize = m_shadowImage.IsEmpty() ? 0 : std::clamp(size, 0, 200);
  m_shadow.reset();
  if (m_wnd && m_shadowSize > 0) m_shadow = std::make_unique<CWindowShadow>(m_wnd, m_shadowImage, m_shadowSize);
}

void CPaintManager::AddFont(int id, const std::string& face, int size, bool bold, bool underline, bool italic,
                            bool isDefault) {
  HFONT font = MakeFont(face, size, bold, underline, italic);
  if (!font) return;
  if (isDefault) {
    m_defaultFont.reset(new FontEntry{-1, MakeFont(face, size, bold, underline, italic)});
  }
  m_fonts.erase(std::remove_if(m_fonts.begin(), m_fonts.end(), [id](const auto& f) { return f->id == id; }),
                m_fonts.end());
  m_fonts.emplace_back(new FontEntry{id, font});
  if (m_root) NeedUpdate();
}

HFONT CPaintManager::GetFont(int id) const {
  for (const auto& f : m_fonts) {
    if (f->id == id) return f->font;
  }
  return m_defaultFont->font;
}

void CPaintManager::AddNotifier(INotifyUI* notifier) {
  if (notifier && std::find(m_notifiers.begin(), m_notifiers.end(), notifier) == m_notifiers.end()) {
    m_notifiers.push_back(notifier);
  }
}

void CPaintManager::RemoveNotifier(INotifyUI* notifier) {
  m_notifiers.erase(std::remove(m_notifiers.begin(), m_notifiers.end(), notifier), m_notifiers.end());
}

void CPaintManager::AddMessageFilter(IMessageFilterUI* filter) {
  if (filter && std::find(m_filters.begin(), m_filters.end(), filter) == m_filters.end()) m_filters.push_back(filter);
}

void CPaintManager::RemoveMessageFilter(IMessageFilterUI* filter) {
  m_filters.erase(std::remove(m_filters.begin(), m_filters.end(), filter), m_filters.end());
}

void CPaintManager::SendNotify(CControl* sender, const std::string& type, WPARAM wParam, LPARAM lParam, bool async) {
  UiNotification msg{type, sender, wParam, lParam};
  if (async) {
    if (m_handOff.Push(sender, [this, msg]() mutable { SendNotify(msg.sender, msg.type, msg.wParam, msg.lParam); })) {
      Wake();
    }
    return;
  }
  // A receiver may remove itself or others while handling: deliver to a snapshot, skipping any
  // receiver that has left meanwhile.
  const std::vector<INotifyUI*> receivers = m_notifiers;
  for (INotifyUI* r : receivers) {
    if (std::find(m_notifiers.begin(), m_notifiers.end(), r) != m_notifiers.end()) r->Notify(msg);
  }
}

bool CPaintManager::PostToControl(CControl* control, std::function<void(CControl&)> task) {
  if (!control) return false;
  // A control taken out of the window but not yet destroyed has no manager: its work is dropped too.
  auto run = [this, control, task]() {
    if (control->GetManager() == this) task(*control);
  };
  if (!m_handOff.Push(control, run)) return false;
  Wake();
  return true;
}

void CPaintManager::PostTask(std::function<void()> task) {
  m_handOff.Push(nullptr, std::move(task));
  Wake();
}

bool CPaintManager::SetTimer(CControl* control, UINT id, UINT elapse) {
  if (!m_wnd || !control) return false;
  auto it = std::find_if(m_timers.begin(), m_timers.end(),
                         [&](const TimerEntry& t) { return t.control == control && t.id == id; });
  const UINT_PTR native = it != m_timers.end() ? it->native : m_nextTimer++;
  if (!::SetTimer(m_wnd, native, elapse, nullptr)) return false;
  if (it == m_timers.end()) m_timers.push_back({control, id, native});
  return true;
}

bool CPaintManager::KillTimer(CControl* control, UINT id) {
  auto it = std::find_if(m_timers.begin(), m_timers.end(),
                         [&](const TimerEntry& t) { return t.control == control && t.id == id; });
  if (it == m_timers.end()) return false;
  if (m_wnd) ::KillTimer(m_wnd, it->native);
  m_timers.erase(it);
  return true;
}

void CPaintManager::SetFocus(CControl* control) {
  if (control == m_focus) return;
  CControl* old = m_focus;
  m_focus = control;
  if (old) SendEvent(old, UiEvent::KillFocus);
  if (control) SendEvent(control, UiEvent::SetFocus);
}

void CPaintManager::AddOptionToGroup(const std::string& group, COption* option) {
  auto& members = m_groups[group];
  if (std::find(members.begin(), members.end(), option) == members.end()) members.push_back(option);
}

void CPaintManager::RemoveOptionFromGroup(const std::string& group, COption* option) {
  auto it = m_groups.find(group);
  if (it == m_groups.end()) return;
  it->second.erase(std::remove(it->second.begin(), it->second.end(), option), it->second.end());
  if (it->second.empty()) m_groups.erase(it);
}

std::vector<COption*> CPaintManager::GetOptionGroup(const std::string& group) const {
  auto it = m_groups.find(group);
  return it == m_groups.end() ? std::vector<COption*>{} : it->second;
}

void CPaintManager::NeedUpdate() {
  // While a layout is pending the whole window is already invalid: filling a list row by row
  // asks again for every row, and each asking of the system costs more than the row itself.
  if (m_layoutPending && m_wnd) return;
  m_layoutPending = true;
  if (m_wnd && !m_inLayout) InvalidateRect(m_wnd, nullptr, FALSE);
}

void CPaintManager::UpdateLayout() {
  m_layoutPending = false;
  if (!m_root) return;
  UiRect client{0, 0, m_initSize.cx, m_initSize.cy};
  if (m_wnd) {
    RECT r;
    GetClientRect(m_wnd, &r);
    client = {r.left, r.top, r.right, r.bottom};
  }
  // Controls ask for repaints as they move; one repaint of the window covers them all.
  m_inLayout = true;
  m_root->SetPos(client);
  m_inLayout = false;
  if (m_wnd) InvalidateRect(m_wnd, nullptr, FALSE);
}

void CPaintManager::Invalidate(const UiRect& r) {
  if (!m_wnd || m_inLayout || r.IsEmpty()) return;
  RECT rc{r.left, r.top, r.right, r.bottom};
  InvalidateRect(m_wnd, &rc, FALSE);
}

void CPaintManager::Render(CDibSurface& surface, const UiRect& clip) {
  CRenderContext rc(surface, clip);
  rc.FillColor(clip, m_bkColor);
  if (m_root) m_root->DoPaint(rc);
}

void CPaintManager::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_wnd, &ps);
  if (m_layoutPending) UpdateLayout();
  RECT client;
  GetClientRect(m_wnd, &client);
  const int width = client.right, height = client.bottom;
  const UiRect clip{std::max<int>(ps.rcPaint.left, 0), std::max<int>(ps.rcPaint.top, 0),
                    std::min<int>(ps.rcPaint.right, width), std::min<int>(ps.rcPaint.bottom, height)};
  const bool sized = m_backBuffer.Width() == width && m_backBuffer.Height() == height;
  if (!clip.IsEmpty() && (sized || m_backBuffer.Resize(width, height))) {
    Render(m_backBuffer, clip);
    BitBlt(dc, clip.left, clip.top, clip.Width(), clip.Height(), m_backBuffer.Dc(), clip.left, clip.top, SRCCOPY);
  }
  EndPaint(m_wnd, &ps);
  ++m_paintCount;
}

void CPaintManager::DeleteLater(std::unique_ptr<CControl> control) {
  if (!control) return;
  // Without a window there is no later message to wait for.
  if (!m_wnd || !IsWindow(m_wnd)) return;
  m_graveyard.push_back(std::move(control));
  if (m_cleanupQueued) return;
  m_cleanupQueued = true;
  PostTask([this] {
    m_cleanupQueued = false;
    std::vector<std::unique_ptr<CControl>> dead;
    dead.swap(m_graveyard);
  });
}

void CPaintManager::ForgetControl(CControl* control) {
  if (m_hot == control) m_hot = nullptr;
  if (m_captured == control) m_captured = nullptr;
  if (m_focus == control) m_focus = nullptr;
  if (m_toolTipOwner == control) HideToolTip();
  for (auto it = m_timers.begin(); it != m_timers.end();) {
    if (it->control == control) {
      if (m_wnd) ::KillTimer(m_wnd, it->native);
      it = m_timers.erase(it);
    } else {
      ++it;
    }
  }
}

bool CPaintManager::IsShown(const CControl* control) const {
  for (const CControl* c = control; c; c = c->GetParent()) {
    if (!c->IsVisible()) return false;
    const auto* tab = dynamic_cast<const CTabLayout*>(c->GetParent());
    if (tab && tab->GetItemAt(tab->GetCurSel()) != c) return false;
  }
  return true;
}

void CPaintManager::ApplyWindowSize() {
  if (m_wnd && m_initSize.cx > 0 && m_initSize.cy > 0) {
    SetWindowPos(m_wnd, nullptr, 0, 0, m_initSize.cx, m_initSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CPaintManager::ApplyRoundCorner() {
  if (!m_wnd || m_roundCorner.cx <= 0 || m_roundCorner.cy <= 0 || IsIconic(m_wnd)) return;
  RECT r;
  GetWindowRect(m_wnd, &r);
  // One pixel wider and higher: the region's right and bottom edges are exclusive.
  HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, m_roundCorner.cx, m_roundCorner.cy);
  if (region && !SetWindowRgn(m_wnd, region, TRUE)) DeleteObject(region);  // on success the window owns it
}

void CPaintManager::UpdateShadow() {
  if (m_shadow) m_shadow->Update();
}

void CPaintManager::Wake() {
  if (m_wnd && !m_wakePosted.exchange(true)) {
    if (!PostMessageA(m_wnd, WorkMessage(), 0, 0)) m_wakePosted = false;
  }
}

void CPaintManager::RunHandOff() {
  m_wakePosted = false;
  m_handOff.RunPending();
}
