#include "open_profile.h"

#include "published_block.h"

namespace fw {

namespace {

constexpr wchar_t kBlockPrefix[] = L"CorvaleOpenProfile";

} // namespace

#ifdef CORVALE_OPEN_PROFILE
namespace {

OpenProfile* Published()
{
    static OpenProfile* const s_pProfile = PublishOwnBlock<OpenProfile>(kBlockPrefix);
    return s_pProfile;
}

} // namespace

void MarkOpenStep(OpenStep step)
{
    OpenProfile* pProfile = Published();
    if (!pProfile)
        return;
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    if (step == OpenStep::KeyIn) {
        for (LONGLONG& mark : pProfile->marks)
            mark = 0;
        ::InterlockedIncrement(&pProfile->nOpenings);
    }
    pProfile->marks[static_cast<int>(step)] = now.QuadPart;
}

void CountLoopMessage()
{
    if (OpenProfile* pProfile = Published())
        ::InterlockedIncrement(&pProfile->nLoopMessages);
}
#endif

std::optional<OpenProfile> ReadOpenProfile(DWORD nProcessId)
{
    return ReadPublishedBlock<OpenProfile>(kBlockPrefix, nProcessId);
}

} // namespace fw
