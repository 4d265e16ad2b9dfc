#pragma once
// The factory/user mode test: which of the two command lists of the .ini file applies.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// The Windows setup state that marks a machine handed over to its user (Windows 6 and later).
inline constexpr char kImageStateComplete[] = "IMAGE_STATE_COMPLETE";
// Files that mark a machine in the user's hands on Windows before 6. Fixed paths on drive C.
inline constexpr char kSysprepPath[] = "C:\\SYSPREP\\SYSPREP.EXE";
inline constexpr char kOemResetPath[] = "C:\\Windows\\OPTIONS\\Oemreset.exe";

// The decision over its inputs. Only one branch asks for its inputs: from major version 6 on,
// the "ImageState" text (nothing when it cannot be read) alone decides; before 6, the two files do,
// looked at in order.
bool IsUserModeFor(DWORD nMajorVersion, const std::function<std::optional<std::string>()>& readImageState,
                   const std::function<bool(const char* pszPath)>& fileExists);

// The test on the running system. Never fails: anything unreadable gives factory mode.
bool IsUserMode();
