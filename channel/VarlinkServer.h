// Server half of the Varlink message channel: numbered slots of named shared memory, each with
// one mailbox per direction, all received through one callback. Link against Varlink's import
// library; this header needs nothing else from the channel.
//
// Order of use: Icp_InitServer, Icp_CreateServer once, then Icp_MultRecvServer on a thread of its
// own and Icp_SendServer from any one thread; Icp_ReleaseServer last. A slot number at or beyond
// the number of slots made raises std::out_of_range; every other failure is a result.
#pragma once

#include <functional>
#include <stdexcept>

#ifndef VARLINK_API
#define VARLINK_API __declspec(dllimport)
#endif

// Called on the receive loop's thread with the slot number, the message bytes (zero-terminated,
// valid only during the call) and their length.
using IcpServerCallback = std::function<void(int slot, const char* text, int length)>;

extern "C" {

// Stores a copy of the callback and arms the server.
VARLINK_API void __stdcall Icp_InitServer(const IcpServerCallback& callback);
// Makes min(count, 60) slots numbered from 0 and returns how many were made.
VARLINK_API int __stdcall Icp_CreateServer(int count);
// Delivers the clients' messages, lowest slot first, until the server is released.
VARLINK_API void __stdcall Icp_MultRecvServer();
// Waits up to 3000 ms for one message on the slot and delivers it; returns 0.
VARLINK_API int __stdcall Icp_RecvServer(unsigned slot);
// Places a text of at most 1023 bytes for the slot's client; false while the client has not
// taken the previous one, or when the text is too long.
VARLINK_API bool __stdcall Icp_SendServer(unsigned slot, const char* text);
// Empties the server's mailbox of the slot; false while it holds an untaken message.
VARLINK_API bool __stdcall Icp_ClearBuffServer(unsigned slot);
// True when the slot has its shared memory; the view always covers the whole slot.
VARLINK_API bool __stdcall Icp_OffsetServer(unsigned slot, int offset);
// Tells every waiting client that the server is going away; returns true.
VARLINK_API bool __stdcall Icp_CloseAllServer();
// Stops the receive loop, closes every slot and tells the clients.
VARLINK_API void __stdcall Icp_ReleaseServer();
// The calling thread's last system error code.
VARLINK_API unsigned long __stdcall Icp_GetErrorServer();

}  // extern "C"
