#pragma once
// GDI+ in the handle vocabulary: the session (GdiplusStartup/GdiplusShutdown), and GDI+ objects on
// the heap, owned while they live and told to a test build's watcher (object_watch.h). Every GDI+
// object must be gone before the session ends: GDI+ frees what they point to at shutdown.
#include "object_watch.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <utility>

namespace fw {

struct GdiplusDelete {
    template <typename T>
    void operator()(T* pObject) const
    {
        delete pObject;
        NoteObject(CountedObject::GdiplusObject, -1);
    }
};

template <typename T>
using gdiplus_ptr = std::unique_ptr<T, GdiplusDelete>;

// Takes a GDI+ object that a GDI+ call made on the heap (FromStream, Clone); empty for null.
template <typename T>
gdiplus_ptr<T> own_gdiplus(T* pObject)
{
    if (pObject)
        NoteObject(CountedObject::GdiplusObject, 1);
    return gdiplus_ptr<T>(pObject);
}

template <typename T, typename... Args>
gdiplus_ptr<T> make_gdiplus(Args&&... args)
{
    return own_gdiplus(new T(std::forward<Args>(args)...));
}

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
