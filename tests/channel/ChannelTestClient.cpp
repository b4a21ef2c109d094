// A converter stand-in that the channel tests start as a second process. It uses only the
// client header and the import library, as the real converter does, and writes what it saw to a
// log file, one line per event, for the test to read after it ended.
//
//   channel_test_client <log> <slot> echo            send back every message; end after "close"
//   channel_test_client <log> <slot> send <text>...  send each text once, without retrying
//   channel_test_client <log> <slot> stress <count>  send 1..count, expect each echoed in order
#include "VarlinkClient.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace {

std::FILE* g_log = nullptr;
std::mutex g_logLock;
// Manual-reset: the awaited close notice or the last reply came. Lives as long as the process.
const HANDLE g_done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
std::atomic<int> g_nextReply{1};
std::atomic<int> g_replyErrors{0};
int g_stressCount = 0;

void Log(const std::string& line) {
  std::lock_guard<std::mutex> lock(g_logLock);
  std::fprintf(g_log, "%s\n", line.c_str());
  std::fflush(g_log);
}

bool IsCloseNotice(const char* text, int length) {
  return length == 0 && std::strcmp(text, "close") == 0;
}

// Retries while the server has not taken the previous message, for up to ten seconds.
bool SendPatiently(const char* text) {
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (!Icp_SendClient(text)) {
    if (GetTickCount64() > deadline) return false;
    SwitchToThread();
  }
  return true;
}

void __cdecl EchoMessage(const char* text, int length) {
  if (IsCloseNotice(text, length)) {
    Log("close 0");
    SetEvent(g_done);
    return;
  }
  Log("msg " + std::to_string(length) + " " + text);
  if (!SendPatiently(text)) Log("echo-timeout");
}

void __cdecl CheckReply(const char* text, int length) {
  const int expected = g_nextReply.load();
  if (IsCloseNotice(text, length) || std::atoi(text) != expected) {
    ++g_replyErrors;
    Log("unexpected " + std::string(text) + " while waiting for " + std::to_string(expected));
  }
  if (g_nextReply.fetch_add(1) == g_stressCount) SetEvent(g_done);
}

// Runs the receive loop on its own thread until the client is released; logs its result.
class ReceiveLoop {
 public:
  ReceiveLoop() : m_thread([this] { m_result = Icp_MultRecvClient(); }) {}
  void StopAndLog() {
    Icp_ReleaseClient();
    m_thread.join();
    Log("loop " + std::to_string(m_result));
  }

 private:
  int m_result = -1;
  std::thread m_thread;
};

int Echo() {
  ReceiveLoop loop;
  if (WaitForSingleObject(g_done, 30000) != WAIT_OBJECT_0) Log("no-close");
  Sleep(300);  // room for a second close notice to show, were there one
  loop.StopAndLog();
  return 0;
}

int Send(int count, char** texts) {
  for (int i = 0; i < count; ++i) Log(std::string("send ") + (Icp_SendClient(texts[i]) ? "1" : "0"));
  Icp_ReleaseClient();
  return 0;
}

int Stress() {
  ReceiveLoop loop;
  int unsent = 0;
  for (int i = 1; i <= g_stressCount; ++i) {
    if (!SendPatiently(std::to_string(i).c_str())) ++unsent;
  }
  const bool allReplies = WaitForSingleObject(g_done, 60000) == WAIT_OBJECT_0;
  loop.StopAndLog();
  Log("replies " + std::to_string(g_nextReply.load() - 1) + " errors " +
      std::to_string(g_replyErrors.load()) + " unsent " + std::to_string(unsent));
  return allReplies && g_replyErrors == 0 && unsent == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  g_log = std::fopen(argv[1], "w");
  if (!g_log) return 2;
  const int slot = std::atoi(argv[2]);
  const std::string mode = argv[3];
  if (mode == "stress" && argc > 4) g_stressCount = std::atoi(argv[4]);

  Icp_InitClient(mode == "stress" ? CheckReply : EchoMessage);
  Icp_ConnectClient(slot);
  const bool mapped = Icp_OffsetClient(0);
  Log(std::string("offset ") + (mapped ? "1" : "0"));

  int code = 2;
  if (mode == "send") {
    code = Send(argc - 4, argv + 4);
  } else if (mapped && mode == "echo") {
    code = Echo();
  } else if (mapped && mode == "stress") {
    code = Stress();
  }
  std::fclose(g_log);
  return code;
}
