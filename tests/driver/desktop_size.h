#pragma once
// A real display change for every top-level window: the virtual desktop takes another size, and
// gets its own size back when the scope ends, whatever happened in between.
#include <windows.h>

namespace driver {

class ScopedDesktopSize {
public:
    ScopedDesktopSize(DWORD nWidth, DWORD nHeight);
    ScopedDesktopSize(const ScopedDesktopSize&) = delete;
    ScopedDesktopSize& operator=(const ScopedDesktopSize&) = delete;
    ~ScopedDesktopSize();

    // True when the desktop took the size.
    bool Changed() const { return m_bChanged; }

private:
    SIZE m_before;
    bool m_bChanged;
};

} // namespace driver
