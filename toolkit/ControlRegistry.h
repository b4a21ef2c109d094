// Which controls are alive, by address. Every control registers itself when it is constructed
// and leaves when it is destroyed, receiving a serial number that no later control at the same
// address will share. Work queued for a control from another thread records the serial, so it
// can tell on the UI thread whether "its" control still exists or the address was reused.
#pragma once

#include <cstdint>

uint64_t RegisterLiveControl(const void* control);
void UnregisterLiveControl(const void* control);
// The serial of the control living at this address, or 0 when none does. Safe on any thread.
uint64_t LiveControlSerial(const void* control);
