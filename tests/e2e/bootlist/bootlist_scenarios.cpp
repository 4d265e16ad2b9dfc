// Bootlist installed in the prefix's Program Files and run as Windows would run it.
#include "paths.h"
#include "answering_run.h"
#include "registry_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kValue[] = "Popbar";

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

std::string ExpectedData()
{
    char expanded[MAX_PATH] = {};
    ::ExpandEnvironmentStringsA("%ProgramFiles%\\CORVALE\\Popbar\\Popbar.exe", expanded, MAX_PATH);
    return "\"" + std::string(expanded) + "\"";
}

class BootlistRun : public testing::Test {
protected:
    void SetUp() override
    {
        // Taken before a test changes the machine's programs folder.
        m_program = driver::InstalledPath(L"Bootlist\\Bootlist.exe");
        driver::DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kValue);
    }
    void TearDown() override { driver::DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kValue); }

    // Runs Bootlist to its end and returns its exit code; every message box it shows is read
    // and answered, and must carry Bootlist's caption and the warning icon.
    DWORD Run(std::vector<std::wstring>* pMessages = nullptr)
    {
        const driver::AnsweredRun run = driver::RunAnsweringMessageBoxes(m_program);
        EXPECT_TRUE(run.started);
        for (const driver::AnsweredBox& box : run.boxes) {
            EXPECT_EQ(box.caption, L"Bootlist");
            EXPECT_TRUE(box.hasWarningIcon);
            if (pMessages)
                pMessages->push_back(box.text);
            else
                ADD_FAILURE() << "unexpected message box: " << Narrow(box.text);
        }
        EXPECT_TRUE(run.exitCode) << "Bootlist did not end";
        return run.exitCode.value_or(~0u);
    }

    std::wstring m_program;
};

} // namespace

TEST_F(BootlistRun, WritesTheQuotedExpandedPathAndSucceeds)
{
    EXPECT_EQ(Run(), 0u);
    const auto value = driver::ReadValue(HKEY_LOCAL_MACHINE, kRunKey, kValue);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    const std::string expected = ExpectedData();
    EXPECT_EQ(value->data, expected + '\0') << "the data is the text and its terminator, nothing more";
    EXPECT_EQ(expected, "\"" + Narrow(driver::ProgramFilesFolder()) + "\\CORVALE\\Popbar\\Popbar.exe\"");
}

TEST_F(BootlistRun, ReplacesAnExistingValueOfAnotherTypeAndData)
{
    const DWORD old = 12345;
    ASSERT_TRUE(driver::WriteValue(HKEY_LOCAL_MACHINE, kRunKey, kValue, REG_DWORD, &old, sizeof(old)));
    EXPECT_EQ(Run(), 0u);
    EXPECT_EQ(driver::ReadString(HKEY_LOCAL_MACHINE, kRunKey, kValue), ExpectedData());
}

TEST_F(BootlistRun, TwoRunsLeaveOneValueWithTheSameData)
{
    EXPECT_EQ(Run(), 0u);
    const auto first = driver::ReadValue(HKEY_LOCAL_MACHINE, kRunKey, kValue);
    DWORD countAfterFirst = 0;
    {
        fw::unique_hkey key;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, key.put()), ERROR_SUCCESS);
        ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &countAfterFirst, nullptr,
                           nullptr, nullptr, nullptr);
    }
    EXPECT_EQ(Run(), 0u);
    DWORD countAfterSecond = 0;
    fw::unique_hkey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, key.put()), ERROR_SUCCESS);
    ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &countAfterSecond, nullptr,
                       nullptr, nullptr, nullptr);
    EXPECT_EQ(countAfterSecond, countAfterFirst);
    const auto second = driver::ReadValue(HKEY_LOCAL_MACHINE, kRunKey, kValue);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->data, first->data);
}

TEST_F(BootlistRun, RefusedValueWriteShowsOneMessageAndWritesNothing)
{
    driver::ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, kRunKey);
    ASSERT_TRUE(readOnly.Applied());
    std::vector<std::wstring> messages;
    EXPECT_EQ(Run(&messages), 1u);
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Could not set the starter file."}));
    EXPECT_FALSE(driver::ReadValue(HKEY_LOCAL_MACHINE, kRunKey, kValue));
}

TEST_F(BootlistRun, RunKeyThatCanBeNeitherCreatedNorOpenedShowsBothMessagesInOrder)
{
    driver::DeleteTree(HKEY_LOCAL_MACHINE, kRunKey);
    std::vector<std::wstring> messages;
    {
        driver::DanglingKeyLink broken(HKEY_LOCAL_MACHINE, kRunKey);
        ASSERT_TRUE(broken.Applied());
        EXPECT_EQ(Run(&messages), 1u);
    }
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Could not create the registry key.",
                                                   L"Could not set the starter file."}));
    EXPECT_FALSE(driver::ReadValue(HKEY_LOCAL_MACHINE, kRunKey, kValue));
}
