// The texts the program sends to the converter: start-up arguments and commands. A command is a
// route digit ("0" for the page-count service, "1" for a job) and a body between "<" and ">"
// whose fields are separated by "|". Nothing is escaped; paths travel as they are.
#pragma once

#include <string>

#include "ConversionFamily.h"

// The longest text a channel mailbox holds. A command for the page-count service that is longer
// cannot be delivered and has to be refused.
constexpr size_t kMaxMailboxText = 1023;

bool FitsMailbox(const std::string& text);

// Start-up arguments of the page-count service instance.
std::string FormatPageServiceArguments(int slot);

// Start-up arguments of a job instance: its slot and the whole command.
std::string FormatJobArguments(int slot, const std::string& command);

// "0<ppdfto|tag|length|path>" with the family's query verb.
std::string FormatPageQuery(ConversionFamily family, int rowTag, const std::string& path);

// Input path, "*", output folder (empty, or ending in "\").
std::string FormatTarget(const std::string& inputPath, const std::string& outputFolder);

// "1<verb|index|length of target|target|range|password|option>".
std::string FormatCommand(const std::string& verb, int jobIndex, const std::string& target,
                          const std::string& pageRange, const std::string& password,
                          const std::string& option);

// A job sent again with a password: index and length fields are both 0.
std::string FormatResubmission(const std::string& verb, const std::string& target,
                               const std::string& pageRange, const std::string& password,
                               const std::string& option);

// The page range of all pages.
constexpr const char* kAllPagesRange = "0-0";

std::string FormatPageRange(int firstPage, int lastPage);
