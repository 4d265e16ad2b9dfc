#pragma once
// What Bootlist writes as the Run-key value that starts Popbar at every log-on.
#include <windows.h>

#include <optional>
#include <string>

// The path of Popbar's executable, to be expanded with the process's environment.
inline constexpr char kStarterTemplate[] = "%programfiles%\\CORVALE\\Popbar\\Popbar.exe";
// The field the expansion goes into: 255 characters and the terminator.
inline constexpr DWORD kStarterFieldChars = 256;

// The value's data from the expansion of kStarterTemplate, where nRequired is what
// ExpandEnvironmentStringsA returned (characters needed, terminator included; 0 on failure).
// The path is quoted, so Windows never tries the path's parts that end at a blank as programs.
// Nothing when the expansion failed or did not fit its field: a cut path is never written.
std::optional<std::string> StarterValueData(const char* pszExpanded, DWORD nRequired);
