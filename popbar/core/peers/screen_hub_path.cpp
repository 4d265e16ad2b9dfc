#include "screen_hub_path.h"

#include "protocol/screen_hub.h"

std::optional<std::wstring> ScreenHubPathFrom(const std::wstring& ownPath)
{
    static const std::wstring from = kPopbarPathPart;
    static const std::wstring to = kScreenHubPathPart;
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
