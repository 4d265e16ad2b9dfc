#include "status_query.h"

#include "bench_clock.h"

namespace {

constexpr UINT kHubCommandMessage = 2225; // MSG_HUBCMD
constexpr WPARAM kQueryStatusCode = 19;
constexpr UINT kQueryTimeoutMs = 3000;

} // namespace

std::optional<StatusAnswer> TimeStatusQuery()
{
    const LONGLONG start = bench::Now();
    const HWND hWndHub = ::FindWindowW(nullptr, L"-Screen Hub-");
    DWORD_PTR status = 0;
    const bool bAnswered = hWndHub && ::SendMessageTimeoutW(hWndHub, kHubCommandMessage, kQueryStatusCode, 0,
                                                            SMTO_ABORTIFHUNG, kQueryTimeoutMs, &status);
    const LONGLONG end = bench::Now();
    if (!bAnswered)
        return std::nullopt;
    return StatusAnswer{static_cast<DWORD>(status), bench::Milliseconds(end - start)};
}
