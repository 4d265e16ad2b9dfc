#include "hub_journal.h"

#include <utility>

#include "files.h"

#include "handles.h"
#include "wait.h"

#include <algorithm>
#include <sstream>

namespace driver {

namespace {

std::optional<HubJournalEntry> ParseLine(const std::string& line)
{
    std::istringstream words(line);
    std::string first;
    if (!(words >> first))
        return std::nullopt;
    HubJournalEntry entry;
    if (first == "out") {
        entry.direction = HubDirection::Out;
        if (!(words >> first))
            return std::nullopt;
    }
    unsigned long long message = 0;
    unsigned long long wParam = 0;
    long long lParam = 0;
    std::string rest;
    try {
        size_t used = 0;
        entry.timeMs = std::stoull(first, &used);
        if (used != first.size())
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!(words >> message >> wParam >> lParam) || (words >> rest))
        return std::nullopt;
    entry.message = static_cast<UINT>(message);
    entry.wParam = static_cast<WPARAM>(wParam);
    entry.lParam = static_cast<LPARAM>(lParam);
    return entry;
}

} // namespace

HubEntryMatch HubEntry(HubDirection direction, UINT message, std::optional<WPARAM> wParam, std::optional<LPARAM> lParam)
{
    return [=](const HubJournalEntry& entry) {
        return entry.direction == direction && entry.message == message && (!wParam || entry.wParam == *wParam) &&
               (!lParam || entry.lParam == *lParam);
    };
}

std::vector<HubJournalEntry> ParseHubJournal(const std::string& text)
{
    std::vector<HubJournalEntry> entries;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start)) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (const auto entry = ParseLine(line))
            entries.push_back(*entry);
    }
    return entries;
}

HubJournal::HubJournal()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"hub", 0, path);
    m_path = path;
}

HubJournal::HubJournal(std::wstring existingPath) : m_path(std::move(existingPath)), m_bOwned(false) {}

HubJournal::~HubJournal()
{
    if (m_bOwned)
        ::DeleteFileW(m_path.c_str());
}

std::wstring HubJournal::Switch() const
{
    return L"--journal \"" + m_path + L"\"";
}

std::vector<HubJournalEntry> HubJournal::Entries() const
{
    return ParseHubJournal(ReadWholeFile(m_path));
}

size_t HubJournal::Count(const HubEntryMatch& match) const
{
    const auto entries = Entries();
    return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), match));
}

std::optional<HubJournalEntry> HubJournal::WaitFor(const HubEntryMatch& match, DWORD nTimeoutMs) const
{
    std::optional<HubJournalEntry> found;
    WaitUntil(
        [&] {
            const auto entries = Entries();
            const auto it = std::find_if(entries.begin(), entries.end(), match);
            if (it != entries.end())
                found = *it;
            return found.has_value();
        },
        nTimeoutMs);
    return found;
}

} // namespace driver
