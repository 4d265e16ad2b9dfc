#include "hub_options.h"

#include <cwctype>

std::optional<DWORD> ParseNumber(const std::wstring& text)
{
    size_t pos = 0;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        pos = 2;
        base = 16;
    }
    if (pos == text.size())
        return std::nullopt;
    unsigned long long value = 0;
    for (; pos < text.size(); ++pos) {
        const wchar_t c = text[pos];
        unsigned digit = 0;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (base == 16 && std::iswxdigit(c))
            digit = std::towlower(c) - L'a' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<DWORD>(value);
}

std::optional<HubOptions> ParseHubOptions(const std::vector<std::wstring>& words)
{
    HubOptions options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::wstring& word = words[i];
        const bool bHasValue = i + 1 < words.size();
        auto number = [&]() -> std::optional<DWORD> { return bHasValue ? ParseNumber(words[++i]) : std::nullopt; };

        if (word == L"--hang") {
            options.hang = true;
        } else if (word == L"--no-24") {
            options.answerAvailability = false;
        } else if (word == L"--hide-on-again") {
            options.hideOnAgain = true;
        } else if (word == L"--journal") {
            if (!bHasValue || words[i + 1].empty())
                return std::nullopt;
            options.journalPath = words[++i];
        } else if (word == L"--delay") {
            const auto value = number();
            if (!value)
                return std::nullopt;
            options.delayMs = *value;
        } else if (word == L"--answer-24") {
            const auto value = number();
            if (!value)
                return std::nullopt;
            options.availability = *value;
        } else if (word == L"--status") {
            options.status = number();
            if (!options.status)
                return std::nullopt;
        } else if (word == L"--display") {
            options.display = number();
            if (!options.display)
                return std::nullopt;
        } else if (word == L"--battery") {
            const auto value = number();
            if (!value || *value > 255)
                return std::nullopt;
            options.battery = static_cast<BYTE>(*value);
        } else {
            return std::nullopt;
        }
    }
    return options;
}
