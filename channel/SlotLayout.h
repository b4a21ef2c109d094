// The layout every process on the channel agrees on: slot limits, kernel object names and how a
// message sits in its mailbox. No system calls here.
#pragma once

#include <cstddef>
#include <string>

namespace varlink {

constexpr int kMaxSlots = 60;  // one multi-object wait covers them all, with room to spare
constexpr std::size_t kSlotBytes = 2048;
constexpr std::size_t kHalfBytes = 1024;
constexpr std::size_t kMaxTextBytes = kHalfBytes - 1;  // the last byte always terminates
constexpr std::size_t kClientHalfOffset = 0;           // written by the client, read by the server
constexpr std::size_t kServerHalfOffset = kHalfBytes;  // written by the server, read by the client
constexpr unsigned long kWaitMilliseconds = 3000;      // every wait is bounded, so loops notice a stop
constexpr char kCloseEventName[] = "IpcMemoryClose";

struct SlotNames {
  std::string mapping;     // the slot's shared memory
  std::string writeEvent;  // set when the server half holds a message
  std::string readEvent;   // set when the client half holds a message
};

SlotNames SlotNamesFor(int slot);

// True when the text fits in a mailbox half with its terminator.
bool FitsInHalf(const char* text);
// Zero-fills the half, then copies the text without its terminator; the text must fit.
void WriteHalf(char* half, const char* text);
// Copies the message of a half into buffer (kHalfBytes) and returns its length. A half that
// another process filled without a terminator yields its first kMaxTextBytes bytes.
int ReadHalf(const char* half, char* buffer);

}  // namespace varlink
