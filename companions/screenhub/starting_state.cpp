#include "starting_state.h"

HubState StartingState(const HubOptions& options, std::optional<DWORD> savedWord, std::optional<DWORD> savedDisplay,
                       BYTE battery)
{
    HubState state;
    if (const auto word = options.status ? options.status : savedWord)
        state = WithStatusWord(state, *word);
    if (const auto display = options.display ? options.display : savedDisplay)
        state.displayMode = *display;
    state.battery = battery;
    return state;
}
