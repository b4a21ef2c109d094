#include "Reply.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "Catalogue.h"
#include "TextHelpers.h"

namespace {

constexpr size_t kShortestReply = 5;
constexpr int kResultFailed = -2;
constexpr int kResultNeedsPassword = -6;

bool IsDecimalInteger(const std::string& text) {
  size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> ExtractBody(const std::string& received) {
  const size_t open = received.find('<');
  if (open == std::string::npos) return std::nullopt;
  // A ">" in the text before the "<" is noise like any other byte there.
  const size_t close = received.find('>', open + 1);
  if (close == std::string::npos) return std::nullopt;
  return received.substr(open + 1, close - open - 1);
}

std::string FormatQueuedReply(int slot, const std::string& body) {
  return std::to_string(slot) + "?" + body;
}

std::optional<ConverterReply> ParseReply(const std::string& queued) {
  if (queued.size() < kShortestReply) return std::nullopt;
  const std::vector<std::string> parts = Split(queued, "?");
  ConverterReply reply;
  reply.slotText = parts[0];
  // Windows paths cannot hold a "?"; should a body hold one anyway, it is dropped, not split on.
  for (size_t i = 1; i < parts.size(); ++i) reply.body += parts[i];

  const std::vector<std::string> fields = Split(reply.body, "|");
  if (fields.size() < 3) return std::nullopt;
  reply.key = fields[0];
  reply.field1 = fields[1];
  reply.field2 = fields[2];
  if (fields.size() > 3) reply.field3 = fields[3];
  return reply;
}

std::optional<int> ReadSlotNumber(const std::string& slotText) {
  if (!IsDecimalInteger(slotText)) return std::nullopt;
  std::istringstream in(slotText);
  int slot = 0;
  if (!(in >> slot)) return std::nullopt;  // beyond the range of int
  return slot;
}

int ReplyNumber(const std::string& field) { return TextToInt(field); }

std::optional<ReplyKey> ClassifyReplyKey(const std::string& key) {
  for (int number = 0; number < kFamilyCount; ++number) {
    const auto family = static_cast<ConversionFamily>(number);
    const FamilyInfo& info = FamilyInfoOf(family);
    if (key == info.pageReplyKey) return ReplyKey{family, ReplyKind::PageCount};
    if (key == info.progressKey) return ReplyKey{family, ReplyKind::Progress};
    if (key == info.resultKey) return ReplyKey{family, ReplyKind::Result};
  }
  return std::nullopt;
}

ResultOutcome ClassifyResult(ConversionFamily family, const ConverterReply& reply) {
  const int code = ReplyNumber(reply.field1);
  if (code == kResultNeedsPassword && family != ConversionFamily::topdf) {
    return ResultOutcome::NeedsPassword;
  }
  if (code == kResultFailed) return ResultOutcome::Failed;
  if (!reply.field3 || reply.field3->empty()) return ResultOutcome::MissingOutput;
  return ResultOutcome::Succeeded;
}
