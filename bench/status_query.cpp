#include "status_query.h"

#include "bench_clock.h"
#include "protocol/screen_hub.h"

namespace {

// As the menu waits for the answer.
constexpr UINT kQueryTimeoutMs = 3000;

} // namespace

std::optional<StatusAnswer> TimeStatusQuery()
{
    const LONGLONG start = bench::Now();
    const HWND hWndHub = ::FindWindowW(nullptr, kScreenHubTitle);
    DWORD_PTR status = 0;
    const bool bAnswered = hWndHub && ::SendMessageTimeoutW(hWndHub, MSG_HUBCMD, HUBCMD_QUERYSTATUS, 0,
                                                            SMTO_ABORTIFHUNG, kQueryTimeoutMs, &status);
    const LONGLONG end = bench::Now();
    if (!bAnswered)
        return std::nullopt;
    return StatusAnswer{static_cast<DWORD>(status), bench::Milliseconds(end - start)};
}
