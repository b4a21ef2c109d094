// The client half: one connection per process to one slot of a running server.
#include "VarlinkClient.h"

#include "KernelObjects_win.h"
#include "Mailbox_win.h"
#include "SlotLayout.h"

#include <atomic>
#include <memory>

using namespace varlink;

namespace {

// One Icp_ConnectClient. The receive loops hold a reference while they run, so a release from
// another thread never unmaps the view they read; the objects close when the last holder lets go.
struct Connection {
  UniqueHandle mapping;     // opened, never created: only the server makes slots
  UniqueHandle readEvent;   // we set it after writing the client half
  UniqueHandle writeEvent;  // the server sets it after writing the server half
  UniqueHandle closeEvent;
  MappedView view;
  // Pulsed when the view appears or the connection ends, so a waiting loop looks again at once.
  UniqueHandle wake = MakePrivateEvent(false);
};

std::atomic<bool> g_running{false};
std::atomic<IcpClientCallback> g_callback{nullptr};
std::shared_ptr<Connection> g_connection;  // only through std::atomic_load / atomic_exchange

std::shared_ptr<Connection> CurrentConnection() { return std::atomic_load(&g_connection); }

void Replace(std::shared_ptr<Connection> next) {
  const auto old = std::atomic_exchange(&g_connection, std::move(next));
  if (old && old->wake) SetEvent(old->wake.get());
}

void Notify(const char* text, int length) {
  if (const IcpClientCallback callback = g_callback.load()) callback(text, length);
}

// Serves the connection until the client is released or connects anew. The server half is
// only waited on once the view exists: a message that arrives earlier stays in its mailbox
// until it can be read.
void Serve(const std::shared_ptr<Connection>& connection, bool reportClose) {
  enum Source { kMessage, kClose, kWake };
  while (g_running && CurrentConnection() == connection) {
    HANDLE handles[3];
    Source sources[3];
    DWORD count = 0;
    const auto add = [&](HANDLE handle, Source source) {
      handles[count] = handle;
      sources[count++] = source;
    };
    char* view = connection->view.get();
    if (view) add(connection->writeEvent.get(), kMessage);  // first: a close waits behind a message
    if (reportClose) add(connection->closeEvent.get(), kClose);
    if (connection->wake) add(connection->wake.get(), kWake);

    const DWORD result = WaitForMultipleObjects(count, handles, FALSE, kWaitMilliseconds);
    if (result == WAIT_TIMEOUT) continue;
    const DWORD index = result - WAIT_OBJECT_0;
    if (index >= count) {
      // A wait that cannot succeed (nothing to wait on) must still take its time.
      Sleep(kWaitMilliseconds);
      continue;
    }
    if (sources[index] == kMessage) {
      char buffer[kHalfBytes];
      const int length = ReadHalf(view + kServerHalfOffset, buffer);
      Notify(buffer, length);
      ResetEvent(connection->writeEvent.get());
    } else if (sources[index] == kClose) {
      Notify("close", 0);
      ResetEvent(connection->closeEvent.get());
    }
  }
}

}  // namespace

void __stdcall Icp_InitClient(IcpClientCallback callback) {
  g_callback = callback;
  g_running = true;
}

void* __stdcall Icp_ConnectClient(int slot) {
  const SlotNames names = SlotNamesFor(slot);
  auto connection = std::make_shared<Connection>();
  connection->mapping =
      UniqueHandle(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, names.mapping.c_str()));
  // The events may not exist yet when the client comes up first; the server then opens ours.
  connection->readEvent = CreateOrOpenEvent(names.readEvent);
  connection->writeEvent = CreateOrOpenEvent(names.writeEvent);
  connection->closeEvent = CreateOrOpenEvent(kCloseEventName);
  HANDLE closeEvent = connection->closeEvent.get();
  Replace(std::move(connection));
  return closeEvent;
}

bool __stdcall Icp_OffsetClient(int offset) {
  const auto connection = CurrentConnection();
  if (!connection || !connection->mapping) return false;
  if (!connection->view.get()) {
    connection->view.Map(connection->mapping.get(), static_cast<DWORD>(offset));
    if (connection->view.get() && connection->wake) SetEvent(connection->wake.get());
  }
  // True even when the system refused the view; sending then fails.
  return true;
}

bool __stdcall Icp_SendClient(const char* text) {
  const auto connection = CurrentConnection();
  char* view = connection ? connection->view.get() : nullptr;
  return view && connection->readEvent &&
         PostToHalf(connection->readEvent.get(), view + kClientHalfOffset, text);
}

bool __stdcall Icp_ClearBuffClient() {
  const auto connection = CurrentConnection();
  char* view = connection ? connection->view.get() : nullptr;
  return view && connection->readEvent &&
         ClearHalf(connection->readEvent.get(), view + kClientHalfOffset);
}

int __stdcall Icp_RecvClient() {
  const auto connection = CurrentConnection();
  if (connection && connection->writeEvent) Serve(connection, false);
  return 0;
}

int __stdcall Icp_MultRecvClient() {
  const auto connection = CurrentConnection();
  if (!connection || !connection->writeEvent || !connection->closeEvent) return 0;
  Serve(connection, true);
  return 1;
}

bool __stdcall Icp_CloseClient() {
  const auto connection = CurrentConnection();
  return connection && connection->closeEvent &&
         WaitForSingleObject(connection->closeEvent.get(), INFINITE) == WAIT_OBJECT_0;
}

void __stdcall Icp_ReleaseClient() {
  g_running = false;
  Replace(nullptr);
}
