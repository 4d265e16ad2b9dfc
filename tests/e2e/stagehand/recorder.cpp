// A stand-in setup command for Stagehand's scenarios. It appends its start and end to recorder.log
// beside itself: tag, process id, time, current folder and full command line.
//   recorder.exe TAG [hold] [linger] ...
// "hold" keeps it running until the event "StagehandTestRelease-TAG" is set (at most a minute);
// "linger" keeps it running for 300 ms. Anything else is only recorded.
#include "program_path.h"

#include <windows.h>

#include <string>

namespace {

std::string OwnFolder()
{
    const std::string path = fw::OwnProgramPathAnsi();
    return path.substr(0, path.find_last_of('\\') + 1);
}

unsigned long long NowMs()
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    return ((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000;
}

void Append(const std::string& line)
{
    const std::string path = OwnFolder() + "recorder.log";
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE hFile = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const std::string text = line + "\n";
            ::WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            ::CloseHandle(hFile);
            return;
        }
        ::Sleep(10);
    }
}

bool HasWord(const std::string& arguments, const std::string& word)
{
    return (" " + arguments + " ").find(" " + word + " ") != std::string::npos;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR pszArguments, int)
{
    const std::string arguments = pszArguments;
    const std::string tag = arguments.substr(0, arguments.find(' '));
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string pid = std::to_string(::GetCurrentProcessId());
    Append("start\t" + tag + "\t" + pid + "\t" + std::to_string(NowMs()) + "\t" + folder + "\t" + ::GetCommandLineA());

    if (HasWord(arguments, "hold")) {
        HANDLE hRelease = ::CreateEventA(nullptr, TRUE, FALSE, ("StagehandTestRelease-" + tag).c_str());
        ::WaitForSingleObject(hRelease, 60000);
        ::CloseHandle(hRelease);
    }
    if (HasWord(arguments, "linger"))
        ::Sleep(300);

    Append("end\t" + tag + "\t" + pid + "\t" + std::to_string(NowMs()));
    return 0;
}
