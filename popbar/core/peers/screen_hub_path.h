#pragma once
// Where Screen Hub is installed: a sibling folder of Popbar's own.
#include <optional>
#include <string>

// Popbar's own path with every "Popbar\Popbar.exe" (letter case as written) replaced by
// "Swift Screen Hub\ScreenHub.exe"; nothing when the path holds no such part, so that Popbar
// never asks the shell to open itself.
std::optional<std::wstring> ScreenHubPathFrom(const std::wstring& ownPath);
