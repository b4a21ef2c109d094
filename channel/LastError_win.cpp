// One function behind both halves' error exports (the client's name is an alias of it).
#include "VarlinkServer.h"

#include <windows.h>

unsigned long __stdcall Icp_GetErrorServer() { return GetLastError(); }
