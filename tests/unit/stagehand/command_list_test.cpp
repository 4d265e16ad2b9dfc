// The command list: command-line infix, .ini location, key names, macros and the list's end.
#include "command_list.h"

#include <gtest/gtest.h>

#include <map>

TEST(CommandLineInfix, IsWhatFollowsTheFirstSlashOfTheTrimmedArguments)
{
    EXPECT_EQ(CommandLineInfix(""), "");
    EXPECT_EQ(CommandLineInfix("  -q Extra  "), "") << "no slash, no infix";
    EXPECT_EQ(CommandLineInfix("/Extra"), "Extra");
    EXPECT_EQ(CommandLineInfix("  -q /Extra  "), "Extra");
    EXPECT_EQ(CommandLineInfix("/a b"), "a b") << "inner blanks are kept";
    EXPECT_EQ(CommandLineInfix("/"), "");
    EXPECT_EQ(CommandLineInfix(" /x/y "), "x/y") << "only the first slash separates";
}

TEST(CommandLineInfix, ArgumentsSkipTheProgramNameQuotedOrNot)
{
    EXPECT_EQ(ArgumentsOf("\"C:\\Set/up\\Stagehand.exe\" /Extra"), " /Extra");
    EXPECT_EQ(ArgumentsOf("C:\\Tools\\Stagehand.exe  -q /Extra "), "  -q /Extra ");
    EXPECT_EQ(ArgumentsOf("Stagehand.exe"), "");
    EXPECT_EQ(ArgumentsOf("\"C:\\Set/up\\Stagehand.exe\""), "") << "a slash in the program's path is no infix";
}

TEST(IniPath, IsTheLowerCasedFileNameWithIniForExeBesideTheProgram)
{
    const ModulePath module = SplitModulePath("C:\\Tools\\STAGEHAND.EXE");
    EXPECT_EQ(module.folder, "C:\\Tools\\");
    EXPECT_EQ(module.fileName, "STAGEHAND.EXE");
    EXPECT_EQ(IniPathFor(module), "C:\\Tools\\stagehand.ini");
    EXPECT_EQ(IniPathFor(SplitModulePath("D:\\Setup\\My.Exe.Tool.exe")), "D:\\Setup\\my.ini.tool.ini")
        << "every .exe in the name is replaced";
    EXPECT_EQ(IniPathFor(SplitModulePath("D:\\Mixed Case\\Prep")), "D:\\Mixed Case\\prep")
        << "the folder keeps its case";
}

TEST(IniPath, PathWithoutBackslashHasAnEmptyFolder)
{
    const ModulePath module = SplitModulePath("stagehand.exe");
    EXPECT_EQ(module.folder, "");
    EXPECT_EQ(IniPathFor(module), "stagehand.ini");
}

TEST(SetupKeyName, JoinsInfixAndDecimalNumber)
{
    EXPECT_EQ(SetupKeyName("", 1), "Setup1");
    EXPECT_EQ(SetupKeyName("Extra", 49), "SetupExtra49");
    EXPECT_EQ(SetupKeyName("a b", 7), "Setupa b7");
}

namespace {

MacroValues SampleValues()
{
    MacroValues values;
    values.currentLocation = "D:\\Setup\\";
    values.winDir = "C:\\Windows";
    values.programFiles = "C:\\Program Files (x86)";
    values.computerName = "LAPTOP";
    values.langId = "0409";
    return values;
}

} // namespace

TEST(ExpandMacros, ReplacesEveryOccurrenceOfEachMacro)
{
    EXPECT_EQ(ExpandMacros("%CurrentLocation%\\tools\\prep.exe %CurrentLocation%\\a", SampleValues()),
              "D:\\Setup\\tools\\prep.exe D:\\Setup\\a");
    EXPECT_EQ(ExpandMacros("x %WinDir%\\a %ProgramFiles%\\b %ComputerName% %LangID% %WinDir%", SampleValues()),
              "x C:\\Windows\\a C:\\Program Files (x86)\\b LAPTOP 0409 C:\\Windows");
}

TEST(ExpandMacros, MatchesExactlyAndCaseSensitively)
{
    EXPECT_EQ(ExpandMacros("%CurrentLocation%tools\\prep.exe", SampleValues()), "%CurrentLocation%tools\\prep.exe")
        << "the backslash belongs to the macro";
    EXPECT_EQ(ExpandMacros("%windir%\\x %WINDIR% %langid% %programfiles%", SampleValues()),
              "%windir%\\x %WINDIR% %langid% %programfiles%");
}

