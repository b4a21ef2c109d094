// Registering a file in a family's work list: the bookkeeping around the creation of its row.
#pragma once

#include <string>
#include <utility>

#include "Catalogue.h"
#include "FamilyBook.h"
#include "LockedQueue.h"
#include "Protocol.h"

// Lists `path` in the family when its extension is accepted and it is not listed yet. The row
// is made by `makeRow(tag)`, which creates, fills and appends it and returns it (null when it
// could not); then the path is registered and the page-count query queued behind the commands
// already waiting. Returns true when the file was listed. Runs on the UI thread.
template <class Row, class MakeRow>
bool RegisterFile(ConversionFamily family, FamilyBook<Row>& book,
                  LockedQueue<std::string>& sendQueue, const std::string& path, MakeRow&& makeRow) {
  if (!AcceptsFile(family, path) || book.registry.Find(path)) return false;
  const int tag = book.itemCounter.Value();
  Row* row = std::forward<MakeRow>(makeRow)(tag);
  if (!row) return false;
  book.registry.Insert(path, row);
  sendQueue.Push(FormatPageQuery(family, tag, path));
  book.itemCounter.Advance();
  return true;
}
