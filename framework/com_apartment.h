#pragma once
// COM on the calling thread for as long as the object lives: a single-threaded apartment, as the
// shell's extensions and the accessibility interface's marshalling ask.
#include <objbase.h>

namespace fw {

class com_apartment {
public:
    com_apartment() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    com_apartment(const com_apartment&) = delete;
    com_apartment& operator=(const com_apartment&) = delete;
    ~com_apartment()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    explicit operator bool() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

} // namespace fw
