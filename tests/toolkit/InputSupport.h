// Real input for window tests: a window brought to the front so that the keyboard reaches it,
// and keys typed through the system's input queue, as a user types them.
#pragma once

#include <windows.h>

#include <string>

// Shows the window, makes it the foreground window and pumps until it is; false on timeout.
bool BringToFront(HWND wnd);
// Presses and releases one key, with a modifier (VK_SHIFT, VK_CONTROL) held when one is given.
void PressKey(WORD vk, WORD modifier = 0);
// Puts ANSI text on the clipboard.
bool SetClipboardText(const std::string& text);
// Types digits, Latin letters, space and '-' key by key.
void TypeKeys(const std::string& text);
// Types characters as the input methods of other languages deliver them.
void TypeUnicode(const std::wstring& text);
