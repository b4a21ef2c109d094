// The system edit window an edit box lays over itself while it is being edited, so that typing,
// the caret, selection, the clipboard and Chinese input are the system's own. The edit sits in
// a small host window that hears its change notices and colour requests, so the window the box
// lives in needs to know nothing about it. Both windows belong to this object.
//
// The edit is a Unicode window: only there does the password mask "●" exist as one character,
// and only there does the length limit count characters rather than bytes. Texts still cross
// this interface as ANSI strings.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Geometry.h"

class CNativeEdit {
 public:
  struct Options {
    bool password = false;
    bool readOnly = false;
    bool digitsOnly = false;
    int maxChars = 0;  // 0: no limit
    HFONT font = nullptr;
    uint32_t textColor = 0xFF000000;
    uint32_t bkColor = 0xFFFFFFFF;
  };

  CNativeEdit() = default;
  ~CNativeEdit();
  CNativeEdit(const CNativeEdit&) = delete;
  CNativeEdit& operator=(const CNativeEdit&) = delete;

  // Makes the (hidden) windows as children of `parent`; false when the system refuses.
  bool Create(HWND parent, const Options& options);
  void Destroy();
  bool IsCreated() const { return m_edit != nullptr; }
  HWND Edit() const { return m_edit; }
  HWND Parent() const { return m_parent; }

  std::string GetText() const;
  // Replaces the text without reporting a change, with the caret at its end.
  void SetText(const std::string& ansi);
  // Places the edit in `r` (client coordinates of the parent), vertically centred on one line.
  void Place(const UiRect& r);
  void Show();
  void Hide();

  // The user changed the text.
  std::function<void()> onChange;
  // The edit lost the focus to `next` (which may be null).
  std::function<void(HWND next)> onFocusLost;
  // Tab or Enter was pressed in the edit; it does nothing more with them.
  std::function<void(WPARAM key)> onKey;

 private:
  static LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT OnEditMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void PasteDigits();

  HWND m_parent = nullptr;
  HWND m_host = nullptr;
  HWND m_edit = nullptr;
  HBRUSH m_brush = nullptr;
  Options m_options;
  bool m_settingText = false;
};
