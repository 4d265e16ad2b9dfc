#pragma once
// Our stand-ins for the Touch Pack's dial keyboard: DialKeys.exe, a small window that stays running,
// and showHide.exe, which shows or hides that window. Both record every start in a journal that
// tests read: one line per start, "<program> <process id> <what it did>", where program is the
// base name the process runs under ("DialKeys.exe", or a renamed copy) and what it did is "started"
// for the keyboard and "shown", "hidden" or "no keyboard" for the show-hide program.
#include <windows.h>

// The journal file's path, from this environment variable; no journal without it.
inline constexpr wchar_t kDialKeysJournalVariable[] = L"CORVALE_DIALKEYS_JOURNAL";
// The keyboard's window class, by which the show-hide program and tests find it.
inline constexpr wchar_t kDialKeysWindowClass[] = L"CORVALE_DIAL_KEYS";

// Appends "<own base name> <own process id> <event>" and a line break to the journal, if there is one.
void RecordStart(const wchar_t* pszEvent);
