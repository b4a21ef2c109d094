// Decides what goes into a crash dump: every thread and module, data sections of ntdll only,
// no extra memory ranges.
#pragma once

#include <windows.h>
#include <dbghelp.h>

BOOL CALLBACK CrashDumpCallback(PVOID param, PMINIDUMP_CALLBACK_INPUT input,
                                PMINIDUMP_CALLBACK_OUTPUT output);
