#include "ProcessStart.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ProgramIdentity.h"
#include "TempFolder.h"

namespace {

std::string Probe() { return ExeFolder() + "platform_probe.exe"; }

bool WaitForFile(const std::string& path, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

TEST(ProcessStart, RunProcessWaitsForTheProgram) {
  TempFolder temp;
  ASSERT_TRUE(CreateDirectoryA((temp / "报告").c_str(), nullptr));
  const std::string done = temp / "报告\\完成.txt";
  EXPECT_NE(RunProcess(Probe(), "\"" + Probe() + "\" write \"" + done + "\"", true), 0);
  EXPECT_EQ(ReadFileBytes(done), "done");  // written before RunProcess returned
}

TEST(ProcessStart, RunProcessReportsAMissingProgram) {
  TempFolder temp;
  EXPECT_EQ(RunProcess(temp / "missing.exe", "", true), 0);
  EXPECT_EQ(RunProcess(temp / "missing.exe", "", false), 0);
}

TEST(ProcessStart, ShellOpenStartsAProgramWithParameters) {
  TempFolder temp;
  const std::string done = temp / "打开.txt";
  EXPECT_GT(ShellOpen(Probe(), "write \"" + done + "\""), 32);
  EXPECT_TRUE(WaitForFile(done, 20000));
  EXPECT_LE(ShellOpen(temp / "missing.exe"), 32);
}

}  // namespace
