// The one-message mailbox of a slot half: an area and the event that says it is full. Each half
// has one writer and one reader; the event alone decides who may touch the area.
#pragma once

#include <windows.h>

namespace varlink {

// Writes the text into the empty half and marks it full. False, touching nothing, while the
// half is full, when text is null or when it is longer than a half can hold.
bool PostToHalf(HANDLE fullEvent, char* half, const char* text);
// Zero-fills the half unless it holds an untaken message.
bool ClearHalf(HANDLE fullEvent, char* half);

}  // namespace varlink
