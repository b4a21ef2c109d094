// Runs channel_test_client.exe (beside the test program) as a second process with its own log
// file, and reads what it logged once it has ended.
#pragma once

#include "TempFolder.h"

#include <windows.h>

#include <string>
#include <vector>

class ClientProcess {
 public:
  ClientProcess(int slot, const std::string& mode, const std::vector<std::string>& args = {});
  ~ClientProcess();  // ends the process if it is still running
  ClientProcess(const ClientProcess&) = delete;
  ClientProcess& operator=(const ClientProcess&) = delete;

  bool started() const { return m_process != nullptr; }
  // The process's exit code, or -1 when it has not ended within the time.
  int Wait(DWORD milliseconds = 30000);
  // The logged lines; complete once Wait has returned an exit code.
  std::vector<std::string> Log() const;

 private:
  TempFolder m_folder;
  HANDLE m_process = nullptr;
};
