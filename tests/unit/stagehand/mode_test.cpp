// The factory/user mode decision over the version, the setup state and the two marker files.
#include "mode.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Probe {
    std::optional<std::string> imageState;
    std::set<std::string> files;
    int nStateReads = 0;
    std::vector<std::string> filesAsked;

    bool Decide(DWORD nMajorVersion)
    {
        return IsUserModeFor(
            nMajorVersion,
            [this] {
                ++nStateReads;
                return imageState;
            },
            [this](const char* pszPath) {
                filesAsked.push_back(pszPath);
                return files.count(pszPath) > 0;
            });
    }
};

} // namespace

TEST(UserMode, VersionSixAndLaterFollowTheImageStateExactly)
{
    for (DWORD nMajor : {6u, 10u}) {
        Probe probe;
        probe.imageState = "IMAGE_STATE_COMPLETE";
        EXPECT_TRUE(probe.Decide(nMajor));
        for (const char* other : {"image_state_complete", "IMAGE_STATE_COMPLETE ", " IMAGE_STATE_COMPLETE",
                                  "IMAGE_STATE_COMPLETE_X", "IMAGE_STATE", "IMAGE_STATE_UNDEPLOYABLE", ""}) {
            probe.imageState = other;
            EXPECT_FALSE(probe.Decide(nMajor)) << '"' << other << '"';
        }
        probe.imageState.reset();
        EXPECT_FALSE(probe.Decide(nMajor)) << "unreadable state";
    }
}

TEST(UserMode, VersionSixAndLaterNeverLookAtTheFiles)
{
    Probe probe;
    probe.files = {kSysprepPath, kOemResetPath};
    EXPECT_FALSE(probe.Decide(6));
    EXPECT_TRUE(probe.filesAsked.empty());
    EXPECT_EQ(probe.nStateReads, 1);
}

TEST(UserMode, OlderVersionsLookOnlyAtTheFilesInOrder)
{
    Probe probe;
    probe.imageState = "IMAGE_STATE_COMPLETE";
    EXPECT_FALSE(probe.Decide(5)) << "neither file: factory mode, whatever the registry holds";
    EXPECT_EQ(probe.filesAsked, (std::vector<std::string>{"C:\\SYSPREP\\SYSPREP.EXE", "C:\\Windows\\OPTIONS\\Oemreset.exe"}));
    EXPECT_EQ(probe.nStateReads, 0);

    probe.filesAsked.clear();
    probe.files = {kSysprepPath};
    EXPECT_TRUE(probe.Decide(5));
    EXPECT_EQ(probe.filesAsked, (std::vector<std::string>{kSysprepPath})) << "the first file found decides";

    probe.files = {kOemResetPath};
    EXPECT_TRUE(probe.Decide(5));
    EXPECT_TRUE(probe.Decide(0)) << "an unreadable version reads as 0";
    EXPECT_EQ(probe.nStateReads, 0);
}
