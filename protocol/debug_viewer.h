#pragma once
// The debug viewer window that receives Popbar's trace texts as WM_COPYDATA records.
#include <windows.h>

// Found by class and title together; a window with the class but another title gets nothing.
inline constexpr wchar_t kViewerClass[] = L"QUIL DebugOut Window";
// "DebugOutput", six blanks and the owner notice: 28 characters.
inline constexpr wchar_t kViewerTitle[] = L"DebugOutput      (c)2026 CVL";
static_assert(sizeof(kViewerTitle) / sizeof(wchar_t) - 1 == 28, "the viewer's title is 28 characters long");

// dwData of a trace record: the Unicode byte-order mark says the text is UTF-16.
inline constexpr ULONG_PTR kTraceRecordTag = 0xFEFF;
