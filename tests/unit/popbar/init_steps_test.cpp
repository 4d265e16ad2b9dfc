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

TEST(InitSteps, AllStepsRunInOrderAndSucceed)
{
    const StepsRun run = RunWith(true, true, S_OK);
    EXPECT_EQ(run.calls, (Calls{"resource", "screenhub", "create", "layout"}));
    EXPECT_EQ(run.text, nullptr);
}

TEST(InitSteps, MissingResourceStopsBeforeEverythingElse)
{
    const StepsRun run = RunWith(false, true, S_OK);
    EXPECT_EQ(run.calls, (Calls{"resource"}));
    ASSERT_NE(run.text, nullptr);
    EXPECT_STREQ(run.text, L"Can not load the resource.");
}

TEST(InitSteps, ButtonBuildFailureStopsBeforeTheLayout)
{
    const StepsRun run = RunWith(true, false, S_OK);
    EXPECT_EQ(run.calls, (Calls{"resource", "screenhub", "create"}));
    ASSERT_NE(run.text, nullptr);
    EXPECT_STREQ(run.text, L"Can not Initialize!");
}

TEST(InitSteps, LayoutFailureNamesTheMenu)
{
    const StepsRun run = RunWith(true, true, E_FAIL);
    EXPECT_EQ(run.calls, (Calls{"resource", "screenhub", "create", "layout"}));
    ASSERT_NE(run.text, nullptr);
    EXPECT_STREQ(run.text, L"Can not Create Menu!");
    EXPECT_STREQ(RunWith(true, true, S_FALSE).text, L"Can not Create Menu!") << "only S_OK counts as done";
}
