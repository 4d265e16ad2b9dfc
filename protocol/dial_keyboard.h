#pragma once
// The Touch Pack's dial keyboard as Popbar knows it: two programs under the Program Files folder,
// and the keyboard's process by the base name of its program.
#include <windows.h>

inline constexpr wchar_t kDialKeysProgram[] = L"Microsoft Touch Pack\\DialKeys\\DialKeys.exe";
inline constexpr wchar_t kShowHideProgram[] = L"Microsoft Touch Pack\\DialKeys\\showHide.exe";
// The base name of the keyboard's process, letter case included.
inline constexpr wchar_t kDialKeysName[] = L"DialKeys.exe";
