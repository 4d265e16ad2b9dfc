#include "commands/command_table.h"

namespace {

CommandStep Mark(UINT nID)
{
    return {CommandStepKind::MarkSelected, nID};
}

CommandStep Unmark(UINT nID)
{
    return {CommandStepKind::MarkNotSelected, nID};
}

CommandStep Post(WPARAM nCode, LPARAM nArgument)
{
    return {CommandStepKind::PostToHub, 0, nCode, nArgument};
}

CommandStep Do(CommandStepKind kind)
{
    return {kind};
}

// The two display-resolution buttons ask Screen Hub once per display change.
std::vector<CommandStep> ResolutionSteps(WPARAM nCode, bool bDisplayChangeLatch)
{
    if (bDisplayChangeLatch)
        return {};
    return {Do(CommandStepKind::SetDisplayChangeLatch), Post(nCode, 0)};
}

} // namespace

std::vector<CommandStep> CommandSteps(WPARAM wParam, bool bDisplayChangeLatch)
{
    switch (wParam) {
    case 100:
        return {Mark(100), Post(8, 0)};
    case 101:
        return {Post(7, 0), Mark(101)};
    case 102:
        return {Post(2, 0)};
    case 103:
        return {Post(1, 0)};
    case 104:
        return {Do(CommandStepKind::RemoveOutsideClickHook), Mark(104), Unmark(105), Post(45, 1)};
    case 105:
        // The hook is armed last, with the menu in front, so the user's next click anywhere ends the mode.
        return {Do(CommandStepKind::RemoveOutsideClickHook), Post(45, 0), Mark(105), Unmark(104),
                Do(CommandStepKind::BringMenuToFront), Do(CommandStepKind::InstallOutsideClickHook)};
    case 106:
        return {Mark(106), Unmark(107), Post(43, 1)};
    case 107:
        return {Mark(107), Unmark(106), Post(43, 0)};
    case 108:
        return {Mark(108), Unmark(109), Post(47, 0)};
    case 109:
        return {Mark(109), Unmark(108), Post(47, 1)};
    case 110:
        return {Post(46, 1), Mark(110), Unmark(111)};
    case 111:
        return {Post(46, 0), Mark(111), Unmark(110)};
    case 112:
        return ResolutionSteps(17, bDisplayChangeLatch);
    case 113:
        return ResolutionSteps(42, bDisplayChangeLatch);
    default:
        return {};
    }
}
