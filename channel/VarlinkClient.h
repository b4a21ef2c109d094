// Client half of the Varlink message channel: attaches to one slot of a running server by its
// number, sends texts to the server and receives the server's texts through a callback. Link
// against Varlink's import library; this header needs nothing else from the channel.
//
// Order of use: Icp_InitClient, Icp_ConnectClient(slot), Icp_OffsetClient(0), then
// Icp_MultRecvClient on a thread of its own, Icp_SendClient (retry while it returns false), and
// Icp_ReleaseClient when done or told to close.
#pragma once

#ifndef VARLINK_API
#define VARLINK_API __declspec(dllimport)
#endif

// Called on the receive loop's thread with the message bytes (zero-terminated, valid only during
// the call) and their length. The server's close notice is the call ("close", 0).
typedef void(__cdecl* IcpClientCallback)(const char* text, int length);

extern "C" {

// Stores the callback and arms the client.
VARLINK_API void __stdcall Icp_InitClient(IcpClientCallback callback);
// Opens the slot's shared memory and its events; returns the close event's handle (owned by the
// channel), null when that event could not be made.
VARLINK_API void* __stdcall Icp_ConnectClient(int slot);
// Maps the slot's shared memory; false when the slot could not be opened.
VARLINK_API bool __stdcall Icp_OffsetClient(int offset);
// Places a text of at most 1023 bytes for the server; false while the server has not taken the
// previous one, when the text is too long, or when the slot is not mapped.
VARLINK_API bool __stdcall Icp_SendClient(const char* text);
// Delivers the server's messages until the client is released; returns 0.
VARLINK_API int __stdcall Icp_RecvClient();
// Delivers the server's messages and its close notices until the client is released; returns 1
// then, or 0 at once when not connected.
VARLINK_API int __stdcall Icp_MultRecvClient();
// Empties the client's mailbox; false while it holds an untaken message.
VARLINK_API bool __stdcall Icp_ClearBuffClient();
// Blocks until the server signals close; false when not connected.
VARLINK_API bool __stdcall Icp_CloseClient();
// Stops the receive loops and closes the slot.
VARLINK_API void __stdcall Icp_ReleaseClient();
// The calling thread's last system error code.
VARLINK_API unsigned long __stdcall Icp_GetErrorClient();

}  // extern "C"
