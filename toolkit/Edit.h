// A one-line edit box. While it has the focus a system edit window lies over it (see
// CNativeEdit), so typing, selection, the clipboard and Chinese input work as everywhere else;
// otherwise the box draws itself: its text, a mask of "●" for a password, or a grey hint while
// it is empty. Its rules hold however the text arrives (typed, pasted, or set in code): only
// the digits 0 to 9 with "numberonly", at most "maxchar" characters.
//
// A change by the user sends "textchanged"; Enter sends "return". Tab moves the focus on.
#pragma once

#include <memory>

#include "EditRules.h"
#include "Label.h"

class CNativeEdit;

class CEdit : public CLabel {
 public:
  CEdit();
  ~CEdit() override;
  const char* GetClass() const override { return "Edit"; }

  // The rules are applied to the text first.
  void SetText(const std::string& text) override;
  void SetMaxChars(int count);
  int GetMaxChars() const { return m_rules.maxChars; }
  void SetDigitsOnly(bool on);
  bool IsDigitsOnly() const { return m_rules.digitsOnly; }
  void SetPassword(bool on);
  bool IsPassword() const { return m_password; }
  void SetReadOnly(bool on);
  bool IsReadOnly() const { return m_readOnly; }
  void SetHint(const std::string& hint);
  const std::string& GetHint() const { return m_hint; }
  void SetHintColor(uint32_t argb);

  // What the box shows while it is not being edited, and whether that is the hint.
  std::string GetDisplayText() const;
  bool IsShowingHint() const;
  bool IsEditing() const { return m_editing; }
  // The system edit window, while the box is being edited; else null.
  HWND GetNativeWindow() const;

  bool WantsFocus() const override { return IsEnabled(); }
  void SetPos(const UiRect& pos) override;
  void SetManager(CPaintManager* manager, CControl* parent) override;
  void SetEnabled(bool enabled) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintText(CRenderContext& rc) override;

 private:
  void BeginEdit();
  void EndEdit(bool focusAlreadyGone);
  void OnNativeChange();
  void OnNativeFocusLost();
  void OnNativeKey(WPARAM key);
  void NotifyLater(const char* type);
  // Options changed: the system edit is made again when next needed.
  void DropNative();
  UiRect EditArea() const;

  EditRules m_rules;
  bool m_password = false;
  bool m_readOnly = false;
  std::string m_hint;
  uint32_t m_hintColor = 0xFFA0A0A0;
  bool m_editing = false;
  std::unique_ptr<CNativeEdit> m_native;
};
