#include "CrashReport.h"

#include <cstdint>
#include <cstdio>

#include "CharWalk.h"

namespace {

const size_t kReportLimit = 511;

// The report shows every number as signed decimal, so an access violation reads -1073741819.
int AsSigned(unsigned long long value) {
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

}  // namespace

std::string CrashDumpFileName(unsigned long processId, unsigned long threadId) {
  char name[64];
  std::snprintf(name, sizeof name, "\\exception_%d_%d.dmp", AsSigned(processId),
                AsSigned(threadId));
  return name;
}

ModulePathParts SplitModulePath(const std::string& path) {
  size_t slash = FindLastCharOf(path, '\\');
  if (slash == std::string::npos) slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

std::string FormatCrashReport(const CrashFacts& facts) {
  char report[kReportLimit + 1];
  std::snprintf(report, sizeof report,
                "%s发生未知错误，错误信息：\r\n    Thread ID:%d\r\n    ExceptionCode:%d\r\n"
                "    ExceptionFlags:%d\r\n    ExceptionAddress:%d\r\n    NumberParameters:%d\r\n"
                "    错误报告路径:%s",
                facts.exeName.c_str(), AsSigned(facts.threadId), AsSigned(facts.code),
                AsSigned(facts.flags), AsSigned(facts.address), AsSigned(facts.parameterCount),
                facts.dumpPath.c_str());
  return report;
}

bool KeepsModuleData(const std::wstring& modulePath) {
  const size_t slash = modulePath.find_last_of(L"\\/");
  std::wstring base = slash == std::wstring::npos ? modulePath : modulePath.substr(slash + 1);
  const size_t dot = base.rfind(L'.');
  if (dot != std::wstring::npos) base.resize(dot);
  for (wchar_t& c : base) c = LowerAscii(c);
  return base == L"ntdll";
}
