// The plain window class every window of the program derives from: registers its window class
// (optionally as a superclass of a system class), creates the window with the object attached,
// routes messages to HandleMessage and calls OnFinalMessage once the window is gone, after which
// the object may delete itself.
#pragma once

#include <windows.h>

class CWindowWnd {
 public:
  // What ShowModal answers when the window went away without a close message carrying a result
  // (for example when the system destroyed it): the "cancelled or closed" result of the dialogs.
  static constexpr UINT kClosedResult = 1;

  CWindowWnd() = default;
  virtual ~CWindowWnd() = default;
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;

  HWND GetHWND() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  HWND Create(HWND parent, const char* name, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT,
              int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU menu = nullptr);
  void ShowWindow(bool show = true, bool takeFocus = true);
  // Shows the window and runs a message loop until it no longer exists, with its owner disabled
  // meanwhile. The answer is the wParam of the close message posted to it (see Close), or
  // kClosedResult when it went away without one. A quit message ends the loop early and is posted
  // again. The object may be deleted by the time this returns.
  UINT ShowModal();
  // Posts the close message with a result (only while the window exists).
  void Close(UINT result = IDOK);
  // Centres over the owner, or over the monitor's work area when there is no owner or it is
  // minimised; the window stays inside the work area.
  void CenterWindow();
  // Sets the big and small window icons from an icon resource of the program.
  void SetIcon(UINT resourceId);
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  virtual const char* GetWindowClassName() const = 0;
  virtual const char* GetSuperClassName() const { return nullptr; }
  virtual UINT GetClassStyle() const { return 0; }
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void OnFinalMessage(HWND) {}

  HWND m_hWnd = nullptr;

 private:
  bool RegisterWindowClass();
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleModalClose(WPARAM wParam, LPARAM lParam);

  WNDPROC m_superProc = DefWindowProcA;
  HWND m_modalOwner = nullptr;
  bool m_inModal = false;
};
