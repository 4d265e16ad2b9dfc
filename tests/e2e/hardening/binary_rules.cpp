// binary_rules.exe VERSION FILE...: one row a binary of what it asks of the platform and says of itself,
// and exit code 1 when one breaks a rule of the platform's for a program started at every log-on:
//   ASLR      the loader may place it anywhere: a dynamic base, with its relocations kept (a library
//             whose code never runs has none to keep)
//   HEVA      a 64-bit binary takes addresses from the whole 64-bit space (high entropy)
//   NX        its data is never executed
//   W^X       no section is both writable and executable
//   manifest  a program runs as its starter (asInvoker) and names Windows 7 to 11; a library has none
//   imports   Windows' own DLLs only (and KeyRelay.dll for Popbar.exe)
//   version   its version resource gives VERSION as its file version
//   signed    it carries an Authenticode signature (scripts/package signs; signatures.sh verifies)
// and, as a fact rather than a rule, the buffer functions whose checked forms (_FORTIFY_SOURCE) it
// carries, read from its symbol names.
#include "pe_file.h"
#include "utf8.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kSupportedOs[] = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
};

std::wstring BaseName(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() &&
           ::CompareStringOrdinal(text.c_str() + text.size() - end.size(), static_cast<int>(end.size()), end.c_str(),
                                  static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

// The text of the program manifest (resource 1 of type 24); empty when there is none.
std::string ManifestOf(const std::wstring& path)
{
    const HMODULE hModule = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!hModule)
        return {};
    std::string text;
    const HRSRC hInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    const HGLOBAL hData = hInfo ? ::LoadResource(hModule, hInfo) : nullptr;
    if (const char* pText = hData ? static_cast<const char*>(::LockResource(hData)) : nullptr)
        text.assign(pText, ::SizeofResource(hModule, hInfo));
    ::FreeLibrary(hModule);
    return text;
}

// The file version its version resource states; empty when it has none.
std::wstring FileVersionOf(const std::wstring& path)
{
    DWORD handle = 0;
    std::vector<BYTE> block(::GetFileVersionInfoSizeW(path.c_str(), &handle));
    wchar_t* pszVersion = nullptr;
    UINT nChars = 0;
    if (block.empty() || !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !::VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\FileVersion", reinterpret_cast<void**>(&pszVersion),
                          &nChars) ||
        nChars == 0)
        return {};
    return std::wstring(pszVersion);
}

