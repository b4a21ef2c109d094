#include "ProcessStart.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "HandleOwner_win.h"

int RunProcess(const std::string& application, const std::string& commandLine, bool wait) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
  PROCESS_INFORMATION info = {};
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  const BOOL created = CreateProcessA(application.empty() ? nullptr : application.c_str(),
                                      commandLine.empty() ? nullptr : line.data(), nullptr, nullptr,
                                      FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
  if (!created) return 0;
  HandleOwner process(info.hProcess);
  HandleOwner thread(info.hThread);
  if (wait) WaitForSingleObject(process.get(), INFINITE);
  return created;
}

std::intptr_t ShellOpen(const std::string& file, const std::string& parameters) {
  const HINSTANCE result =
      ShellExecuteA(nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                    nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<std::intptr_t>(result);
}
