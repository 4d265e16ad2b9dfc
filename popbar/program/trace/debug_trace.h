#pragma once
// Diagnostic texts for a debug viewer window, when one runs; nowhere otherwise.
#include <windows.h>

// printf-style formatting by wvsprintfW (no floating point); the text goes to DebugOut.
void DebugTrace(const wchar_t* pszFormat, ...);
// Sends the text to the viewer; the send's result, or 0 when no viewer runs or it did not answer.
LRESULT DebugOut(const wchar_t* pszText);
