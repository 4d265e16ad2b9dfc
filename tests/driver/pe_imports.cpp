#include "pe_imports.h"

#include "files.h"

#include <windows.h>

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

std::vector<std::string> ImportedDlls(const std::wstring& program)
{
    const std::string file = ReadWholeFile(program);
    IMAGE_DOS_HEADER dos{};
    IMAGE_FILE_HEADER header{};
    WORD magic = 0;
    if (!ReadAt(file, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE)
        return {};
    const size_t fileHeader = static_cast<size_t>(dos.e_lfanew) + sizeof(DWORD);
    const size_t optionalHeader = fileHeader + sizeof(IMAGE_FILE_HEADER);
    if (!ReadAt(file, fileHeader, header) || !ReadAt(file, optionalHeader, magic))
        return {};
    // The import directory's place differs between the 32-bit and the 64-bit optional header.
    const size_t directories = optionalHeader + (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                                                     ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                                     : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
    IMAGE_DATA_DIRECTORY imports{};
    if (!ReadAt(file, directories + IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY), imports))
        return {};
    const size_t sections = optionalHeader + header.SizeOfOptionalHeader;
    size_t descriptor = 0;
    if (!OffsetOf(file, sections, header.NumberOfSections, imports.VirtualAddress, descriptor))
        return {};
    std::vector<std::string> names;
    for (IMAGE_IMPORT_DESCRIPTOR entry{}; ReadAt(file, descriptor, entry) && entry.Name; descriptor += sizeof(entry)) {
        size_t name = 0;
        if (!OffsetOf(file, sections, header.NumberOfSections, entry.Name, name) || name >= file.size())
            break;
        names.emplace_back(file.c_str() + name);
    }
    return names;
}

} // namespace driver
