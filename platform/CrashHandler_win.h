// The handler of exceptions that nothing else handles: it writes a minidump into "dump" beside
// the executable, hands a short report to the crash-notification hook and ends the process
// with the exception code as exit code.
#pragma once

#include <windows.h>

// Called on the faulting thread with the report text and the dump file's path.
using CrashHook = void (*)(const char* report, const char* dumpPath);

void SetCrashHook(CrashHook hook);
// The process's top-level exception filter; it never returns.
LONG WINAPI CrashFilter(EXCEPTION_POINTERS* pointers);

// Installs CrashFilter with `hook` for its lifetime and keeps the system from showing
// critical-error and fault dialogs; the filter it replaced comes back afterwards.
class CrashHandlerScope {
 public:
  explicit CrashHandlerScope(CrashHook hook);
  ~CrashHandlerScope();
  CrashHandlerScope(const CrashHandlerScope&) = delete;
  CrashHandlerScope& operator=(const CrashHandlerScope&) = delete;

 private:
  LPTOP_LEVEL_EXCEPTION_FILTER m_previous;
};
