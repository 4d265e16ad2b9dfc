#pragma once
// One way to read each kind of result the platform gives, and to say it. Calls that answer BOOL or a
// handle put the reason for a failure in the thread's last error: read it at once, before another
// call changes it (LastErrorResult). The registry calls return theirs (LSTATUS) and leave the last
// error alone; COM calls return an HRESULT (SUCCEEDED and FAILED from the platform headers). Image
// loading here answers bool: callers carry on with an empty picture.
#include <windows.h>

#include <string>

namespace fw {

inline bool RegistryOk(LSTATUS status)
{
    return status == ERROR_SUCCESS;
}

// The result of a call that answered BOOL or a handle, as an HRESULT: S_OK when it succeeded, else
// the thread's last error (E_FAIL when the call left none).
HRESULT LastErrorResult(bool bSucceeded);

// The system's words for an error code: "Access is denied (error 5)"; "error N" alone when the system
// has none.
std::wstring ErrorText(DWORD nError);
// The same for an HRESULT: the words of the Win32 error inside one, else the system's words for it,
// with its number in hexadecimal: "Invalid window handle (0x80070578)".
std::wstring ResultText(HRESULT hr);

} // namespace fw
