// A small program started by the platform tests:
//   platform_probe write <file>    waits a moment, writes "done" to the file, exits with 7
//   platform_probe crash <folder>  installs the crash handler, then a worker thread writes its
//                                  id to <folder>\thread.txt and dereferences a null pointer;
//                                  the hook writes the dump path and report to <folder>\hook.txt
#include <windows.h>

#include <cstdio>
#include <string>

#include "CrashHandler_win.h"

namespace {

std::string g_folder;

void WriteText(const std::string& path, const std::string& text) {
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
}

void RecordCrash(const char* report, const char* dumpPath) {
  WriteText(g_folder + "\\hook.txt", std::string(dumpPath) + "\n" + report);
}

DWORD WINAPI CrashingThread(void*) {
  WriteText(g_folder + "\\thread.txt", std::to_string(GetCurrentThreadId()));
  *static_cast<volatile int*>(nullptr) = 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string mode = argv[1];
  if (mode == "write") {
    Sleep(300);
    WriteText(argv[2], "done");
    return 7;
  }
  if (mode == "crash") {
    g_folder = argv[2];
    CrashHandlerScope crashHandler(RecordCrash);
    HANDLE thread = CreateThread(nullptr, 0, CrashingThread, nullptr, 0, nullptr);
    if (!thread) return 3;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return 4;  // reached only when the crash was not handled
  }
  return 2;
}
