#include "setup_worker.h"

#include "command_list.h"
#include "command_runner.h"
#include "macro_sources.h"
#include "mode.h"
#include "program_path.h"
#include "setup_run.h"

#include <memory>

namespace {

constexpr DWORD kIniValueChars = 260;
constexpr DWORD kFinalPauseMs = 1000;

} // namespace

DWORD WINAPI SetupWorker(LPVOID pParam)
{
    const std::unique_ptr<std::shared_ptr<CSetupRun>> owned(static_cast<std::shared_ptr<CSetupRun>*>(pParam));
    CSetupRun& run = **owned;

    const std::string infix = CommandLineInfix(ArgumentsOf(::GetCommandLineA()));
    const ModulePath module = SplitModulePath(fw::OwnProgramPathAnsi());
    // Every command starts in the program's own folder.
    ::SetCurrentDirectoryA(module.folder.c_str());
    const std::string iniPath = IniPathFor(module);
    const char* pszSection = IsUserMode() ? "UserMode" : "FactoryMode";
    const MacroValues values = GatherMacroValues(module.folder);

    const std::vector<std::string> commands = ReadCommandList(
        infix,
        [&](const std::string& key) {
            char value[kIniValueChars] = {};
            const DWORD n =
                ::GetPrivateProfileStringA(pszSection, key.c_str(), nullptr, value, kIniValueChars, iniPath.c_str());
            return std::string(value, n);
        },
        values);

    RunCommandList(commands, run.m_stop, StartCommand);
    if (run.m_stop.Requested() || run.m_nFinished != 0)
        return 0;
    ::PostMessageA(run.m_hWndDialog, WM_SETUP_DONE, 0, 0);
    ::WaitForSingleObject(run.m_stop.Event(), kFinalPauseMs);
    return 0;
}
