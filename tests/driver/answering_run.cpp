#include "answering_run.h"

#include "process.h"
#include "wait.h"
#include "window_query.h"

namespace driver {

AnsweredRun RunAnsweringMessageBoxes(const std::wstring& program, const std::wstring& arguments, DWORD nTimeoutMs)
{
    AnsweredRun run;
    ChildProcess child;
    run.started = child.Start(program, arguments);
    if (!run.started) {
        run.nStartError = ::GetLastError();
        return run;
    }
    const ULONGLONG deadline = ::GetTickCount64() + Deadline(nTimeoutMs);
    while (::GetTickCount64() < deadline) {
        if ((run.exitCode = child.WaitForExit(50)))
            return run;
        const MessageBoxInfo box = WaitForMessageBox(child.Id(), 200);
        if (box.hWnd) {
            run.boxes.push_back({box.caption, box.text, box.hasWarningIcon});
            PressOk(box.hWnd);
        }
    }
    return run;
}

} // namespace driver
