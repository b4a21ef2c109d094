// One paint manager per top-level window: it owns the window's control tree and does its
// layout, double-buffered painting, hit testing, mouse capture and hot tracking, focus,
// tooltips, per-control timers and notification dispatch. Windows pass their messages to
// MessageHandler; message loops pass queued messages to TranslateMessage first.
//
// Everything here runs on the thread that owns the window, except PostToControl and PostTask,
// which any thread may call to have work done on that thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DibSurface_win.h"
#include "Geometry.h"
#include "HandOffQueue.h"
#include "ImageDescriptor.h"
#include "Notify.h"

class CControl;
class COption;
class CWindowShadow;

class CPaintManager {
 public:
  CPaintManager();
  ~CPaintManager();
  CPaintManager(const CPaintManager&) = delete;
  CPaintManager& operator=(const CPaintManager&) = delete;

  void Init(HWND wnd);
  HWND GetPaintWindow() const { return m_wnd; }

  // The control tree. A new root replaces (and destroys) the old one; the window takes the size
  // the layout asked for, if any.
  void AttachRoot(std::unique_ptr<CControl> root);
  CControl* GetRoot() const { return m_root.get(); }
  // The first control in tree order with the name; null when there is none.
  CControl* FindControl(const std::string& name) const;
  // The first control with the name inside `parent` (the parent itself included).
  CControl* FindSubControl(CControl* parent, const std::string& name) const;
  // The innermost visible control at a point in client coordinates.
  CControl* FindControlAt(int x, int y);

  // Window attributes the layout declares.
  void SetInitSize(UiSize size) { m_initSize = size; }
  UiSize GetInitSize() const { return m_initSize; }
  void SetMinInfo(UiSize size) { m_minInfo = size; }
  UiSize GetMinInfo() const { return m_minInfo; }
  void SetCaptionRect(const UiRect& insets) { m_caption = insets; }
  const UiRect& GetCaptionRect() const { return m_caption; }
  void SetSizeBox(const UiRect& border) { m_sizeBox = border; }
  const UiRect& GetSizeBox() const { return m_sizeBox; }
  void SetRoundCorner(UiSize corner) { m_roundCorner = corner; }
  UiSize GetRoundCorner() const { return m_roundCorner; }
  void SetBkColor(uint32_t argb) { m_bkColor = argb; }
  // A drawn shadow of `size` pixels around the window, painted from a nine-grid image.
  void SetShadow(const std::string& descriptor, int size);

  // Fonts by id as the layout declares them; GetFont answers the default font for unknown ids.
  // Until a layout says otherwise the default is 微软雅黑 at 14 pixels.
  void AddFont(int id, const std::string& face, int size, bool bold, bool underline, bool italic, bool isDefault);
  HFONT GetFont(int id) const;

  void AddNotifier(INotifyUI* notifier);
  void RemoveNotifier(INotifyUI* notifier);
  void AddMessageFilter(IMessageFilterUI* filter);
  void RemoveMessageFilter(IMessageFilterUI* filter);
  // Delivers a notification to every receiver at once, or, when `async`, after the current
  // message has been handled (dropped if the sender has been destroyed by then).
  void SendNotify(CControl* sender, const std::string& type, WPARAM wParam = 0, LPARAM lParam = 0,
                  bool async = false);

  // Any thread: runs `task` on the window's thread with the control, unless the control has been
  // destroyed by then (the task is then dropped). The caller must know the control is alive at
  // the moment of the call, for example by holding the lock of the registry it was found in.
  // False when the control is already gone.
  bool PostToControl(CControl* control, std::function<void(CControl&)> task);
  // Any thread: runs `task` on the window's thread.
  void PostTask(std::function<void()> task);

  bool SetTimer(CControl* control, UINT id, UINT elapse);
  bool KillTimer(CControl* control, UINT id);

  CControl* GetFocus() const { return m_focus; }
  void SetFocus(CControl* control);

  void AddOptionToGroup(const std::string& group, COption* option);
  void RemoveOptionFromGroup(const std::string& group, COption* option);
  std::vector<COption*> GetOptionGroup(const std::string& group) const;

  // Layout is redone before the next paint; UpdateLayout does it now.
  void NeedUpdate();
  void UpdateLayout();
  void Invalidate(const UiRect& r);
  // Paints the tree (after the window background) into a surface, clipped to `clip`.
  void Render(CDibSurface& surface, const UiRect& clip);
  // How many WM_PAINT passes have completed.
  int PaintCount() const { return m_paintCount; }

  // Controls leaving the tree: forgotten at once, destroyed after the current message.
  void DeleteLater(std::unique_ptr<CControl> control);
  void ForgetControl(CControl* control);
  void OnControlHidden(CControl* control);

  // The window's messages; true when handled, with the answer in `result`.
  bool MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Queued messages for the window or its child windows, before dispatch: the message filters.
  bool PreMessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Pre-translation for message loops: true when a filter consumed the message.
  static bool TranslateMessage(const MSG* msg);
  // Runs the thread's message loop until the quit message; answers its exit code.
  static int MessageLoop();

 private:
  static void RegisterManager(CPaintManager* manager);
  static void UnregisterManager(CPaintManager* manager);
  // The message that wakes the window for handed-off work and posted notifications.
  static UINT WorkMessage();

  bool HandleMouse(UINT msg, LPARAM lParam);
  void FillMinMaxInfo(MINMAXINFO& info) const;
  void SendEvent(CControl* control, UiEvent type, int x = 0, int y = 0, WPARAM wParam = 0);
  void SetHot(CControl* control, int x, int y);
  void MoveFocus(bool forward);
  bool IsShown(const CControl* control) const;
  void OnPaint();
  void ApplyWindowSize();
  void ApplyRoundCorner();
  void UpdateShadow();
  void ShowToolTip();
  void HideToolTip();
  void Wake();
  void RunHandOff();

  HWND m_wnd = nullptr;
  std::unique_ptr<CControl> m_root;
  std::vector<std::unique_ptr<CControl>> m_graveyard;
  bool m_cleanupQueued = false;

  UiSize m_initSize;
  UiSize m_minInfo;
  UiRect m_caption;
  UiRect m_sizeBox;
  UiSize m_roundCorner;
  uint32_t m_bkColor = 0xFFFFFFFF;
  ImageDescriptor m_shadowImage;
  int m_shadowSize = 0;
  std::unique_ptr<CWindowShadow> m_shadow;

  struct FontEntry;
  std::vector<std::unique_ptr<FontEntry>> m_fonts;
  std::unique_ptr<FontEntry> m_defaultFont;

  std::vector<INotifyUI*> m_notifiers;
  std::vector<IMessageFilterUI*> m_filters;
  CHandOffQueue m_handOff;
  std::atomic<bool> m_wakePosted{false};

  struct TimerEntry {
    CControl* control;
    UINT id;
    UINT_PTR native;
  };
  std::vector<TimerEntry> m_timers;
  UINT_PTR m_nextTimer = 0x10000;  // above the timer ids windows use for themselves

  std::map<std::string, std::vector<COption*>> m_groups;

  CControl* m_hot = nullptr;
  CControl* m_captured = nullptr;
  CControl* m_focus = nullptr;
  bool m_trackingMouse = false;
  HWND m_toolTip = nullptr;
  CControl* m_toolTipOwner = nullptr;
  std::wstring m_toolTipText;

  bool m_layoutPending = true;
  bool m_inLayout = false;
  int m_paintCount = 0;
  CDibSurface m_backBuffer;
};
