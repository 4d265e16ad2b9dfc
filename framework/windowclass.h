#pragma once
// Window-class registration that leaves an already registered class of the same name alone.
#include <windows.h>

// True when the class is registered for the module now, whether by this call or before it.
bool RegisterClassOnce(const WNDCLASSW& wc);
