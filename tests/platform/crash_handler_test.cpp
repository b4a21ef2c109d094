#include "CrashHandler_win.h"

#include <windows.h>
#include <dbghelp.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CrashDumpCallback_win.h"
#include "CrashReport.h"
#include "ProgramIdentity.h"
#include "TempFolder.h"
#include "TextFormat.h"

namespace {

const DWORD kAccessViolation = 0xC0000005;

TEST(CrashReport, FileNameAndModulePath) {
  EXPECT_EQ(CrashDumpFileName(4312, 9876), "\\exception_4312_9876.dmp");

  const struct { const char* path; const char* folder; const char* name; } cases[] = {
      {"C:\\Tools\\Morvane.exe", "C:\\Tools", "Morvane.exe"},
      {"C:/Tools/Morvane.exe", "C:/Tools", "Morvane.exe"},
      {"C:\\a/b\\Morvane.exe", "C:\\a/b", "Morvane.exe"},
      {"Morvane.exe", "", ""},
  };
  for (const auto& c : cases) {
    const ModulePathParts parts = SplitModulePath(c.path);
    EXPECT_EQ(parts.folder, c.folder) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
  }
}

TEST(CrashReport, ReportShowsSignedNumbersAndIsCut) {
  CrashFacts facts;
  facts.exeName = "Morvane.exe";
  facts.threadId = 9876;
  facts.code = kAccessViolation;
  facts.address = 0x401000;
  facts.parameterCount = 2;
  facts.dumpPath = "C:\\Tools\\dump\\exception_4312_9876.dmp";
  EXPECT_EQ(FormatCrashReport(facts),
            "Morvane.exe发生未知错误，错误信息：\r\n    Thread ID:9876\r\n"
            "    ExceptionCode:-1073741819\r\n    ExceptionFlags:0\r\n"
            "    ExceptionAddress:4198400\r\n    NumberParameters:2\r\n"
            "    错误报告路径:C:\\Tools\\dump\\exception_4312_9876.dmp");

  facts.dumpPath = "C:\\" + std::string(600, 'd');
  EXPECT_EQ(FormatCrashReport(facts).size(), 511u);
}

TEST(CrashDumpCallback, KeepsDataSectionsOfNtdllOnly) {
  MINIDUMP_CALLBACK_OUTPUT output = {};
  EXPECT_FALSE(CrashDumpCallback(nullptr, nullptr, &output));

  MINIDUMP_CALLBACK_INPUT input = {};
  EXPECT_FALSE(CrashDumpCallback(nullptr, &input, nullptr));

  input.CallbackType = ModuleCallback;
  const struct { const wchar_t* path; bool keepsData; } modules[] = {
      {L"C:\\windows\\system32\\NTDLL.DLL", true},
      {L"ntdll", true},
      {L"C:\\windows\\system32\\kernel32.dll", false},
      {L"C:\\Tools\\ntdll2.dll", false},
      {nullptr, false},
  };
  for (const auto& m : modules) {
    input.Module.FullPath = const_cast<wchar_t*>(m.path);
    output.ModuleWriteFlags = ModuleWriteModule | ModuleWriteDataSeg | ModuleWriteMiscRecord;
    EXPECT_TRUE(CrashDumpCallback(nullptr, &input, &output));
    EXPECT_EQ((output.ModuleWriteFlags & ModuleWriteDataSeg) != 0, m.keepsData);
    EXPECT_TRUE(output.ModuleWriteFlags & ModuleWriteModule);
  }

  const struct { ULONG type; BOOL result; } kinds[] = {
      {ThreadCallback, TRUE},  {ThreadExCallback, TRUE}, {IncludeThreadCallback, TRUE},
      {IncludeModuleCallback, TRUE}, {MemoryCallback, FALSE}, {CancelCallback, FALSE},
  };
  for (const auto& k : kinds) {
    input.CallbackType = k.type;
    EXPECT_EQ(CrashDumpCallback(nullptr, &input, &output), k.result) << k.type;
  }
}

// Copies the probe and the runtime DLLs it needs into `folder`, so its dump lands there.
void CopyProbeTo(const std::string& folder) {
  ASSERT_TRUE(CopyFileA((ExeFolder() + "platform_probe.exe").c_str(),
                        (folder + "\\platform_probe.exe").c_str(), FALSE));
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((ExeFolder() + "*.dll").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    CopyFileA((ExeFolder() + found.cFileName).c_str(), (folder + "\\" + found.cFileName).c_str(),
              FALSE);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

struct ProbeRun {
  DWORD processId = 0;
  DWORD exitCode = 0;
};

ProbeRun RunCrashingProbe(const std::string& folder) {
  ProbeRun run;
  const std::string exe = folder + "\\platform_probe.exe";
  std::string line = "\"" + exe + "\" crash \"" + folder + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return run;
  run.processId = info.dwProcessId;
  if (WaitForSingleObject(info.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  GetExitCodeProcess(info.hProcess, &run.exitCode);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return run;
}

// The exception stream of a minidump: the faulting thread and its exception code.
bool ReadExceptionStream(const std::string& dump, DWORD& threadId, DWORD& code) {
  MINIDUMP_HEADER header;
  if (dump.size() < sizeof header) return false;
  std::memcpy(&header, dump.data(), sizeof header);
  for (ULONG32 i = 0; i < header.NumberOfStreams; ++i) {
    MINIDUMP_DIRECTORY entry;
    const size_t at = header.StreamDirectoryRva + i * sizeof entry;
    if (at + sizeof entry > dump.size()) return false;
    std::memcpy(&entry, dump.data() + at, sizeof entry);
    MINIDUMP_EXCEPTION_STREAM stream;
    if (entry.StreamType != ExceptionStream || entry.Location.Rva + sizeof stream > dump.size())
      continue;
    std::memcpy(&stream, dump.data() + entry.Location.Rva, sizeof stream);
    threadId = stream.ThreadId;
    code = stream.ExceptionRecord.ExceptionCode;
    return true;
  }
  return false;
}

TEST(CrashHandler, WorkerThreadCrashWritesDumpAndEndsWithTheCode) {
  TempFolder temp;
  CopyProbeTo(temp.path());
  const ProbeRun run = RunCrashingProbe(temp.path());
  ASSERT_NE(run.processId, 0u);
  EXPECT_EQ(run.exitCode, kAccessViolation);

  const std::string threadId = ReadFileBytes(temp / "thread.txt");
  ASSERT_FALSE(threadId.empty());
  const std::string dumpPath =
      FormatText("%s\\dump\\exception_%lu_%s.dmp", temp.path().c_str(), run.processId,
                 threadId.c_str());
  const std::string dump = ReadFileBytes(dumpPath);
  ASSERT_GT(dump.size(), 4u) << dumpPath;
  EXPECT_EQ(dump.substr(0, 4), "MDMP");
  DWORD dumpedThread = 0, dumpedCode = 0;
  ASSERT_TRUE(ReadExceptionStream(dump, dumpedThread, dumpedCode));
  EXPECT_EQ(std::to_string(dumpedThread), threadId);
  EXPECT_EQ(dumpedCode, kAccessViolation);

  const std::string hook = ReadFileBytes(temp / "hook.txt");
  EXPECT_EQ(hook.substr(0, hook.find('\n')), dumpPath);
  EXPECT_NE(hook.find("\nplatform_probe.exe发生未知错误，错误信息：\r\n    Thread ID:" + threadId +
                      "\r\n    ExceptionCode:-1073741819\r\n"),
            std::string::npos)
      << hook;
  EXPECT_NE(hook.find("错误报告路径:" + dumpPath), std::string::npos) << hook;
}

TEST(CrashHandler, WithoutADumpFolderTheHookAndExitCodeStillFollow) {
  TempFolder temp;
  CopyProbeTo(temp.path());
  ASSERT_TRUE(WriteFileBytes(temp / "dump", "a file where the folder should be"));
  const ProbeRun run = RunCrashingProbe(temp.path());
  EXPECT_EQ(run.exitCode, kAccessViolation);
  const std::string hook = ReadFileBytes(temp / "hook.txt");
  EXPECT_EQ(hook.find(temp / "dump\\exception_"), 0u) << hook;
  EXPECT_NE(hook.find("ExceptionCode:-1073741819"), std::string::npos) << hook;
}

}  // namespace
