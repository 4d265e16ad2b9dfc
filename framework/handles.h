#pragma once
// One vocabulary for owning Windows handles: move-only owners that close what they hold.
#include "object_watch.h"

#include <windows.h>

#include <utility>

namespace fw {

// Owns a handle of type T and closes it with Close. "None" is the null handle, or for the handles
// that CreateFile and its kin return, INVALID_HANDLE_VALUE. Owners of GDI objects and device contexts
// tell a watcher, when a test build installs one, what they take and let go (object_watch.h).
template <typename T, auto Close, bool MinusOneIsNone = false, typename Counting = Uncounted>
class unique_any {
    static T Invalid() { return MinusOneIsNone ? reinterpret_cast<T>(-1) : T{}; }
    static void Count(T value, LONG delta)
    {
        if (value == Invalid())
            return;
        if (delta > 0)
            Counting::Took();
        else
            Counting::LetGo();
    }

public:
    unique_any() = default;
    explicit unique_any(T value) : m_value(value) { Count(value, 1); }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : m_value(std::exchange(other.m_value, Invalid())) {}
    unique_any& operator=(unique_any&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_value = std::exchange(other.m_value, Invalid());
        }
        return *this;
    }
    ~unique_any() { reset(); }

    T get() const { return m_value; }
    explicit operator bool() const { return m_value != Invalid(); }

    // Closes the held handle and takes the new one.
    void reset(T value = Invalid())
    {
        if (m_value != Invalid()) {
            Close(m_value);
            Count(m_value, -1);
        }
        m_value = value;
        Count(value, 1);
    }
    // The caller closes it from now on.
    T release()
    {
        Count(m_value, -1);
        return std::exchange(m_value, Invalid());
    }
    // For out-parameters: closes the held handle and hands out the place to write a new one. A
    // counted kind is taken with reset(), where the count sees it.
    T* put()
    {
        static_assert(!Counting::kCounted, "a counted handle is taken with reset()");
        reset();
        return &m_value;
    }

private:
    T m_value = Invalid();
};

using unique_hkey = unique_any<HKEY, &::RegCloseKey>;
using unique_handle = unique_any<HANDLE, &::CloseHandle>;
using unique_file = unique_any<HANDLE, &::CloseHandle, true>;
using unique_hmodule = unique_any<HMODULE, &::FreeLibrary>;
using unique_hwnd = unique_any<HWND, &::DestroyWindow>;
using unique_hglobal = unique_any<HGLOBAL, &::GlobalFree>;
using unique_hlocal = unique_any<HLOCAL, &::LocalFree>;
using unique_hook = unique_any<HHOOK, &::UnhookWindowsHookEx>;
using unique_mapped_view = unique_any<void*, &::UnmapViewOfFile>;
// A memory device context (CreateCompatibleDC), not one that belongs to a window.
using unique_hdc = unique_any<HDC, &::DeleteDC, false, CountedAs<CountedObject::DeviceContext>>;

namespace detail {
template <typename T>
void DeleteGdiObject(T hObject)
{
    ::DeleteObject(hObject);
}
} // namespace detail

// Pens, brushes, fonts, bitmaps and regions: GDI objects that DeleteObject frees.
template <typename T>
using unique_gdi_object = unique_any<T, &detail::DeleteGdiObject<T>, false, CountedAs<CountedObject::GdiObject>>;
using unique_hbitmap = unique_gdi_object<HBITMAP>;
using unique_hbrush = unique_gdi_object<HBRUSH>;
using unique_hfont = unique_gdi_object<HFONT>;

// A process started with CreateProcess: both of its handles, process first.
struct unique_process_information {
    unique_handle process;
    unique_handle thread;
};

// GetDC/ReleaseDC: the context belongs to its window and goes back to it.
class unique_window_dc {
public:
    unique_window_dc() = default;
    explicit unique_window_dc(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd))
    {
        if (m_hDC)
            NoteObject(CountedObject::DeviceContext, 1);
    }
    unique_window_dc(const unique_window_dc&) = delete;
    unique_window_dc& operator=(const unique_window_dc&) = delete;
    unique_window_dc(unique_window_dc&& other) noexcept
        : m_hWnd(other.m_hWnd), m_hDC(std::exchange(other.m_hDC, nullptr))
    {
    }
    unique_window_dc& operator=(unique_window_dc&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_hWnd = other.m_hWnd;
            m_hDC = std::exchange(other.m_hDC, nullptr);
        }
        return *this;
    }
    ~unique_window_dc() { reset(); }

    HDC get() const { return m_hDC; }
    explicit operator bool() const { return m_hDC != nullptr; }
    void reset()
    {
        if (m_hDC) {
            ::ReleaseDC(m_hWnd, m_hDC);
            NoteObject(CountedObject::DeviceContext, -1);
        }
        m_hDC = nullptr;
    }
    // The caller now gives the context back to its window itself.
    HDC release()
    {
        if (m_hDC)
            NoteObject(CountedObject::DeviceContext, -1);
        return std::exchange(m_hDC, nullptr);
    }

private:
    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;
};

// BeginPaint/EndPaint for one WM_PAINT: a scope, bound to the message being handled.
class paint_scope {
public:
    explicit paint_scope(HWND hWnd) : m_hWnd(hWnd)
    {
        m_hDC = ::BeginPaint(hWnd, &m_ps);
        NoteObject(CountedObject::DeviceContext, 1);
    }
    paint_scope(const paint_scope&) = delete;
    paint_scope& operator=(const paint_scope&) = delete;
    ~paint_scope()
    {
        ::EndPaint(m_hWnd, &m_ps);
        NoteObject(CountedObject::DeviceContext, -1);
    }
    HDC get() const { return m_hDC; }
    const PAINTSTRUCT& info() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC = nullptr;
};

// SelectObject for a scope: the object that was selected before comes back when it ends.
class select_object_scope {
public:
    select_object_scope(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hPrevious(::SelectObject(hDC, hObject)) {}
    select_object_scope(const select_object_scope&) = delete;
    select_object_scope& operator=(const select_object_scope&) = delete;
    ~select_object_scope()
    {
        if (m_hPrevious && m_hPrevious != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hPrevious);
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// GlobalLock/GlobalUnlock of a movable block.
class global_lock {
public:
    explicit global_lock(HGLOBAL hMem) : m_hMem(hMem), m_p(::GlobalLock(hMem)) {}
    global_lock(const global_lock&) = delete;
    global_lock& operator=(const global_lock&) = delete;
    ~global_lock()
    {
        if (m_p)
            ::GlobalUnlock(m_hMem);
    }
    void* get() const { return m_p; }

private:
    HGLOBAL m_hMem;
    void* m_p;
};

} // namespace fw
