// Reading what the converter sends back. The receive callback keeps the body of a received text
// (between "<" and ">") and queues it behind its slot number as "slot?body"; the response
// worker parses that queued text into key and fields.
#pragma once

#include <optional>
#include <string>

#include "ConversionFamily.h"

// The characters between the first "<" and the first ">" after it; nothing when either is
// missing.
std::optional<std::string> ExtractBody(const std::string& received);

// "slot?body", the text the receive callback queues.
std::string FormatQueuedReply(int slot, const std::string& body);

struct ConverterReply {
  std::string slotText;
  std::string body;  // key and fields joined by "|", any "?" removed
  std::string key;
  std::string field1;
  std::string field2;
  std::optional<std::string> field3;
};

// Nothing when the queued text is shorter than 5 bytes or its body has fewer than 3 fields.
std::optional<ConverterReply> ParseReply(const std::string& queued);

// The slot number when the slot text is completely a decimal integer (optional sign, digits)
// within the range of int.
std::optional<int> ReadSlotNumber(const std::string& slotText);

// Field 1 as a number: its leading decimal integer, 0 when there is none.
int ReplyNumber(const std::string& field);

enum class ReplyKind { PageCount, Progress, Result };

struct ReplyKey {
  ConversionFamily family;
  ReplyKind kind;
};

// Keys are compared exactly; nothing for a key the program does not know.
std::optional<ReplyKey> ClassifyReplyKey(const std::string& key);

// Page count of a password-protected file in a page-count reply.
constexpr const char* kPasswordPageCount = "-1";

enum class ResultOutcome {
  Succeeded,
  Failed,
  NeedsPassword,
  // A success code without an output path: there is nothing to show or record.
  MissingOutput,
};

// Result codes: -2 failed; -6 needs a password, except for other-to-PDF jobs, which have no
// password case; every other code is success, which needs field 3, the output path.
ResultOutcome ClassifyResult(ConversionFamily family, const ConverterReply& reply);
