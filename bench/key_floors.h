#pragma once
// The floors of the menu's opening: windows of the menu's size, each in a process of its own, that
// open on the laptop's menu key through a low-level keyboard hook of their own and are measured the
// same way as the menu.
//   Fair:  takes the foreground the way the menu must, is layered, top-most and as translucent as
//          the menu, and paints the menu's background from a cached bitmap: the least the platform
//          needs for the menu's job.
//   Plain: a top-most pop-up that fills itself with one colour and leaves the foreground alone.
#include <windows.h>

#include <string>

enum class FloorKind { Plain, Fair };

constexpr wchar_t kFloorWindowClass[] = L"CORVALE_BENCH_FLOOR";
constexpr wchar_t kFloorSwitch[] = L"--floor";
constexpr wchar_t kPlainFloorTitle[] = L"plain";
constexpr wchar_t kFairFloorTitle[] = L"fair";

// Sent with wParam TRUE: the floor hooks the keyboard, ahead of every hook made before it, and keeps
// the menu key to itself, so KeyRelay does not see it while the floor is measured; FALSE unhooks.
// Answers 1 when done. MSG_HIDEMENU hides the floor as it hides the menu.
constexpr UINT MSG_ARMFLOOR = WM_APP + 0x51;

// Runs a floor until it is closed; the process's exit code. The skin gives the size and the picture.
int RunFloor(FloorKind kind, const std::wstring& skinPath);
