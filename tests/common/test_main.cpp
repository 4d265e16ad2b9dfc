// Test programs never show a window of their own for a crash or a failed assertion.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
