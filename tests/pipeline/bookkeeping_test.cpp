#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "PipelineState.h"
#include "Registration.h"

namespace {

struct FakeRow {
  int tag;
};

struct FakeRequest {
  std::string text;
};

using State = PipelineState<FakeRow, FakeRequest>;

// Stands in for the list control, which owns the rows it is given.
struct FakeList {
  std::vector<std::unique_ptr<FakeRow>> rows;
  FakeRow* Add(int tag) {
    rows.push_back(std::make_unique<FakeRow>(FakeRow{tag}));
    return rows.back().get();
  }
};

std::vector<std::string> Drain(LockedQueue<std::string>& queue) {
  std::vector<std::string> items;
  for (std::string item; queue.TakeFront(item);) items.push_back(item);
  return items;
}

bool Register(State& state, ConversionFamily family, FakeList& list, const std::string& path) {
  return RegisterFile(family, state.Family(family), state.SendQueue, path,
                      [&](int tag) { return list.Add(tag); });
}

}  // namespace

TEST(Registration, ListsEachPathOncePerFamilyAndQueuesItsPageQuery) {
  State state;
  FakeList pdfList, operList;
  EXPECT_TRUE(Register(state, ConversionFamily::pdfto, pdfList, "C:\\x\\a.pdf"));
  EXPECT_FALSE(Register(state, ConversionFamily::pdfto, pdfList, "C:\\x\\a.pdf"));
  EXPECT_FALSE(Register(state, ConversionFamily::pdfto, pdfList, "C:\\x\\b.PDF"));
  EXPECT_TRUE(Register(state, ConversionFamily::pdfto, pdfList, "C:\\x\\b.pdf"));
  // The same file may sit in another family's list.
  EXPECT_TRUE(Register(state, ConversionFamily::operto, operList, "C:\\x\\a.pdf"));

  ASSERT_EQ(pdfList.rows.size(), 2u);
  EXPECT_EQ(state.Family(ConversionFamily::pdfto).registry.Find("C:\\x\\b.pdf"), pdfList.rows[1].get());
  EXPECT_EQ(pdfList.rows[1]->tag, 1);
  EXPECT_EQ(state.Family(ConversionFamily::operto).registry.Find("C:\\x\\a.pdf"), operList.rows[0].get());
  EXPECT_EQ(state.Family(ConversionFamily::topdf).registry.Find("C:\\x\\a.pdf"), nullptr);
  EXPECT_EQ(Drain(state.SendQueue),
            (std::vector<std::string>{"0<ppdfto|0|10|C:\\x\\a.pdf>", "0<ppdfto|1|10|C:\\x\\b.pdf>",
                                      "0<poperto|0|10|C:\\x\\a.pdf>"}));
}

TEST(Registration, ARowThatCannotBeMadeRegistersNothing) {
  State state;
  auto& book = state.Family(ConversionFamily::topdf);
  EXPECT_FALSE(RegisterFile(ConversionFamily::topdf, book, state.SendQueue, "C:\\x\\a.doc",
                            [](int) -> FakeRow* { return nullptr; }));
  EXPECT_EQ(book.registry.Size(), 0u);
  EXPECT_TRUE(state.SendQueue.Empty());
  EXPECT_EQ(book.itemCounter.Value(), 0);
}

TEST(Registration, ItemCounterWrapsBeforeTheIntegerLimit) {
  State state;
  FakeList list;
  auto& book = state.Family(ConversionFamily::topdf);
  book.itemCounter = ItemCounter(ItemCounter::kWrap - 1);
  ASSERT_TRUE(Register(state, ConversionFamily::topdf, list, "C:\\x\\a.doc"));
  ASSERT_TRUE(Register(state, ConversionFamily::topdf, list, "C:\\x\\b.doc"));
  EXPECT_EQ(list.rows[0]->tag, 2099999999);
  EXPECT_EQ(list.rows[1]->tag, 0);
  EXPECT_EQ(Drain(state.SendQueue)[1], "0<ptopdf|0|10|C:\\x\\b.doc>");

  // An emptied list starts its tags from 0 again.
  book.registry.Clear();
  book.itemCounter.Reset();
  ASSERT_TRUE(Register(state, ConversionFamily::topdf, list, "C:\\x\\a.doc"));
  EXPECT_EQ(list.rows[2]->tag, 0);
}

TEST(FamilyBook, TheLastResultOfAStartMakesTheFamilyIdle) {
  FamilyBook<FakeRow> book;
  book.BeginStart();
  EXPECT_TRUE(book.BusyFlag);
  for (int i = 0; i < 3; ++i) book.AddJob();
  EXPECT_FALSE(book.FinishJob());
  EXPECT_FALSE(book.FinishJob());
  EXPECT_TRUE(book.BusyFlag);
  EXPECT_TRUE(book.FinishJob());
  EXPECT_FALSE(book.BusyFlag);
  EXPECT_EQ(book.PendingCount, 0);

  // A stray result (a job of an earlier start) never drives the count below 0.
  EXPECT_TRUE(book.FinishJob());
  EXPECT_EQ(book.PendingCount, 0);

  book.BeginStart();
  EXPECT_TRUE(book.EndStartIfNothingQueued());
  EXPECT_FALSE(book.BusyFlag);
  book.BeginStart();
  book.AddJob();
  EXPECT_FALSE(book.EndStartIfNothingQueued());
  EXPECT_TRUE(book.BusyFlag);
}

TEST(FreeSlots, JobSlotsAreTakenLowestFirstAndReturnedToTheBack) {
  State state;
  state.FillFreeSlots();
  std::vector<int> taken;
  for (int slot; taken.size() < 3 && state.FreeSlots.TakeFront(slot);) taken.push_back(slot);
  EXPECT_EQ(taken, (std::vector<int>{1, 2, 3}));
  state.FreeSlots.Push(2);
  state.FreeSlots.Push(1);
  std::vector<int> rest;
  for (int slot; state.FreeSlots.TakeFront(slot);) rest.push_back(slot);
  EXPECT_EQ(rest, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 2, 1}));
}

TEST(LockedQueue, TheLaunchersCopyStaysAtTheFrontUntilPopped) {
  LockedQueue<std::string> queue;
  std::string front;
  EXPECT_FALSE(queue.CopyFront(front));
  queue.Push("first");
  queue.Push("second");
  ASSERT_TRUE(queue.CopyFront(front));
  EXPECT_EQ(front, "first");
  EXPECT_EQ(queue.Size(), 2u);
  queue.PopFront();
  ASSERT_TRUE(queue.CopyFront(front));
  EXPECT_EQ(front, "second");
}

TEST(LockedQueue, HandsItemsBetweenThreadsInOrderWithoutLoss) {
  State state;
  constexpr int kCount = 20000;
  std::thread producer([&] {
    for (int i = 0; i < kCount; ++i) {
      state.RequestQueue.Push(std::make_unique<FakeRequest>(FakeRequest{std::to_string(i)}));
    }
  });
  int received = 0;
  bool inOrder = true;
  while (received < kCount) {
    std::unique_ptr<FakeRequest> request;
    if (!state.RequestQueue.TakeFront(request)) continue;
    inOrder = inOrder && request->text == std::to_string(received);
    ++received;
  }
  producer.join();
  EXPECT_TRUE(inOrder);
  EXPECT_TRUE(state.RequestQueue.Empty());
}
