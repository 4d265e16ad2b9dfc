#include "command_list.h"

#include <algorithm>
#include <cctype>

namespace {

const char kBlanks[] = " \t\r\n";

// Byte-wise ASCII case change: the texts are file names and registry data in the 8-bit code page.
template <int (*Change)(int)>
std::string ChangeCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(Change(static_cast<unsigned char>(c))); });
    return text;
}

} // namespace

std::string ArgumentsOf(const std::string& commandLine)
{
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    return commandLine.substr(end);
}

std::string CommandLineInfix(const std::string& arguments)
{
    const std::size_t first = arguments.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    const std::string trimmed = arguments.substr(first, arguments.find_last_not_of(kBlanks) - first + 1);
    const std::size_t slash = trimmed.find('/');
    return slash == std::string::npos ? std::string() : trimmed.substr(slash + 1);
}

ModulePath SplitModulePath(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string IniPathFor(const ModulePath& module)
{
    return module.folder + ReplaceAll(ChangeCase<::tolower>(module.fileName), ".exe", ".ini");
}

std::string SetupKeyName(const std::string& infix, int n)
{
    return "Setup" + infix + std::to_string(n);
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

std::string ExpandMacros(const std::string& command, const MacroValues& values)
{
    std::string text = ReplaceAll(command, "%CurrentLocation%\\", values.currentLocation);
    text = ReplaceAll(text, "%WinDir%", values.winDir);
    text = ReplaceAll(text, "%ProgramFiles%", values.programFiles);
    text = ReplaceAll(text, "%ComputerName%", values.computerName);
    return ReplaceAll(text, "%LangID%", values.langId);
}

std::string UpperCase(std::string text)
{
    return ChangeCase<::toupper>(std::move(text));
}

std::vector<std::string> ReadCommandList(const std::string& infix, const IniReader& readKey,
                                         const MacroValues& values)
{
    std::vector<std::string> commands;
    for (int n = 1; n <= kMaxCommands; ++n) {
        const std::string value = readKey(SetupKeyName(infix, n));
        if (value.empty())
            break;
        commands.push_back(ExpandMacros(value.substr(0, kMaxCommandChars), values));
    }
    return commands;
}
