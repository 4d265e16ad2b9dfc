#include "command_line.h"

#include "handles.h"

#include <shellapi.h>

namespace fw {

std::vector<std::wstring> CommandLineWords(const wchar_t* pszCommandLine)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(pszCommandLine, &argc);
    // The array and its strings are one block that LocalFree gives back.
    const unique_hlocal block(argv);
    std::vector<std::wstring> words;
    for (int i = 0; argv && i < argc; ++i)
        words.emplace_back(argv[i]);
    return words;
}

} // namespace fw
