#include "ChannelSlot_win.h"

#include "SlotLayout.h"

#include <cstring>

namespace varlink {

ChannelSlot MakeChannelSlot(int number) {
  const SlotNames names = SlotNamesFor(number);
  ChannelSlot slot;
  slot.mapping = UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 kSlotBytes, names.mapping.c_str()));
  if (slot.mapping) slot.view.Map(slot.mapping.get(), 0);
  slot.writeEvent = CreateOrOpenEvent(names.writeEvent);
  slot.readEvent = CreateOrOpenEvent(names.readEvent);
  // A client of an earlier server may still hold the slot open, with that session's messages
  // in it; they mean nothing to this server or its clients, so the mailboxes start empty.
  if (char* view = slot.view.get()) std::memset(view, 0, kSlotBytes);
  if (slot.writeEvent) ResetEvent(slot.writeEvent.get());
  if (slot.readEvent) ResetEvent(slot.readEvent.get());
  return slot;
}

}  // namespace varlink
