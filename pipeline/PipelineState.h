// The conversion pipeline's shared state, held by the main window for the program's life: the
// bookkeeping of each family, the work queues between the threads and the pool of job slots.
// Eight locks in all, one per registry and one per queue; no code path holds two at once.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "ConversionFamily.h"
#include "FamilyBook.h"
#include "LockedQueue.h"

// Channel slot 0 belongs to the page-count service; slots 1 to 10 run one job each.
constexpr int kChannelSlotCount = 11;
constexpr int kPageServiceSlot = 0;
constexpr int kFirstJobSlot = 1;
constexpr int kLastJobSlot = 10;

// Progress text colours of a row: dark up to 60 %, light after that and after success.
constexpr uint32_t kDarkTextColour = 0x33333333;
constexpr uint32_t kLightTextColour = 0xFFFFFFFF;

// `Row` is the list row type; `Request` the web service request, owned by RequestQueue once
// queued and by the request worker once taken.
template <class Row, class Request>
struct PipelineState {
  std::array<FamilyBook<Row>, kFamilyCount> families;

  LockedQueue<std::string> SendQueue;     // commands for the launcher
  LockedQueue<std::string> ReceiveQueue;  // "slot?body" texts for the response worker
  LockedQueue<std::string> PasswordQueue; // reply bodies that ask for a password
  LockedQueue<std::unique_ptr<Request>> RequestQueue;
  LockedQueue<int> FreeSlots;             // job slot numbers, taken at the front

  std::atomic<bool> running{true};
  std::atomic<bool> MergeRequested{false};

  FamilyBook<Row>& Family(ConversionFamily family) { return families[FamilyNumber(family)]; }

  // Puts every job slot into the pool, lowest first, so the first jobs take slots 1, 2, ...
  void FillFreeSlots() {
    for (int slot = kFirstJobSlot; slot <= kLastJobSlot; ++slot) FreeSlots.Push(slot);
  }
};
