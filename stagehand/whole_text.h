#pragma once
// Text from a platform call that fills a buffer of the caller's size, however long the text is.
#include <windows.h>

#include <functional>
#include <string>

// Fills pszBuffer of nSize characters, as GetWindowsDirectoryA does: answers the text's length
// when it fits, the size it needs (terminator included) when it does not, 0 when it fails.
using BufferFill = std::function<UINT(char* pszBuffer, UINT nSize)>;

// The whole text: asked once more with the size it needs when the first buffer is too small.
// Empty when the call fails, or when the text no longer fits the second time (it grew meanwhile).
std::string WholeText(const BufferFill& fill, UINT nFirstSize = MAX_PATH);
