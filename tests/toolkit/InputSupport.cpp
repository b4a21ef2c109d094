#include "InputSupport.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "ToolkitTestSupport.h"

namespace {

INPUT Key(WORD vk, WORD scan, DWORD flags) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = scan;
  in.ki.dwFlags = flags;
  return in;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  PumpFor(20);
}

}  // namespace

bool BringToFront(HWND wnd) {
  ShowWindow(wnd, SW_SHOW);
  SetForegroundWindow(wnd);
  SetActiveWindow(wnd);
  return PumpUntil([wnd] { return GetForegroundWindow() == wnd; }, 3000);
}

void PressKey(WORD vk, WORD modifier) {
  std::vector<INPUT> in;
  if (modifier) in.push_back(Key(modifier, 0, 0));
  in.push_back(Key(vk, 0, 0));
  in.push_back(Key(vk, 0, KEYEVENTF_KEYUP));
  if (modifier) in.push_back(Key(modifier, 0, KEYEVENTF_KEYUP));
  Send(in);
}

bool SetClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool ok = false;
  if (void* bytes = memory ? GlobalLock(memory) : nullptr) {
    memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    ok = SetClipboardData(CF_TEXT, memory) != nullptr;  // the clipboard owns it from here
  }
  if (!ok && memory) GlobalFree(memory);
  CloseClipboard();
  return ok;
}

void TypeKeys(const std::string& text) {
  for (char c : text) {
    if (c == '-') PressKey(VK_OEM_MINUS);
    else PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))),
                  std::isupper(static_cast<unsigned char>(c)) ? VK_SHIFT : 0);
  }
}

void TypeUnicode(const std::wstring& text) {
  for (wchar_t c : text) Send({Key(0, c, KEYEVENTF_UNICODE), Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
}
