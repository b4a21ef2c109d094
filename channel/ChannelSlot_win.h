// The server's record of one slot: its shared memory, its view and its two events. A part that
// could not be made stays empty, and the operations on the slot check for it.
#pragma once

#include "KernelObjects_win.h"

namespace varlink {

struct ChannelSlot {
  UniqueHandle writeEvent;  // set by the server when the server half holds a message
  UniqueHandle readEvent;   // set by the client when the client half holds a message
  UniqueHandle mapping;     // the slot's 2048 bytes, backed by the paging file
  MappedView view;          // the whole area, from offset 0
};

// Creates the slot's objects, or opens those that already exist under its names; either way
// both mailboxes start empty.
ChannelSlot MakeChannelSlot(int number);

}  // namespace varlink
