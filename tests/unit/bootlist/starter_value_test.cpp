// The Run-key value's data from the expanded path of Popbar's executable.
#include "starter_value.h"

#include <gtest/gtest.h>

#include <string>

TEST(StarterValue, ExpandedPathIsQuoted)
{
    const char path[] = "C:\\Program Files (x86)\\CORVALE\\Popbar\\Popbar.exe";
    EXPECT_EQ(StarterValueData(path, sizeof(path)), "\"" + std::string(path) + "\"");
}

TEST(StarterValue, UnexpandedTemplateIsKeptAsWritten)
{
    EXPECT_EQ(StarterValueData(kStarterTemplate, sizeof(kStarterTemplate)),
              "\"%programfiles%\\CORVALE\\Popbar\\Popbar.exe\"");
}

TEST(StarterValue, ExpansionThatFillsTheFieldExactlyIsKept)
{
    const std::string path(kStarterFieldChars - 1, 'p');
    EXPECT_EQ(StarterValueData(path.c_str(), kStarterFieldChars), "\"" + path + "\"");
}

TEST(StarterValue, ExpansionTooLongForTheFieldOrFailedIsRefused)
{
    // The expansion call reports the size it would have needed and leaves the field unusable.
    EXPECT_EQ(StarterValueData("", kStarterFieldChars + 1), std::nullopt);
    EXPECT_EQ(StarterValueData("", 0), std::nullopt);
}
