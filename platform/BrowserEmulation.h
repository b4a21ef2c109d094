// Registers the program with the embedded web browser's emulation mode, so that hosted pages
// are shown by the installed browser's engine rather than its oldest mode.
#pragma once

#include <string>

// The emulation value for a browser major version: 7000 to 10000, 11000 for anything else.
unsigned long BrowserEmulationValue(int majorVersion);
// The major version in a text such as "11.0.9600.18537"; 0 when it does not start with one.
int MajorVersionFromText(const std::string& version);

// The installed browser's major version from the local machine's registry, 11 when unknown.
int BrowserMajorVersion();
// Writes the emulation value for the running executable and for "morvane.exe" into the local
// machine's emulation key; true when at least one write succeeded.
bool RegisterBrowserEmulation();
