#include "commands/command_table.h"

#include "protocol/menu.h"
#include "protocol/screen_hub.h"

namespace {

// Whether a button's looks change before its command goes to Screen Hub or after it.
enum class Looks { BeforePost, AfterPost };

// What a button does besides its command and its looks.
enum class Extra {
    None,
    OutsideClickOff, // the outside-click hook goes first
    OutsideClickOn, // the hook goes first, and is armed last with the menu in front
    OncePerDisplayChange, // nothing while the display-change latch is set; sets it
};

struct Command {
    UINT nID;
    WPARAM nCode;
    LPARAM nArgument;
    UINT nLit; // drawn selected; 0 for none
    UINT nUnlit; // drawn not selected; 0 for none
    Looks looks;
    Extra extra;
};

constexpr LPARAM kNone = 0;

constexpr Command kCommands[] = {
    // id               code                argument      lit                unlit              looks
    {ID_DARKER,         HUBCMD_DARKER,      kNone,        ID_DARKER,         0,                 Looks::BeforePost, Extra::None},
    {ID_BRIGHTER,       HUBCMD_BRIGHTER,    kNone,        ID_BRIGHTER,       0,                 Looks::AfterPost,  Extra::None},
    {ID_BATTERY,        HUBCMD_BATTERY,     kNone,        0,                 0,                 Looks::AfterPost,  Extra::None},
    {ID_DISPLAYMODE,    HUBCMD_DISPLAYMODE, kNone,        0,                 0,                 Looks::AfterPost,  Extra::None},
    {ID_SCREEN_ON,      HUBCMD_SCREEN,      SWITCH_ON,    ID_SCREEN_ON,      ID_SCREEN_OFF,     Looks::BeforePost, Extra::OutsideClickOff},
    {ID_SCREEN_OFF,     HUBCMD_SCREEN,      SWITCH_OFF,   ID_SCREEN_OFF,     ID_SCREEN_ON,      Looks::AfterPost,  Extra::OutsideClickOn},
    {ID_WIRED_LAN_ON,   HUBCMD_WIRED_LAN,   SWITCH_ON,    ID_WIRED_LAN_ON,   ID_WIRED_LAN_OFF,  Looks::BeforePost, Extra::None},
    {ID_WIRED_LAN_OFF,  HUBCMD_WIRED_LAN,   SWITCH_OFF,   ID_WIRED_LAN_OFF,  ID_WIRED_LAN_ON,   Looks::BeforePost, Extra::None},
    {ID_BLUETOOTH_ON,   HUBCMD_BLUETOOTH,   BLUETOOTH_ON, ID_BLUETOOTH_ON,   ID_BLUETOOTH_OFF,  Looks::BeforePost, Extra::None},
    {ID_BLUETOOTH_OFF,  HUBCMD_BLUETOOTH,   BLUETOOTH_OFF, ID_BLUETOOTH_OFF, ID_BLUETOOTH_ON,   Looks::BeforePost, Extra::None},
    {ID_WIRELESS_ON,    HUBCMD_WIRELESS,    SWITCH_ON,    ID_WIRELESS_ON,    ID_WIRELESS_OFF,   Looks::AfterPost,  Extra::None},
    {ID_WIRELESS_OFF,   HUBCMD_WIRELESS,    SWITCH_OFF,   ID_WIRELESS_OFF,   ID_WIRELESS_ON,    Looks::AfterPost,  Extra::None},
    {ID_RES_NORMAL,     HUBCMD_RES_NORMAL,  kNone,        0,                 0,                 Looks::AfterPost,  Extra::OncePerDisplayChange},
    {ID_RES_HIGH,       HUBCMD_RES_HIGH,    kNone,        0,                 0,                 Looks::AfterPost,  Extra::OncePerDisplayChange},
};

void AddLooks(std::vector<CommandStep>& steps, const Command& command)
{
    if (command.nLit)
        steps.push_back({CommandStepKind::MarkSelected, command.nLit});
    if (command.nUnlit)
        steps.push_back({CommandStepKind::MarkNotSelected, command.nUnlit});
}

std::vector<CommandStep> StepsOf(const Command& command, bool bDisplayChangeLatch)
{
    std::vector<CommandStep> steps;
    switch (command.extra) {
    case Extra::OncePerDisplayChange:
        if (bDisplayChangeLatch)
            return steps;
        steps.push_back({CommandStepKind::SetDisplayChangeLatch});
        break;
    case Extra::OutsideClickOff:
    case Extra::OutsideClickOn:
        // Removed before it is armed again: two presses leave one hook.
        steps.push_back({CommandStepKind::RemoveOutsideClickHook});
        break;
    case Extra::None:
        break;
    }
    if (command.looks == Looks::BeforePost)
        AddLooks(steps, command);
    steps.push_back({CommandStepKind::PostToHub, 0, command.nCode, command.nArgument});
    if (command.looks == Looks::AfterPost)
        AddLooks(steps, command);
    if (command.extra == Extra::OutsideClickOn) {
        // Armed last, with the menu in front, so the user's next click anywhere ends the mode.
        steps.push_back({CommandStepKind::BringMenuToFront});
        steps.push_back({CommandStepKind::InstallOutsideClickHook});
    }
    return steps;
}

} // namespace

std::vector<CommandStep> CommandSteps(WPARAM wParam, bool bDisplayChangeLatch)
{
    for (const Command& command : kCommands) {
        if (command.nID == wParam)
            return StepsOf(command, bDisplayChangeLatch);
    }
    return {};
}
