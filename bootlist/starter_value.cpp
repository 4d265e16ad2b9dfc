#include "starter_value.h"

std::optional<std::string> StarterValueData(const char* pszExpanded, DWORD nRequired)
{
    if (nRequired == 0 || nRequired > kStarterFieldChars)
        return std::nullopt;
    return "\"" + std::string(pszExpanded) + "\"";
}
