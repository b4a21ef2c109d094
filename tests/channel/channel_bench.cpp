// channel_bench: round-trip latency and message rate of the Varlink channel between two
// processes over one slot, beside two baselines measured in the same run:
//   floor       a ping-pong with a pair of named events and no data: what any handshake costs;
//   named pipe  a message-mode named pipe carrying the same messages: the usual alternative.
// Each transport talks to its own child process (this program started with --child). The three
// are measured in alternating rounds, so a change in machine load touches all of them alike.
//
//   channel_bench [round-trips]     (default 10000; messages of 1023 bytes)
#include "VarlinkClient.h"
#include "VarlinkServer.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 50;
constexpr int kWarmUp = 300;
constexpr int kStreamMessages = 5000;
constexpr DWORD kPipeBuffer = 4096;
// A message whose first byte is this is only counted by the child, never answered.
constexpr char kSinkMark = 's';

std::string Payload(char first) {
  std::string text(1023, 'm');
  text[0] = first;
  return text;
}

std::string ObjectName(const char* kind, DWORD parent) {
  return std::string("VarlinkBench") + kind + std::to_string(parent);
}

std::string PipeName(DWORD parent) { return "\\\\.\\pipe\\" + ObjectName("Pipe", parent); }

// Owns one handle; INVALID_HANDLE_VALUE (a failed CreateFile or CreateNamedPipe) counts as none.
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~OwnedHandle() {
    if (m_handle) CloseHandle(m_handle);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  operator HANDLE() const { return m_handle; }

 private:
  HANDLE m_handle;
};

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart / frequency;
}

// ---- the child side ------------------------------------------------------------------------

void __cdecl EchoUnlessSink(const char* text, int length) {
  if (length == 0 && std::strcmp(text, "close") == 0) {
    Icp_ReleaseClient();
    return;
  }
  if (text[0] == kSinkMark) return;
  while (!Icp_SendClient(text)) SwitchToThread();
}

int RunVarlinkChild() {
  Icp_InitClient(EchoUnlessSink);
  Icp_ConnectClient(0);
  if (!Icp_OffsetClient(0)) return 1;
  Icp_MultRecvClient();
  return 0;
}

int RunEventsChild(DWORD parent) {
  const OwnedHandle ping(OpenEventA(EVENT_ALL_ACCESS, FALSE, ObjectName("Ping", parent).c_str()));
  const OwnedHandle pong(OpenEventA(EVENT_ALL_ACCESS, FALSE, ObjectName("Pong", parent).c_str()));
  const OwnedHandle stop(OpenEventA(SYNCHRONIZE, FALSE, ObjectName("Stop", parent).c_str()));
  if (!ping || !pong || !stop) return 1;
  HANDLE waits[] = {ping, stop};
  while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) SetEvent(pong);
  return 0;
}

int RunPipeChild(DWORD parent) {
  const OwnedHandle pipe(CreateFileA(PipeName(parent).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  if (!pipe) return 1;
  DWORD mode = PIPE_READMODE_MESSAGE;
  SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
  char buffer[kPipeBuffer];
  DWORD got = 0, put = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    if (buffer[0] != kSinkMark) WriteFile(pipe, buffer, got, &put, nullptr);
  }
  return 0;
}

// ---- the parent side -----------------------------------------------------------------------

// This program again, as the child of one transport; ended by the transport's own shutdown.
class ChildProcess {
 public:
  explicit ChildProcess(const std::string& transport) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = "\"" + std::string(self) + "\" --child " + transport + " " +
                       std::to_string(GetCurrentProcessId());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(self, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
      CloseHandle(info.hThread);
      m_process = info.hProcess;
    }
  }
  ~ChildProcess() {
    if (!m_process) return;
    if (WaitForSingleObject(m_process, 10000) == WAIT_TIMEOUT) TerminateProcess(m_process, 1);
    CloseHandle(m_process);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool started() const { return m_process != nullptr; }

 private:
  HANDLE m_process = nullptr;
};

class Transport {
 public:
  virtual ~Transport() = default;
  virtual const char* name() const = 0;
  // One message to the child and its answer back.
  virtual bool RoundTrip() = 0;
  // count messages to the child as fast as it takes them; the last one is answered.
  virtual bool Stream(int count) = 0;
};

class VarlinkTransport : public Transport {
 public:
  VarlinkTransport() {
    Icp_InitServer([this](int, const char*, int length) { m_answerLength = length; });
    Icp_CreateServer(1);
    m_child = std::make_unique<ChildProcess>("varlink");
  }
  ~VarlinkTransport() override {
    Icp_ReleaseServer();  // the child hears "close" and ends
    m_child.reset();
    Icp_InitServer(IcpServerCallback());
  }
  const char* name() const override { return "varlink"; }
  bool RoundTrip() override { return Send(m_echo) && AwaitAnswer(); }
  bool Stream(int count) override {
    for (int i = 1; i < count; ++i) {
      if (!Send(m_sink)) return false;
    }
    return RoundTrip();
  }

 private:
  static bool Send(const std::string& text) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (!Icp_SendServer(0, text.c_str())) {
      if (GetTickCount64() > deadline) return false;
      SwitchToThread();
    }
    return true;
  }
  bool AwaitAnswer() {
    m_answerLength = -1;
    for (int tries = 0; tries < 3 && m_answerLength < 0; ++tries) Icp_RecvServer(0);
    return m_answerLength == static_cast<int>(m_echo.size());
  }

  const std::string m_echo = Payload('e');
  const std::string m_sink = Payload(kSinkMark);
  int m_answerLength = -1;
  std::unique_ptr<ChildProcess> m_child;
};

