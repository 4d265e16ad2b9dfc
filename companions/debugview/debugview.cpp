// DebugView.exe: the debug viewer window that receives Popbar's trace texts.
//
//   DebugView.exe [output-file] [--hang]
//
// Each text (WM_COPYDATA, dwData 0xFEFF, UTF-16) is appended as UTF-8 to the output file, or written
// to standard output when none is given, followed by one line break; line breaks inside a text are
// kept as they are. --hang creates the window and then never answers it, for time-out tests.
#include "protocol/debug_viewer.h"

#include "command_line.h"
#include "handles.h"
#include "main_window.h"
#include "utf8.h"

#include <string>
#include <vector>

namespace {

fw::unique_file s_output;

void Append(const std::string& record)
{
    const HANDLE hOut = s_output ? s_output.get() : ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    ::WriteFile(hOut, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
}

// A record is the text up to its first null character, within the bytes that were sent.
void OnRecord(const COPYDATASTRUCT& record)
{
    if (record.dwData != kTraceRecordTag || !record.lpData)
        return;
    const auto* pszText = static_cast<const wchar_t*>(record.lpData);
    const int nMax = static_cast<int>(record.cbData / sizeof(wchar_t));
    int nChars = 0;
    while (nChars < nMax && pszText[nChars])
        ++nChars;
    Append(fw::Utf8(std::wstring(pszText, nChars)) + "\n");
}

LRESULT CALLBACK ViewerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPYDATA:
        OnRecord(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    default:
        return fw::MainWindowDefault(hWnd, message, wParam, lParam);
    }
}

} // namespace

int main()
{
    const std::vector<std::wstring> words = fw::CommandLineWords(::GetCommandLineW());
    bool bHang = false;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::wstring& arg = words[i];
        if (arg == L"--hang") {
            bHang = true;
        } else {
            s_output.reset(::CreateFileW(arg.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!s_output)
                return 2;
        }
    }

    WNDCLASSW wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kViewerClass;
    if (!::RegisterClassW(&wc))
        return 1;
    // A top-level window that is never shown: other processes find it by class and title.
    const HWND hWnd = ::CreateWindowExW(0, kViewerClass, kViewerTitle, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                        nullptr, wc.hInstance, nullptr);
    if (!hWnd)
        return 1;

    if (bHang) {
        ::Sleep(INFINITE);
    }
    return fw::RunMessageLoop() == -1 ? 1 : 0;
}