TEST(ExpandMacros, AValueHoldingALaterMacroIsExpandedAgainButNotAnEarlierOne)
{
    MacroValues values = SampleValues();
    values.currentLocation = "E:\\%ComputerName%\\";
    values.winDir = "W";
    values.langId = "%WinDir%";
    EXPECT_EQ(ExpandMacros("%CurrentLocation%\\run %LangID%", values), "E:\\LAPTOP\\run %WinDir%");
}

TEST(ExpandMacros, ReplacedTextIsNotScannedAgainByTheSameMacro)
{
    MacroValues values = SampleValues();
    values.computerName = "%ComputerName%%ComputerName%";
    EXPECT_EQ(ExpandMacros("%ComputerName%", values), "%ComputerName%%ComputerName%");
}

TEST(ExpandMacros, EmptyValuesLeaveTheRestOfTheLine)
{
    MacroValues values;
    values.currentLocation = "C:\\";
    EXPECT_EQ(ExpandMacros("%ProgramFiles%\\x.exe /l:%LangID%", values), "\\x.exe /l:");
}

TEST(UpperCase, RaisesLettersOnly)
{
    EXPECT_EQ(UpperCase("040c"), "040C");
    EXPECT_EQ(UpperCase("ab-9z"), "AB-9Z");
}

namespace {

// An .ini section: keys as written (the platform matches them without regard to case).
std::vector<std::string> ListFrom(const std::map<std::string, std::string>& section, const std::string& infix = "",
                                  std::vector<std::string>* pKeysRead = nullptr)
{
    return ReadCommandList(
        infix,
        [&](const std::string& key) {
            if (pKeysRead)
                pKeysRead->push_back(key);
            const auto found = section.find(key);
            return found == section.end() ? std::string() : found->second;
        },
        SampleValues());
}

} // namespace

TEST(ReadCommandList, StopsAtTheFirstMissingOrEmptyKey)
{
    std::vector<std::string> keysRead;
    EXPECT_EQ(ListFrom({{"Setup1", "a"}, {"Setup2", "b"}, {"Setup4", "d"}}, "", &keysRead),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(keysRead, (std::vector<std::string>{"Setup1", "Setup2", "Setup3"})) << "Setup4 is never read";
    EXPECT_EQ(ListFrom({{"Setup1", "a"}, {"Setup2", "b"}, {"Setup3", ""}, {"Setup4", "d"}}),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(ListFrom({{"Setup0", "zero"}, {"Setup2", "b"}}).empty());
}

TEST(ReadCommandList, ReadsAtMostFortyNineKeys)
{
    std::map<std::string, std::string> section;
    for (int n = 1; n <= 60; ++n)
        section["Setup" + std::to_string(n)] = "cmd" + std::to_string(n);
    std::vector<std::string> keysRead;
    const std::vector<std::string> list = ListFrom(section, "", &keysRead);
    ASSERT_EQ(list.size(), 49u);
    EXPECT_EQ(list.front(), "cmd1");
    EXPECT_EQ(list.back(), "cmd49");
    EXPECT_EQ(keysRead.back(), "Setup49");
}

TEST(ReadCommandList, UsesTheInfixKeys)
{
    EXPECT_EQ(ListFrom({{"Setup1", "plain"}, {"SetupExtra1", "extra"}}, "Extra"),
              (std::vector<std::string>{"extra"}));
}

TEST(ReadCommandList, CutsValuesTo259CharactersBeforeExpanding)
{
    const std::string exact(259, 'x');
    const std::string longer = exact + std::string(41, 'y');
    // The cut falls inside the macro name, so what is left of it stays as text.
    const std::string cutMacro = std::string(252, 'z') + "%WinDir%";
    EXPECT_EQ(ListFrom({{"Setup1", longer}, {"Setup2", exact}, {"Setup3", cutMacro}}),
              (std::vector<std::string>{exact, exact, std::string(252, 'z') + "%WinDir"}));
    const std::string macroAtEnd = std::string(251, 'z') + "%WinDir%";
    EXPECT_EQ(ListFrom({{"Setup1", macroAtEnd}}), (std::vector<std::string>{std::string(251, 'z') + "C:\\Windows"}))
        << "expansion may make the line longer than the cut";
}
