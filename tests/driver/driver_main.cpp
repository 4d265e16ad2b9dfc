// driver.exe: the test driver for scripts (the scenario tests link the same library).
//   driver run-answering PROGRAM [ARGUMENTS]   run PROGRAM, answer its message boxes; prints
//                                              "box CAPTION|TEXT" per box, then "exit CODE"
//   driver open-menu                           wait for Popbar's start-up to end, press the menu key
//                                              and wait until the menu shows; prints "menu open"
//   driver wait-window TITLE                   wait until a top-level window of that title exists
#include "answering_run.h"
#include "popbar_menu.h"
#include "wait.h"

#include <cstdio>
#include <string>

namespace {

void PrintLine(const std::wstring& text)
{
    // UTF-8 on standard output, one record per line.
    const int cb = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(cb > 0 ? cb - 1 : 0, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), cb, nullptr, nullptr);
    std::printf("%s\n", bytes.c_str());
}

int RunAnswering(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    std::wstring arguments;
    for (int i = 3; i < argc; ++i)
        arguments += (i > 3 ? L" " : L"") + std::wstring(argv[i]);
    const driver::AnsweredRun run = driver::RunAnsweringMessageBoxes(argv[2], arguments);
    if (!run.started) {
        PrintLine(L"not started");
        return 1;
    }
    for (const driver::AnsweredBox& box : run.boxes)
        PrintLine(L"box " + box.caption + L"|" + box.text);
    PrintLine(run.exitCode ? L"exit " + std::to_wstring(*run.exitCode) : L"timeout");
    return 0;
}

int OpenPopbarMenu()
{
    const HWND hWndMenu = driver::WaitForReadyMenu();
    if (!hWndMenu) {
        PrintLine(L"no menu window");
        return 1;
    }
    if (!driver::OpenMenu(hWndMenu)) {
        PrintLine(L"menu did not open");
        return 1;
    }
    PrintLine(L"menu open");
    return 0;
}

int WaitForWindow(const wchar_t* pszTitle)
{
    if (!driver::WaitUntil([&] { return ::FindWindowW(nullptr, pszTitle) != nullptr; }, 20000)) {
        PrintLine(L"no window \"" + std::wstring(pszTitle) + L"\"");
        return 1;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc >= 2 && std::wstring(argv[1]) == L"run-answering")
        return RunAnswering(argc, argv);
    if (argc == 2 && std::wstring(argv[1]) == L"open-menu")
        return OpenPopbarMenu();
    if (argc == 3 && std::wstring(argv[1]) == L"wait-window")
        return WaitForWindow(argv[2]);
    std::fprintf(stderr, "usage: driver run-answering PROGRAM [ARGUMENTS] | driver open-menu"
                         " | driver wait-window TITLE\n");
    return 2;
}
