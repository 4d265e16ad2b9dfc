#pragma once
// One trace text as the WM_COPYDATA record the debug viewer expects.
#include <windows.h>

// The record points at the text: it is valid only while the text lives.
COPYDATASTRUCT MakeTraceRecord(const wchar_t* pszText);
