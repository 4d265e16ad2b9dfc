#include "dial_keys_journal.h"

#include "dial_keys.h"
#include "files.h"
#include "paths.h"
#include "protocol/dial_keyboard.h"
#include "utf8.h"
#include "wait.h"

#include <sstream>

namespace driver {

namespace {

std::wstring NewJournalPath()
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    wchar_t path[MAX_PATH] = {};
    ::GetTempFileNameW(folder, L"dk", 0, path);
    return path;
}

} // namespace

DialKeysJournal::DialKeysJournal() : m_path(NewJournalPath()), m_variable(kDialKeysJournalVariable, m_path) {}

DialKeysJournal::~DialKeysJournal()
{
    ::DeleteFileW(m_path.c_str());
}

std::vector<DialKeysStart> DialKeysJournal::Starts() const
{
    std::vector<DialKeysStart> starts;
    std::wistringstream lines(fw::Utf16(ReadWholeFile(m_path)));
    std::wstring line;
    // Only whole lines: the last one may still be on its way.
    while (std::getline(lines, line) && !lines.eof()) {
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        std::wistringstream fields(line);
        DialKeysStart start;
        if (fields >> start.program >> start.processId && std::getline(fields >> std::ws, start.event))
            starts.push_back(start);
    }
    return starts;
}

size_t DialKeysJournal::Count(const std::wstring& program, const std::wstring& event) const
{
    size_t n = 0;
    for (const DialKeysStart& start : Starts())
        n += start.program == program && start.event == event;
    return n;
}

bool DialKeysJournal::WaitFor(const std::wstring& program, const std::wstring& event, DWORD nTimeoutMs) const
{
    return WaitUntil([&] { return Count(program, event) > 0; }, nTimeoutMs);
}

std::wstring InstalledDialKeys()
{
    return ProgramFilesFolder() + L"\\" + kDialKeysProgram;
}

HWND DialKeyboardWindow()
{
    return ::FindWindowW(kDialKeysWindowClass, nullptr);
}

bool EndDialKeyboards()
{
    return WaitUntil([] {
        const HWND hWnd = DialKeyboardWindow();
        if (hWnd)
            ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        return hWnd == nullptr;
    });
}

} // namespace driver
