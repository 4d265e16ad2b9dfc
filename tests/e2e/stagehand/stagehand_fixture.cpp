#include "stagehand_fixture.h"

#include "paths.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"

#include <fstream>
#include <sstream>

namespace stagehand_e2e {

namespace {

const char kTestRoot[] = "C:\\stagehand-test";


void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((folder + found.cFileName).c_str());
        } while (::FindNextFileA(hFind, &found));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string Section(const std::string& name, const std::vector<std::string>& commands, const std::string& infix)
{
    std::string text = "[" + name + "]\r\n";
    for (std::size_t i = 0; i < commands.size(); ++i)
        text += "Setup" + infix + std::to_string(i + 1) + "=" + commands[i] + "\r\n";
    return text;
}

bool IsRunning(DWORD pid)
{
    fw::unique_handle process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
    return process && ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

void StagehandRun::SetUp()
{
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
        if (c == '/')
            c = '-';
    m_folder = std::string(kTestRoot) + "\\" + name + "\\";
    ::CreateDirectoryA(kTestRoot, nullptr);
    RemoveFolder(m_folder);
    ASSERT_TRUE(::CreateDirectoryA(m_folder.c_str(), nullptr));
    ASSERT_TRUE(::CopyFileW(driver::InstalledPath(L"Stagehand\\Stagehand.exe").c_str(),
                            Wide(m_folder + "Stagehand.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((Narrow(driver::TestProgramFolder()) + "recorder.exe").c_str(), (m_folder + "recorder.exe").c_str(),
                            FALSE));
    // Factory mode unless a test says otherwise.
    driver::DeleteValue(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState);
}

void StagehandRun::TearDown()
{
    m_stagehand.Terminate();
    for (auto& release : m_releases)
        ::SetEvent(release.second.get());
    EXPECT_TRUE(driver::WaitUntil([&] { return Count("start") == Count("end"); })) << "a setup command is still running";
    m_releases.clear();
    RemoveFolder(m_folder);
}

void StagehandRun::WriteIni(const std::string& text, const std::string& name)
{
    std::ofstream(m_folder + name, std::ios::binary) << text;
}

void StagehandRun::Start(const std::string& arguments, const std::string& exeName)
{
    ASSERT_TRUE(m_stagehand.Start(Wide(m_folder + exeName), Wide(arguments), L"C:\\"));
}

void StagehandRun::Hold(const std::string& tag)
{
    m_releases[tag].reset(::CreateEventA(nullptr, TRUE, FALSE, ("StagehandTestRelease-" + tag).c_str()));
}

std::vector<Record> StagehandRun::Records() const
{
    std::vector<Record> records;
    std::ifstream log(m_folder + "recorder.log", std::ios::binary);
    std::string line;
    while (std::getline(log, line)) {
        std::istringstream fields(line);
        Record record;
        std::string pid, ms;
        std::getline(fields, record.event, '\t');
        std::getline(fields, record.tag, '\t');
        std::getline(fields, pid, '\t');
        std::getline(fields, ms, '\t');
        std::getline(fields, record.folder, '\t');
        std::getline(fields, record.commandLine);
        record.pid = static_cast<DWORD>(std::stoul(pid));
        record.ms = std::stoull(ms);
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> StagehandRun::Started() const
{
    std::vector<std::string> tags;
    for (const Record& record : Records())
        if (record.event == "start")
            tags.push_back(record.tag);
    return tags;
}

std::size_t StagehandRun::Count(const std::string& event) const
{
    std::size_t n = 0;
    for (const Record& record : Records())
        n += record.event == event;
    return n;
}

std::optional<Record> StagehandRun::Find(const std::string& event, const std::string& tag) const
{
    for (const Record& record : Records())
        if (record.event == event && record.tag == tag)
            return record;
    return std::nullopt;
}

bool StagehandRun::WaitFor(const std::string& event, const std::string& tag, DWORD nTimeoutMs) const
{
    return driver::WaitUntil([&] { return Find(event, tag).has_value(); }, nTimeoutMs);
}

HWND StagehandRun::WaitWindow() const
{
    for (HWND hWnd : driver::TopLevelWindows(m_stagehand.Id(), L"#32770"))
        if (::IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

} // namespace stagehand_e2e
