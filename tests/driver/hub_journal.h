#pragma once
// Screen Hub's journal as tests read it: every message our Screen Hub received from the menu and
// every one it posted to the menu window, in order, one line each, written as it happens:
//
//   "<ms> <message> <wParam> <lParam>"       received (MSG_HUBCMD, 54, 55, ...)
//   "out <ms> <message> <wParam> <lParam>"   posted to the menu (MSG_HUBCMD codes 24, 48, 56)
//
// <ms> is Screen Hub's GetTickCount64. Typical use:
//
//   driver::HubJournal journal;   // a fresh file in the temp folder
//   hub.Start(screenHubExe, journal.Switch() + L" --status 0x11");
//   auto entry = journal.WaitFor(driver::HubEntry(driver::HubDirection::Out, MSG_HUBCMD, HUBCMD_AVAILABILITY));
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace driver {

enum class HubDirection { In, Out };

struct HubJournalEntry {
    ULONGLONG timeMs = 0;
    HubDirection direction = HubDirection::In;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

using HubEntryMatch = std::function<bool(const HubJournalEntry&)>;

// Entries of one direction and message; when given, also of one wParam (the command code) and lParam.
HubEntryMatch HubEntry(HubDirection direction, UINT message, std::optional<WPARAM> wParam = std::nullopt,
                       std::optional<LPARAM> lParam = std::nullopt);

// The entries of a journal's text. Only whole lines count (the last one may be half written);
// malformed lines are skipped.
std::vector<HubJournalEntry> ParseHubJournal(const std::string& text);

// A journal file of its own: a new empty file in the temp folder, deleted when the object ends; or
// a journal file that someone else keeps, read where it is.
class HubJournal {
public:
    HubJournal();
    explicit HubJournal(std::wstring existingPath);
    HubJournal(const HubJournal&) = delete;
    HubJournal& operator=(const HubJournal&) = delete;
    ~HubJournal();

    const std::wstring& Path() const { return m_path; }
    // "--journal "<path>"": the switch that makes Screen Hub write here.
    std::wstring Switch() const;

    // The file's entries as they are now.
    std::vector<HubJournalEntry> Entries() const;
    size_t Count(const HubEntryMatch& match) const;
    // The first matching entry, once there is one; nothing when none came in time.
    std::optional<HubJournalEntry> WaitFor(const HubEntryMatch& match, DWORD nTimeoutMs = 10000) const;

private:
    std::wstring m_path;
    bool m_bOwned = true;
};

} // namespace driver
