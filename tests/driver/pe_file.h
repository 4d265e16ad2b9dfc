#pragma once
// What a program's or library's file says of itself in its PE headers: its machine, the platform's
// protections it asks for, its sections, its signature, and the DLLs it binds at load time.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

struct PeSection {
    std::string name;
    DWORD characteristics = 0; // IMAGE_SCN_...
};

struct PeFile {
    WORD machine = 0; // IMAGE_FILE_MACHINE_I386 or _AMD64
    WORD characteristics = 0; // IMAGE_FILE_...
    WORD dllCharacteristics = 0; // IMAGE_DLLCHARACTERISTICS_...
    DWORD entryPoint = 0; // 0: no code of it ever runs (a library of resources alone)
    bool bRelocations = false; // a base-relocation table, so the loader may move it
    bool bCertificate = false; // an Authenticode certificate table
    std::vector<PeSection> sections;
    std::vector<std::string> imports; // the DLL names of the import table, as written there
};

// Nothing when the file is not a PE file that can be read.
std::optional<PeFile> ReadPeFile(const std::wstring& path);

// The DLL names of the program's import table; empty when the file cannot be read.
std::vector<std::string> ImportedDlls(const std::wstring& program);

} // namespace driver
