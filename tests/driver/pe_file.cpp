#include "pe_file.h"

#include "files.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace driver {

namespace {

template <typename T>
bool ReadAt(const std::string& file, size_t offset, T& value)
{
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return true;
}

// The file offset of a relative virtual address, through the section that holds it.
bool OffsetOf(const std::string& file, size_t sections, WORD nSections, DWORD rva, size_t& offset)
{
    for (WORD i = 0; i < nSections; ++i) {
        IMAGE_SECTION_HEADER section{};
        if (!ReadAt(file, sections + i * sizeof(section), section))
            return false;
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
            offset = section.PointerToRawData + (rva - section.VirtualAddress);
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<PeFile> ReadPeFile(const std::wstring& path)
{
    const std::string file = ReadWholeFile(path);
    IMAGE_DOS_HEADER dos{};
    IMAGE_FILE_HEADER header{};
    WORD magic = 0;
    if (!ReadAt(file, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE)
        return std::nullopt;
    DWORD signature = 0;
    const size_t fileHeader = static_cast<size_t>(dos.e_lfanew) + sizeof(DWORD);
    const size_t optionalHeader = fileHeader + sizeof(IMAGE_FILE_HEADER);
    if (!ReadAt(file, static_cast<size_t>(dos.e_lfanew), signature) || signature != IMAGE_NT_SIGNATURE ||
        !ReadAt(file, fileHeader, header) || !ReadAt(file, optionalHeader, magic))
        return std::nullopt;
    PeFile pe;
    pe.machine = header.Machine;
    pe.characteristics = header.Characteristics;
    // The same fields stand at other places in the 32-bit and the 64-bit optional header.
    const bool b64 = magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    if (!ReadAt(file, optionalHeader + (b64 ? offsetof(IMAGE_OPTIONAL_HEADER64, DllCharacteristics)
                                            : offsetof(IMAGE_OPTIONAL_HEADER32, DllCharacteristics)),
                pe.dllCharacteristics) ||
        !ReadAt(file, optionalHeader + offsetof(IMAGE_OPTIONAL_HEADER32, AddressOfEntryPoint), pe.entryPoint))
        return std::nullopt;
    const size_t directories = optionalHeader + (b64 ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                                     : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
    IMAGE_DATA_DIRECTORY imports{}, relocations{}, certificates{};
    if (!ReadAt(file, directories + IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY), imports) ||
        !ReadAt(file, directories + IMAGE_DIRECTORY_ENTRY_BASERELOC * sizeof(IMAGE_DATA_DIRECTORY), relocations) ||
        !ReadAt(file, directories + IMAGE_DIRECTORY_ENTRY_SECURITY * sizeof(IMAGE_DATA_DIRECTORY), certificates))
        return std::nullopt;
    pe.bRelocations = relocations.VirtualAddress != 0 && relocations.Size != 0;
    // The certificate table's address is a place in the file, not in memory.
    pe.bCertificate = certificates.VirtualAddress != 0 && certificates.Size != 0 &&
                      certificates.VirtualAddress < file.size();

    const size_t sections = optionalHeader + header.SizeOfOptionalHeader;
    for (WORD i = 0; i < header.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section{};
        if (!ReadAt(file, sections + i * sizeof(section), section))
            return std::nullopt;
        const char* pszName = reinterpret_cast<const char*>(section.Name);
        pe.sections.push_back({std::string(pszName, strnlen(pszName, IMAGE_SIZEOF_SHORT_NAME)), section.Characteristics});
    }

    size_t descriptor = 0;
    if (imports.VirtualAddress == 0 || !OffsetOf(file, sections, header.NumberOfSections, imports.VirtualAddress, descriptor))
        return pe;
    for (IMAGE_IMPORT_DESCRIPTOR entry{}; ReadAt(file, descriptor, entry) && entry.Name; descriptor += sizeof(entry)) {
        size_t name = 0;
        if (!OffsetOf(file, sections, header.NumberOfSections, entry.Name, name) || name >= file.size())
            break;
        pe.imports.emplace_back(file.c_str() + name);
    }
    return pe;
}

std::vector<std::string> ImportedDlls(const std::wstring& program)
{
    const std::optional<PeFile> pe = ReadPeFile(program);
    return pe ? pe->imports : std::vector<std::string>();
}

} // namespace driver
