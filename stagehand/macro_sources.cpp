#include "macro_sources.h"

#include "registry_text.h"
#include "whole_text.h"

namespace {

const char kLanguageKey[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
const char kLanguageValue[] = "InstallLanguage";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kProgramFilesValue[] = "ProgramFilesDir";
// The programs folder is read as at most 255 bytes, the language into 256 (room for 255 characters
// and their terminator); a value that cannot be read is empty.
constexpr DWORD kProgramFilesBytes = 255;
constexpr DWORD kLanguageBytes = 256;

std::string ReadText(const char* pszKey, const char* pszValue, DWORD nMaxBytes)
{
    return ReadRegistryText(pszKey, pszValue, nMaxBytes).value_or(std::string());
}

std::string ComputerName()
{
    char name[256] = {};
    DWORD n = sizeof(name);
    return ::GetComputerNameA(name, &n) ? std::string(name, n) : std::string();
}

} // namespace

MacroValues GatherMacroValues(const std::string& currentLocation)
{
    MacroValues values;
    values.currentLocation = currentLocation;
    values.langId = UpperCase(ReadText(kLanguageKey, kLanguageValue, kLanguageBytes));
    values.computerName = ComputerName();
    // The whole Windows folder, however long: a cut one would name another folder.
    values.winDir = WholeText(::GetWindowsDirectoryA);
    values.programFiles = ReadText(kCurrentVersionKey, kProgramFilesValue, kProgramFilesBytes);
    return values;
}
