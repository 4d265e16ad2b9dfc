#pragma once
// The bench's clock: QueryPerformanceCounter ticks and their length.
#include <windows.h>

namespace bench {

inline LONGLONG Now()
{
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

inline double Milliseconds(LONGLONG nTicks)
{
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(nTicks) / static_cast<double>(frequency.QuadPart);
}

} // namespace bench
