#pragma once
// One way to read each kind of result the platform gives. Calls that answer BOOL or a handle put the
// reason for a failure in the thread's last error; the registry calls return theirs (LSTATUS) and
// leave the last error alone; COM calls return an HRESULT (SUCCEEDED and FAILED from the platform
// headers). Image loading here answers bool: callers carry on with an empty picture.
#include <windows.h>

namespace fw {

inline bool RegistryOk(LSTATUS status)
{
    return status == ERROR_SUCCESS;
}

} // namespace fw