bool IsSystemDll(const std::string& name, bool b64)
{
    wchar_t szFolder[MAX_PATH] = {};
    const UINT n = b64 ? ::GetSystemDirectoryW(szFolder, MAX_PATH) : ::GetSystemWow64DirectoryW(szFolder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return false;
    const std::wstring path = std::wstring(szFolder) + L"\\" + std::wstring(name.begin(), name.end());
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The functions _FORTIFY_SOURCE can check, whose checked forms are named __<name>_chk.
constexpr const char* kFortifiable[] = {"memcpy", "memmove", "memset", "mempcpy", "strcpy", "strncpy", "strcat",
                                        "strncat", "stpcpy", "sprintf", "snprintf", "vsprintf", "vsnprintf", "gets"};

// The fortifiable functions whose checked form the binary carries, by the names in its symbol table;
// "-" for none.
std::string CheckedFunctions(const std::wstring& path)
{
    std::string bytes;
    if (FILE* pFile = ::_wfopen(path.c_str(), L"rb")) {
        char chunk[65536];
        for (size_t n; (n = std::fread(chunk, 1, sizeof(chunk), pFile)) > 0;)
            bytes.append(chunk, n);
        std::fclose(pFile);
    }
    std::string names;
    for (const char* pszName : kFortifiable) {
        const std::string symbol = std::string("__") + pszName + "_chk";
        if (bytes.find(symbol + '\0') != std::string::npos)
            names += (names.empty() ? "" : ",") + std::string(pszName);
    }
    return names.empty() ? "-" : names;
}

struct Row {
    std::vector<std::string> cells;
    std::vector<std::string> broken;
    void Check(bool bKept, const char* pszCell, const std::string& why)
    {
        cells.push_back(bKept ? pszCell : "NO");
        if (!bKept)
            broken.push_back(why);
    }
};

Row CheckBinary(const std::wstring& path, const std::wstring& version)
{
    Row row;
    const std::optional<driver::PeFile> pe = driver::ReadPeFile(path);
    if (!pe) {
        row.broken.push_back("not a PE file that can be read");
        return row;
    }
    const bool b64 = pe->machine == IMAGE_FILE_MACHINE_AMD64;
    const bool bProgram = !(pe->characteristics & IMAGE_FILE_DLL);
    row.cells.push_back(b64 ? "x64" : pe->machine == IMAGE_FILE_MACHINE_I386 ? "x86" : "?");
    // A library whose code never runs (the skin's pictures, no entry point) has no address to relocate.
    row.Check((pe->dllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) && (pe->bRelocations || pe->entryPoint == 0) &&
                  !(pe->characteristics & IMAGE_FILE_RELOCS_STRIPPED),
              "ok", "no dynamic base, or its relocations stripped");
    if (b64)
        row.Check(pe->dllCharacteristics & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA, "ok", "no high-entropy addresses");
    else
        row.cells.push_back("-");
    row.Check(pe->dllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT, "ok", "data may be executed (no NX)");
    std::string writableCode;
    for (const driver::PeSection& section : pe->sections) {
        if ((section.characteristics & IMAGE_SCN_MEM_WRITE) && (section.characteristics & IMAGE_SCN_MEM_EXECUTE))
            writableCode += " " + section.name;
    }
    row.Check(writableCode.empty(), "ok", "sections both writable and executable:" + writableCode);

    const std::string manifest = ManifestOf(path);
    if (bProgram) {
        bool bAll = manifest.find("level=\"asInvoker\"") != std::string::npos;
        for (const char* pszOs : kSupportedOs)
            bAll = bAll && manifest.find(pszOs) != std::string::npos;
        row.Check(bAll, "ok", "its manifest does not ask for asInvoker and name Windows 7 to 11");
    } else {
        row.Check(manifest.empty(), "-", "a library with a program's manifest");
    }

    std::string foreign;
    for (const std::string& dll : pe->imports) {
        const bool bKeyRelay = EndsWith(path, L"\\Popbar.exe") && ::CompareStringOrdinal(
            std::wstring(dll.begin(), dll.end()).c_str(), -1, L"KeyRelay.dll", -1, TRUE) == CSTR_EQUAL;
        if (!bKeyRelay && !IsSystemDll(dll, b64))
            foreign += " " + dll;
    }
    row.Check(foreign.empty(), "ok", "binds DLLs that are not Windows' own:" + foreign);
    const std::wstring fileVersion = FileVersionOf(path);
    row.Check(fileVersion == version, "ok", "file version \"" + fw::Utf8(fileVersion) + "\", not " + fw::Utf8(version));
    row.Check(pe->bCertificate, "ok", "not signed");
    row.cells.push_back(CheckedFunctions(path));
    return row;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: binary_rules.exe VERSION FILE...\n");
        return 2;
    }
    const std::wstring version = argv[1];
    const char* const header[] = {"binary", "kind", "ASLR", "HEVA", "NX", "W^X", "manifest", "imports", "version", "signed", "fortify"};
    std::printf("%-22s", header[0]);
    for (size_t i = 1; i < sizeof(header) / sizeof(header[0]); ++i)
        std::printf(" %-8s", header[i]);
    std::printf("\n");
    int nBroken = 0;
    std::string reasons;
    for (int i = 2; i < argc; ++i) {
        const std::wstring path = argv[i];
        const Row row = CheckBinary(path, version);
        std::printf("%-22s", fw::Utf8(BaseName(path)).c_str());
        for (const std::string& cell : row.cells)
            std::printf(" %-8s", cell.c_str());
        std::printf("\n");
        for (const std::string& why : row.broken) {
            reasons += "  " + fw::Utf8(path) + ": " + why + "\n";
            ++nBroken;
        }
    }
    if (nBroken > 0)
        std::printf("Broken rules:\n%s", reasons.c_str());
    return nBroken > 0 ? 1 : 0;
}
