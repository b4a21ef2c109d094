// How controls talk to the window that holds them: notifications with a type text ("click",
// "selectchanged", ...), the sending control and two values; and filters that see a window's
// queued messages before they are dispatched.
#pragma once

#include <windows.h>

#include <string>

class CControl;

struct UiNotification {
  std::string type;
  CControl* sender = nullptr;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void Notify(UiNotification& msg) = 0;
};

class IMessageFilterUI {
 public:
  virtual ~IMessageFilterUI() = default;
  // Set `handled` to consume the message; the answer is then the message's result.
  virtual LRESULT MessageFilter(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
};

// Input and life events the paint manager hands to a control.
enum class UiEvent {
  MouseEnter,
  MouseLeave,
  MouseMove,
  ButtonDown,
  ButtonUp,
  DoubleClick,
  CaptureLost,
  KeyDown,
  SetFocus,
  KillFocus,
  Timer,  // wParam: the control's own timer id
  // The mouse wheel over the control: wParam holds the signed wheel delta. It goes to the
  // innermost control under the mouse and on up its parents until one sets `handled`.
  ScrollWheel,
};

struct ControlEvent {
  UiEvent type;
  int x = 0;  // client coordinates of the mouse, for mouse events
  int y = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool handled = false;  // for events that travel up the parents (the wheel)
};
