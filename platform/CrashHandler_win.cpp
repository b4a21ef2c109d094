#include "CrashHandler_win.h"

#include <dbghelp.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "CrashDumpCallback_win.h"
#include "CrashReport.h"
#include "FileSystem.h"
#include "HandleOwner_win.h"
#include "ProgramIdentity.h"

namespace {

std::atomic<CrashHook> g_crashHook{nullptr};

// Scanned and indirectly referenced memory: enough to read the faulting stack's objects.
const MINIDUMP_TYPE kDumpType = static_cast<MINIDUMP_TYPE>(0x50);

void WriteDump(const std::string& path, EXCEPTION_POINTERS* pointers, DWORD threadId) {
  HandleOwner file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return;
  MINIDUMP_EXCEPTION_INFORMATION exception = {threadId, pointers, FALSE};
  MINIDUMP_CALLBACK_INFORMATION callback = {CrashDumpCallback, nullptr};
  // A failed write leaves a partial file; nothing better can be done while crashing.
  MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file.get(), kDumpType,
                    pointers ? &exception : nullptr, nullptr, &callback);
}

}  // namespace

void SetCrashHook(CrashHook hook) { g_crashHook = hook; }

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* pointers) {
  const DWORD processId = GetCurrentProcessId();
  const DWORD threadId = GetCurrentThreadId();
  const ModulePathParts exe = SplitModulePath(ExePath());
  const std::string folder = exe.folder + "\\dump";
  if (!FolderExists(folder)) CreateOneFolder(folder);
  const std::string dumpPath = folder + CrashDumpFileName(processId, threadId);
  WriteDump(dumpPath, pointers, threadId);

  CrashFacts facts;
  facts.exeName = exe.name;
  facts.threadId = threadId;
  facts.dumpPath = dumpPath;
  if (const EXCEPTION_RECORD* record = pointers ? pointers->ExceptionRecord : nullptr) {
    facts.code = record->ExceptionCode;
    facts.flags = record->ExceptionFlags;
    facts.address = reinterpret_cast<ULONG_PTR>(record->ExceptionAddress);
    facts.parameterCount = record->NumberParameters;
  }
  const std::string report = FormatCrashReport(facts);
  if (const CrashHook hook = g_crashHook.load()) hook(report.c_str(), dumpPath.c_str());
  // The normal exit path, so that exit handlers still run; the code tells how it ended.
  std::exit(static_cast<int>(facts.code));
}

CrashHandlerScope::CrashHandlerScope(CrashHook hook) {
  SetCrashHook(hook);
  m_previous = SetUnhandledExceptionFilter(CrashFilter);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
}

CrashHandlerScope::~CrashHandlerScope() { SetUnhandledExceptionFilter(m_previous); }
