#include "windowclass.h"

bool RegisterClassOnce(const WNDCLASSW& wc)
{
    WNDCLASSW existing{};
    if (::GetClassInfoW(wc.hInstance, wc.lpszClassName, &existing))
        return true;
    return ::RegisterClassW(&wc) != 0;
}