class EventsTransport : public Transport {
 public:
  EventsTransport()
      : m_ping(MakeEvent("Ping")), m_pong(MakeEvent("Pong")), m_stop(MakeEvent("Stop")),
        m_child("events") {}
  ~EventsTransport() override {
    SetEvent(m_stop);
    // m_child's destructor waits for the child; the events close after it has gone.
  }
  const char* name() const override { return "floor"; }
  bool RoundTrip() override {
    SetEvent(m_ping);
    return WaitForSingleObject(m_pong, 10000) == WAIT_OBJECT_0;
  }
  // Events hold no messages, so each one must be answered before the next.
  bool Stream(int count) override {
    for (int i = 0; i < count; ++i) {
      if (!RoundTrip()) return false;
    }
    return true;
  }

 private:
  static HANDLE MakeEvent(const char* kind) {
    return CreateEventA(nullptr, FALSE, FALSE, ObjectName(kind, GetCurrentProcessId()).c_str());
  }
  OwnedHandle m_ping, m_pong, m_stop;
  ChildProcess m_child;
};

class PipeTransport : public Transport {
 public:
  PipeTransport()
      : m_pipe(CreateNamedPipeA(PipeName(GetCurrentProcessId()).c_str(), PIPE_ACCESS_DUPLEX,
                                PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1,
                                kPipeBuffer, kPipeBuffer, 0, nullptr)),
        m_child("pipe") {
    if (m_pipe) ConnectNamedPipe(m_pipe, nullptr);
  }
  ~PipeTransport() override {
    if (m_pipe) DisconnectNamedPipe(m_pipe);  // the child's read fails and it ends
  }
  const char* name() const override { return "named pipe"; }
  bool RoundTrip() override { return Write(m_echo) && ReadAnswer(); }
  bool Stream(int count) override {
    for (int i = 1; i < count; ++i) {
      if (!Write(m_sink)) return false;
    }
    return RoundTrip();
  }

 private:
  bool Write(const std::string& text) {
    DWORD put = 0;
    return WriteFile(m_pipe, text.data(), static_cast<DWORD>(text.size()), &put, nullptr) &&
           put == text.size();
  }
  bool ReadAnswer() {
    char buffer[kPipeBuffer];
    DWORD got = 0;
    return ReadFile(m_pipe, buffer, sizeof buffer, &got, nullptr) && got == m_echo.size();
  }

  const std::string m_echo = Payload('e');
  const std::string m_sink = Payload(kSinkMark);
  OwnedHandle m_pipe;
  ChildProcess m_child;
};

struct Figures {
  std::vector<double> roundTrips;  // seconds
  double messagesPerSecond = 0;
  bool failed = false;

  double Percentile(double p) {
    std::sort(roundTrips.begin(), roundTrips.end());
    return roundTrips[static_cast<std::size_t>(p * (roundTrips.size() - 1))];
  }
};

void MeasureRound(Transport& transport, int count, Figures& figures) {
  for (int i = 0; i < count && !figures.failed; ++i) {
    const double start = Now();
    figures.failed = !transport.RoundTrip();
    figures.roundTrips.push_back(Now() - start);
  }
}

void MeasureStream(Transport& transport, Figures& figures) {
  const double start = Now();
  if (!transport.Stream(kStreamMessages)) figures.failed = true;
  figures.messagesPerSecond = kStreamMessages / (Now() - start);
}

int RunBenchmark(int roundTrips) {
  VarlinkTransport varlink;
  EventsTransport floor;
  PipeTransport pipe;
  Transport* transports[] = {&varlink, &floor, &pipe};
  Figures figures[3];

  for (int t = 0; t < 3; ++t) {
    for (int i = 0; i < kWarmUp; ++i) {
      if (!transports[t]->RoundTrip()) {
        std::printf("%s: no answer from the child process\n", transports[t]->name());
        return 1;
      }
    }
  }
  const int perRound = (roundTrips + kRounds - 1) / kRounds;
  for (int round = 0; round < kRounds; ++round) {
    for (int t = 0; t < 3; ++t) MeasureRound(*transports[t], perRound, figures[t]);
  }
  for (int t = 0; t < 3; ++t) MeasureStream(*transports[t], figures[t]);

  std::printf("%d round trips per transport, 1023-byte messages (floor: no data), %d messages "
              "streamed one way\n",
              perRound * kRounds, kStreamMessages);
  std::printf("%-12s %12s %12s %14s\n", "transport", "median us", "p99 us", "messages/s");
  double medians[3];
  for (int t = 0; t < 3; ++t) {
    if (figures[t].failed) {
      std::printf("%s: a message went unanswered\n", transports[t]->name());
      return 1;
    }
    medians[t] = figures[t].Percentile(0.5) * 1e6;
    std::printf("%-12s %12.1f %12.1f %14.0f\n", transports[t]->name(), medians[t],
                figures[t].Percentile(0.99) * 1e6, figures[t].messagesPerSecond);
  }
  std::printf("varlink/floor=%.2f varlink/pipe=%.2f\n", medians[0] / medians[1],
              medians[0] / medians[2]);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
    const std::string transport = argv[2];
    const DWORD parent = argc >= 4 ? std::strtoul(argv[3], nullptr, 10) : 0;
    if (transport == "varlink") return RunVarlinkChild();
    if (transport == "events") return RunEventsChild(parent);
    if (transport == "pipe") return RunPipeChild(parent);
    return 2;
  }
  const int roundTrips = argc >= 2 ? std::max(10000, std::atoi(argv[1])) : 10000;
  return RunBenchmark(roundTrips);
}
