// The browser emulation operations on a given root and key instead of the local machine's.
#pragma once

#include <windows.h>

#include <string>

int BrowserMajorVersionAt(HKEY root, const std::string& subkey);
bool RegisterBrowserEmulationAt(HKEY root, const std::string& subkey, int majorVersion);
