// The menu's initialisation: steps in order, the first failure stops the rest and names the text.
#include "controller/init_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct StepsRun {
    std::vector<std::string> calls;
    const wchar_t* text = nullptr;
};

StepsRun RunWith(bool bResource, bool bCreate, HRESULT hrLayout)
{
    StepsRun run;
    InitSteps steps;
    steps.loadResource = [&] {
        run.calls.push_back("resource");
        return bResource;
    };
    steps.findScreenHub = [&] { run.calls.push_back("screenhub"); };
    steps.createButtons = [&] {
        run.calls.push_back("create");
        return bCreate;
    };
    steps.layoutButtons = [&] {
        run.calls.push_back("layout");
        return hrLayout;
    };
    run.text = RunInitSteps(steps);
    return run;
}

using Calls = std::vector<std::string>;

} // namespace

// The first failure stops the steps after it, and each failure has its own text for the user.
TEST(InitSteps, TheFirstFailureStopsTheRestWithItsOwnText)
{
    struct Case {
        const char* pszWhat;
        bool bResource;
        bool bCreate;
        HRESULT hrLayout;
        Calls calls;
        const wchar_t* pszText;
    };
    const Calls all{"resource", "screenhub", "create", "layout"};
    const Case cases[] = {
        {"all done", true, true, S_OK, all, nullptr},
        {"no skin: nothing else is tried", false, true, S_OK, {"resource"}, L"Can not load the resource."},
        {"no buttons: no layout", true, false, S_OK, {"resource", "screenhub", "create"}, L"Can not Initialize!"},
        {"a window not made", true, true, HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE), all, L"Can not Create Menu!"},
        {"only S_OK counts as done", true, true, S_FALSE, all, L"Can not Create Menu!"},
    };
    for (const Case& c : cases) {
        const StepsRun run = RunWith(c.bResource, c.bCreate, c.hrLayout);
        EXPECT_EQ(run.calls, c.calls) << c.pszWhat;
        EXPECT_EQ(run.text ? std::wstring(run.text) : std::wstring(L"none"), c.pszText ? c.pszText : L"none") << c.pszWhat;
    }
}
