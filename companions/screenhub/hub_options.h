#pragma once
// Screen Hub's command-line switches, parsed from the words of a command line.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The environment variable that gives the switches when the command line has none (as when the menu
// starts Screen Hub through the shell).
constexpr wchar_t kOptionsVariable[] = L"CORVALE_SCREENHUB_OPTIONS";

struct HubOptions {
    std::wstring journalPath;      // --journal FILE: empty for no journal
    DWORD delayMs = 0;             // --delay MS: wait before answering a status query
    bool hang = false;             // --hang: a status query stops the window's thread for good
    bool answerAvailability = true; // --no-24 clears it
    DWORD availability = 1;        // --answer-24 N: the argument of the HUBCMD_AVAILABILITY answer
    bool hideOnAgain = false;      // --hide-on-again: the menu key pressed again closes the menu
    std::optional<DWORD> status;   // --status WORD: the starting status word
    std::optional<DWORD> display;  // --display MODE: the starting display mode
    std::optional<BYTE> battery;   // --battery N: a fixed battery percentage (0-255)
};

// Numbers are decimal or hexadecimal with "0x"; they must fit in 32 bits. Nothing for an unknown
// switch, a missing or malformed value, or a battery value above 255.
std::optional<HubOptions> ParseHubOptions(const std::vector<std::wstring>& words);
// "0x1F" or "31": the whole text must be the number.
std::optional<DWORD> ParseNumber(const std::wstring& text);
