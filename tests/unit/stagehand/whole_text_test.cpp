// Text of any length from a call that fills a buffer, as the Windows folder is read. Wine keeps
// its Windows folder at C:\windows, so the long folders are given here by a stand-in call.
#include "whole_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Folder(std::size_t nChars)
{
    return "C:\\" + std::string(nChars - 3, 'w');
}

// The call answers with these texts in turn, the last one again after them; none: it fails.
struct FillCase {
    const char* name;
    std::vector<std::string> answers;
    std::string expected;
    std::vector<UINT> sizesAsked;
};

} // namespace

TEST(WholeText, TakesTheWholeTextHoweverLongAndNeverMoreThanItsBufferHolds)
{
    const std::string folder300 = Folder(300);
    const FillCase cases[] = {
        {"short", {"C:\\windows"}, "C:\\windows", {MAX_PATH}},
        {"fills the first buffer", {Folder(MAX_PATH - 1)}, Folder(MAX_PATH - 1), {MAX_PATH}},
        {"one character too long for it", {Folder(MAX_PATH)}, Folder(MAX_PATH), {MAX_PATH, MAX_PATH + 1}},
        {"as long as a path can be", {Folder(32766)}, Folder(32766), {MAX_PATH, 32767}},
        {"the call fails", {}, "", {MAX_PATH}},
        {"grew between the two calls", {folder300, Folder(400)}, "", {MAX_PATH, 301}},
        {"shrank between the two calls", {folder300, "C:\\w"}, "C:\\w", {MAX_PATH, 301}},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<UINT> sizesAsked;
        const std::string text = WholeText([&](char* pszBuffer, UINT nSize) -> UINT {
            sizesAsked.push_back(nSize);
            if (c.answers.empty())
                return 0;
            const std::string& answer = c.answers[std::min(sizesAsked.size(), c.answers.size()) - 1];
            if (answer.size() >= nSize)
                return static_cast<UINT>(answer.size() + 1);
            std::memcpy(pszBuffer, answer.c_str(), answer.size() + 1);
            return static_cast<UINT>(answer.size());
        });
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(sizesAsked, c.sizesAsked);
    }
}
