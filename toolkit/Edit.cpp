#include "Edit.h"

#include "AttributeText.h"
#include "NativeEdit_win.h"
#include "PaintManager.h"
#include "Render_win.h"

CEdit::CEdit() { SetTextPadding({4, 0, 4, 0}); }

CEdit::~CEdit() = default;

void CEdit::SetText(const std::string& text) {
  const std::string ruled = ApplyEditRules(text, m_rules);
  CLabel::SetText(ruled);
  if (m_native && m_native->IsCreated() && m_native->GetText() != ruled) m_native->SetText(ruled);
}

void CEdit::SetMaxChars(int count) {
  m_rules.maxChars = count < 0 ? 0 : count;
  SetText(GetText());
  DropNative();
}

void CEdit::SetDigitsOnly(bool on) {
  m_rules.digitsOnly = on;
  SetText(GetText());
  DropNative();
}

void CEdit::SetPassword(bool on) {
  m_password = on;
  DropNative();
  Invalidate();
}

void CEdit::SetReadOnly(bool on) {
  m_readOnly = on;
  DropNative();
}

void CEdit::SetHint(const std::string& hint) {
  m_hint = hint;
  Invalidate();
}

void CEdit::SetHintColor(uint32_t argb) {
  m_hintColor = argb;
  Invalidate();
}

std::string CEdit::GetDisplayText() const {
  if (GetText().empty()) return m_hint;
  return m_password ? MaskText(GetText(), "●") : GetText();
}

bool CEdit::IsShowingHint() const { return GetText().empty() && !m_hint.empty(); }

HWND CEdit::GetNativeWindow() const { return m_editing && m_native ? m_native->Edit() : nullptr; }

UiRect CEdit::EditArea() const { return m_pos.Deflated(GetTextPadding()); }

void CEdit::BeginEdit() {
  if (m_editing || !m_manager || !m_manager->GetPaintWindow() || !IsEnabled() || !IsVisible()) return;
  if (!m_native) {
    CNativeEdit::Options options;
    options.password = m_password;
    options.readOnly = m_readOnly;
    options.digitsOnly = m_rules.digitsOnly;
    options.maxChars = m_rules.maxChars;
    options.font = CurrentFont();
    options.textColor = GetTextColor();
    if (GetBkColor() >> 24) options.bkColor = GetBkColor();
    auto native = std::make_unique<CNativeEdit>();
    if (!native->Create(m_manager->GetPaintWindow(), options)) return;
    native->onChange = [this] { OnNativeChange(); };
    native->onFocusLost = [this](HWND) { OnNativeFocusLost(); };
    native->onKey = [this](WPARAM key) { OnNativeKey(key); };
    m_native = std::move(native);
  }
  m_native->SetText(GetText());
  m_native->Place(EditArea());
  m_native->Show();
  m_editing = true;
  ::SetFocus(m_native->Edit());
  Invalidate();
}

void CEdit::EndEdit(bool focusAlreadyGone) {
  if (!m_editing) return;
  m_editing = false;
  // The hidden edit must not keep the keyboard: it goes back to the window the box lives in.
  if (!focusAlreadyGone && ::GetFocus() == m_native->Edit()) ::SetFocus(m_native->Parent());
  m_native->Hide();
  Invalidate();
}

void CEdit::DropNative() {
  const bool editing = m_editing;
  EndEdit(false);
  m_native.reset();
  if (editing) BeginEdit();
}

void CEdit::OnNativeChange() {
  const std::string text = m_native->GetText();
  // The edit already refuses most of what the rules forbid; this catches the rest (input
  // methods, messages sent by other programs).
  const std::string ruled = ApplyEditRules(text, m_rules);
  if (ruled != text) m_native->SetText(ruled);
  if (ruled == GetText()) return;
  CLabel::SetText(ruled);
  NotifyLater("textchanged");
}

// Sent from inside the system edit's own messages: a receiver that takes the box away (closing
// its dialog on Enter) must do so after they are over.
void CEdit::NotifyLater(const char* type) {
  if (m_manager) m_manager->SendNotify(this, type, 0, 0, true);
}

void CEdit::OnNativeFocusLost() {
  if (!m_editing) return;
  EndEdit(true);
  if (m_manager && m_manager->GetFocus() == this) m_manager->SetFocus(nullptr);
}

void CEdit::OnNativeKey(WPARAM key) {
  if (key == VK_RETURN) {
    NotifyLater("return");
  } else if (key == VK_TAB && m_native) {
    // The window's own Tab handling moves the focus to the next control.
    ::SendMessageA(m_native->Parent(), WM_KEYDOWN, VK_TAB, 0);
  }
}

void CEdit::SetPos(const UiRect& pos) {
  CLabel::SetPos(pos);
  if (m_editing) m_native->Place(EditArea());
}

void CEdit::SetManager(CPaintManager* manager, CControl* parent) {
  if (manager != m_manager) {
    // The system edit belongs to the old window.
    m_editing = false;
    m_native.reset();
  }
  CLabel::SetManager(manager, parent);
}

void CEdit::SetEnabled(bool enabled) {
  CLabel::SetEnabled(enabled);
  if (enabled || !m_editing) return;
  EndEdit(false);
  if (m_manager && m_manager->GetFocus() == this) m_manager->SetFocus(nullptr);
}

void CEdit::DoEvent(ControlEvent& event) {
  switch (event.type) {
    case UiEvent::SetFocus:
    case UiEvent::ButtonDown:
    case UiEvent::KeyDown:
      BeginEdit();
      break;
    case UiEvent::KillFocus:
      EndEdit(false);
      break;
    default:
      break;
  }
}

void CEdit::PaintText(CRenderContext& rc) {
  if (m_editing) return;  // the system edit shows the text
  rc.DrawText(EditArea(), GetDisplayText(), IsShowingHint() ? m_hintColor : CurrentTextColor(), CurrentFont(),
              TextFormat());
}

bool CEdit::SetAttribute(const std::string& name, const std::string& value) {
  int n = 0;
  bool b = false;
  uint32_t color = 0;
  if (name == "maxchar") {
    if (ParseInt(value, n)) SetMaxChars(n);
  } else if (name == "numberonly") {
    if (ParseBool(value, b)) SetDigitsOnly(b);
  } else if (name == "password") {
    if (ParseBool(value, b)) SetPassword(b);
  } else if (name == "readonly") {
    if (ParseBool(value, b)) SetReadOnly(b);
  } else if (name == "hint") {
    SetHint(value);
  } else if (name == "hintcolor") {
    if (ParseColor(value, color)) SetHintColor(color);
  } else {
    return CLabel::SetAttribute(name, value);
  }
  return true;
}
