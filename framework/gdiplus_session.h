#pragma once
// GdiplusStartup/GdiplusShutdown as an owned session. Every GDI+ object must be gone before the
// session ends: GDI+ frees what they point to at shutdown.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace fw {

class gdiplus_session {
public:
    gdiplus_session()
    {
        const Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&m_nToken, &input, nullptr) != Gdiplus::Ok)
            m_nToken = 0;
    }
    gdiplus_session(const gdiplus_session&) = delete;
    gdiplus_session& operator=(const gdiplus_session&) = delete;
    ~gdiplus_session()
    {
        if (m_nToken)
            Gdiplus::GdiplusShutdown(m_nToken);
    }
    explicit operator bool() const { return m_nToken != 0; }

private:
    ULONG_PTR m_nToken = 0;
};

} // namespace fw
