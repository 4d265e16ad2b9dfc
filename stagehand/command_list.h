#pragma once
// The setup command list: which .ini file, which keys, and the macros in each command line.
#include <functional>
#include <string>
#include <vector>

// Keys are numbered from 1 to this; the list ends earlier at the first missing or empty key.
inline constexpr int kMaxCommands = 49;
// A command line is at most this many characters; a longer value is cut.
inline constexpr std::size_t kMaxCommandChars = 259;

// The arguments part of a full command line: what follows the program's own name, which may be quoted.
std::string ArgumentsOf(const std::string& commandLine);

// The key infix from the program's arguments: everything after the first "/" of the arguments
// trimmed of blanks at both ends; empty when there is no "/".
std::string CommandLineInfix(const std::string& arguments);

// A module path split at its last backslash: the folder keeps the backslash (empty when there is none).
struct ModulePath {
    std::string folder;
    std::string fileName;
};
ModulePath SplitModulePath(const std::string& path);

// The .ini file beside the executable: its file name lower-cased with every ".exe" made ".ini".
std::string IniPathFor(const ModulePath& module);

// "Setup<infix><n>".
std::string SetupKeyName(const std::string& infix, int n);

// What each macro stands for on this machine.
struct MacroValues {
    std::string currentLocation; // the program's folder, ending in a backslash
    std::string winDir;
    std::string programFiles;
    std::string computerName;
    std::string langId; // already upper-cased
};

// Replaces every occurrence of text by with, left to right; what was put in is not looked at again.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);

// The five macros replaced in turn, each on the result of the one before, by exact case-sensitive match.
std::string ExpandMacros(const std::string& command, const MacroValues& values);

// The "%LangID%" value from the registry's installation language.
std::string UpperCase(std::string text);

// Reads one key of the mode's section: its value, empty when the key is missing.
using IniReader = std::function<std::string(const std::string& key)>;

// The expanded command list: keys 1 to kMaxCommands, up to the first missing or empty one, each
// value cut to kMaxCommandChars characters before its macros are replaced.
std::vector<std::string> ReadCommandList(const std::string& infix, const IniReader& readKey,
                                         const MacroValues& values);
