// The server half: creates the slots, receives from all of them in one loop and sends to one
// client at a time.
#include "VarlinkServer.h"

#include "ChannelSlot_win.h"
#include "Mailbox_win.h"
#include "SlotLayout.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

using namespace varlink;

namespace {

// The slots of one Icp_CreateServer. Each operation and the receive loop hold a reference while
// they use it, so a release never pulls a view or a handle from under them; the objects close
// when the last holder lets go. The retired event wakes a receive loop over the table at once.
struct SlotTable {
  std::vector<ChannelSlot> slots;
  UniqueHandle retired = MakePrivateEvent(true);
};

std::atomic<bool> g_running{false};
IcpServerCallback g_callback;
std::shared_ptr<SlotTable> g_table;  // only through std::atomic_load / atomic_store / exchange
UniqueHandle g_closeEvent;

std::shared_ptr<SlotTable> CurrentTable() { return std::atomic_load(&g_table); }

void RetireTable() {
  const auto old = std::atomic_exchange(&g_table, std::shared_ptr<SlotTable>());
  if (old && old->retired) SetEvent(old->retired.get());
}

const ChannelSlot& SlotAt(const std::shared_ptr<SlotTable>& table, unsigned number) {
  if (!table || number >= table->slots.size()) {
    throw std::out_of_range("Varlink: no slot " + std::to_string(number));
  }
  return table->slots[number];
}

// Hands the client's message to the callback, then frees the half for the client's next one.
void Deliver(const IcpServerCallback& callback, int number, const ChannelSlot& slot) {
  char buffer[kHalfBytes];
  const int length = ReadHalf(slot.view.get() + kClientHalfOffset, buffer);
  if (callback) callback(number, buffer, length);
  ResetEvent(slot.readEvent.get());
}

// What the receive loop waits on: the table's retired event first, so traffic never delays a
// stop, then the read events of the slots that can carry messages, in slot order, so the lowest
// waiting slot is served first. A slot missing its event or view is left out of the wait.
struct WaitList {
  std::vector<HANDLE> handles;
  std::vector<int> numbers;  // slot number per handle; -1 for the retired event
};

WaitList MakeWaitList(const SlotTable& table) {
  WaitList list;
  if (table.retired) {
    list.handles.push_back(table.retired.get());
    list.numbers.push_back(-1);
  }
  for (std::size_t i = 0; i < table.slots.size(); ++i) {
    const ChannelSlot& slot = table.slots[i];
    if (!slot.readEvent || !slot.view.get()) continue;
    list.handles.push_back(slot.readEvent.get());
    list.numbers.push_back(static_cast<int>(i));
  }
  return list;
}

}  // namespace

void __stdcall Icp_InitServer(const IcpServerCallback& callback) {
  g_callback = callback;
  g_running = true;
}

int __stdcall Icp_CreateServer(int count) {
  if (!g_closeEvent) g_closeEvent = CreateOrOpenEvent(kCloseEventName);
  // A close notice still set by an earlier server would tell our new clients to quit at once.
  if (g_closeEvent) ResetEvent(g_closeEvent.get());
  // A repeated call replaces the slots rather than stacking a second set on the first.
  RetireTable();
  auto table = std::make_shared<SlotTable>();
  const int wanted = std::max(0, std::min(count, kMaxSlots));
  table->slots.reserve(wanted);
  for (int i = 0; i < wanted; ++i) table->slots.push_back(MakeChannelSlot(i));
  std::atomic_store(&g_table, table);
  return wanted;
}

void __stdcall Icp_MultRecvServer() {
  const auto table = CurrentTable();
  if (!g_running || !table || table->slots.empty()) return;
  const IcpServerCallback callback = g_callback;
  const WaitList list = MakeWaitList(*table);
  while (g_running) {
    const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(list.handles.size()),
                                                list.handles.data(), FALSE, kWaitMilliseconds);
    if (result == WAIT_TIMEOUT) continue;
    const DWORD index = result - WAIT_OBJECT_0;
    if (index >= list.handles.size()) {
      // A wait that cannot succeed (nothing to wait on) must still take its time.
      Sleep(kWaitMilliseconds);
      continue;
    }
    const int number = list.numbers[index];
    if (number < 0) return;
    Deliver(callback, number, table->slots[number]);
  }
}

int __stdcall Icp_RecvServer(unsigned slot) {
  const auto table = CurrentTable();
  const ChannelSlot& record = SlotAt(table, slot);
  if (!record.readEvent || !record.view.get()) return 0;
  if (WaitForSingleObject(record.readEvent.get(), kWaitMilliseconds) != WAIT_OBJECT_0) return 0;
  Deliver(g_callback, static_cast<int>(slot), record);
  return 0;
}

bool __stdcall Icp_SendServer(unsigned slot, const char* text) {
  const auto table = CurrentTable();
  const ChannelSlot& record = SlotAt(table, slot);
  char* view = record.view.get();
  return record.writeEvent && view &&
         PostToHalf(record.writeEvent.get(), view + kServerHalfOffset, text);
}

bool __stdcall Icp_ClearBuffServer(unsigned slot) {
  const auto table = CurrentTable();
  const ChannelSlot& record = SlotAt(table, slot);
  char* view = record.view.get();
  return record.writeEvent && view && ClearHalf(record.writeEvent.get(), view + kServerHalfOffset);
}

bool __stdcall Icp_OffsetServer(unsigned slot, int /*offset*/) {
  // The view already spans the whole area from 0, the only offset a 2048-byte area allows, so
  // there is nothing to re-map; the call only says whether the slot has its memory.
  return static_cast<bool>(SlotAt(CurrentTable(), slot).mapping);
}

bool __stdcall Icp_CloseAllServer() {
  if (g_closeEvent) SetEvent(g_closeEvent.get());
  return true;
}

void __stdcall Icp_ReleaseServer() {
  g_running = false;
  RetireTable();
  if (g_closeEvent) {
    SetEvent(g_closeEvent.get());
    g_closeEvent = UniqueHandle();
  }
}
