#include "macro_sources.h"

#include "registry_text.h"
#include "whole_text.h"

namespace {

const char kLanguageKey[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
const char kLanguageValue[] = "InstallLanguage";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kProgramFilesValue[] = "ProgramFilesDir";
// Both values are read as text of at most 255 bytes; one that cannot be read is empty.
constexpr DWORD kValueBytes = 255;

std::string ReadText(const char* pszKey, const char* pszValue)
{
    return ReadRegistryText(pszKey, pszValue, kValueBytes).value_or(std::string());
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
    values.langId = UpperCase(ReadText(kLanguageKey, kLanguageValue));
    values.computerName = ComputerName();
    // The whole Windows folder, however long: a cut one would name another folder.
    values.winDir = WholeText(::GetWindowsDirectoryA);
    values.programFiles = ReadText(kCurrentVersionKey, kProgramFilesValue);
    return values;
}
