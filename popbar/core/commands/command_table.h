#pragma once
// What each button press of the menu does: a short list of steps, run in order by the menu dialog.
#include <windows.h>

#include <vector>

enum class CommandStepKind {
    MarkSelected, // the button(s) with nID drawn selected
    MarkNotSelected, // the button(s) with nID drawn not selected
    PostToHub, // nCode and nArgument posted to Screen Hub
    SetDisplayChangeLatch,
    RemoveOutsideClickHook,
    BringMenuToFront,
    InstallOutsideClickHook,
};

struct CommandStep {
    CommandStepKind kind;
    UINT nID = 0;
    WPARAM nCode = 0;
    LPARAM nArgument = 0;

    bool operator==(const CommandStep& other) const
    {
        return kind == other.kind && nID == other.nID && nCode == other.nCode && nArgument == other.nArgument;
    }
};

// The steps for a WM_COMMAND's whole wParam: a notification code in the high word matches no button,
// and ID_RES_NORMAL/ID_RES_HIGH do nothing while the display-change latch is set.
std::vector<CommandStep> CommandSteps(WPARAM wParam, bool bDisplayChangeLatch);
