// The system's version numbers as the kernel reports them (not subject to compatibility shims).
#pragma once

// Fills major and minor (both zeroed first) when the system reports them; when the query is
// missing they keep the caller's values. False only when ntdll cannot be loaded.
bool GetNtVersion(unsigned long& major, unsigned long& minor);
