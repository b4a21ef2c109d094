#include "ClientProcess.h"

#include <sstream>

namespace {

std::string ClientProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1) + "channel_test_client.exe";
}

// The tests' arguments hold no quotes, so quoting each one is enough, empty ones included.
std::string Quoted(const std::string& arg) { return "\"" + arg + "\""; }

}  // namespace

ClientProcess::ClientProcess(int slot, const std::string& mode,
                             const std::vector<std::string>& args) {
  const std::string program = ClientProgram();
  std::string line = Quoted(program) + " " + Quoted(m_folder / "client.log") + " " +
                     std::to_string(slot) + " " + mode;
  for (const std::string& arg : args) line += " " + Quoted(arg);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &info)) {
    CloseHandle(info.hThread);
    m_process = info.hProcess;
  }
}

ClientProcess::~ClientProcess() {
  if (!m_process) return;
  if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
    TerminateProcess(m_process, 99);
    WaitForSingleObject(m_process, 5000);
  }
  CloseHandle(m_process);
}

int ClientProcess::Wait(DWORD milliseconds) {
  DWORD code = 0;
  if (!m_process || WaitForSingleObject(m_process, milliseconds) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(m_process, &code)) {
    return -1;
  }
  return static_cast<int>(code);
}

std::vector<std::string> ClientProcess::Log() const {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(m_folder / "client.log"));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}
