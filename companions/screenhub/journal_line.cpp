#include "journal_line.h"

#include "protocol/screen_hub.h"

std::string JournalLine(JournalDirection direction, ULONGLONG timeMs, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::string line = direction == JournalDirection::Out ? "out " : "";
    line += std::to_string(timeMs) + " " + std::to_string(message) + " " + std::to_string(wParam) + " " +
            std::to_string(static_cast<long long>(lParam)) + "\r\n";
    return line;
}

bool IsJournaled(UINT message)
{
    return message == MSG_MENUOPENED || message == MSG_MENUKEYAGAIN || (message >= WM_USER && message < 0xC000);
}
