// Real input for window tests: a window brought to the front so that the keyboard reaches it,
// and keys typed through the system's input queue, as a user types them.
#pragma once

#include <windows.h>

#include <string>

// Shows the window, makes it the foreground window and pumps until it is; false on timeout.
bool BringToFront(HWND wnd);
// Presses and releases one key (with Shift held when asked).
void PressKey(WORD vk, bool shift = false);
// Types digits, Latin letters, space and '-' key by key.
void TypeKeys(const std::string& text);
// Types characters as the input methods of other languages deliver them.
void TypeUnicode(const std::wstring& text);
