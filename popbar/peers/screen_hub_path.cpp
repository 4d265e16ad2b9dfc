#include "screen_hub_path.h"

std::optional<std::wstring> ScreenHubPathFrom(const std::wstring& ownPath)
{
    static const std::wstring from = L"Popbar\\Popbar.exe";
    static const std::wstring to = L"Swift Screen Hub\\ScreenHub.exe";
    std::wstring path = ownPath;
    bool replaced = false;
    for (auto at = path.find(from); at != std::wstring::npos; at = path.find(from, at + to.size())) {
        path.replace(at, from.size(), to);
        replaced = true;
    }
    if (!replaced)
        return std::nullopt;
    return path;
}
