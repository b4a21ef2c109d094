// The texts and decisions of the crash handler that need no Windows API.
#pragma once

#include <string>

// "\exception_<process>_<thread>.dmp", appended to the dump folder.
std::string CrashDumpFileName(unsigned long processId, unsigned long threadId);

// The executable's folder and file name, split at the last backslash or, when there is none,
// the last forward slash. Both are empty when the path has no separator.
struct ModulePathParts {
  std::string folder;
  std::string name;
};
ModulePathParts SplitModulePath(const std::string& path);

struct CrashFacts {
  std::string exeName;
  unsigned long threadId = 0;
  unsigned long code = 0;
  unsigned long flags = 0;
  unsigned long long address = 0;
  unsigned long parameterCount = 0;
  std::string dumpPath;
};
// The one-paragraph report for the crash-notification hook, at most 511 bytes.
std::string FormatCrashReport(const CrashFacts& facts);

// Only the system's own "ntdll" module keeps its data sections in a dump; the others' would
// make it large without helping to read it.
bool KeepsModuleData(const std::wstring& modulePath);
