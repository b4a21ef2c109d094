#include "ChannelSlot_win.h"

#include "SlotLayout.h"

namespace varlink {

ChannelSlot MakeChannelSlot(int number) {
  const SlotNames names = SlotNamesFor(number);
  ChannelSlot slot;
  slot.mapping = UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 kSlotBytes, names.mapping.c_str()));
  if (slot.mapping) slot.view.Map(slot.mapping.get(), 0);
  slot.writeEvent = CreateOrOpenEvent(names.writeEvent);
  slot.readEvent = CreateOrOpenEvent(names.readEvent);
  return slot;
}

}  // namespace varlink
