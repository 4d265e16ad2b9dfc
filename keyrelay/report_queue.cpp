#include "report_queue.h"

namespace keyrelay {

bool CReportQueue::Push(const QueuedKey& key)
{
    const bool bRoom = m_keys.size() < kCapacity;
    if (!bRoom)
        m_keys.pop_front();
    m_keys.push_back(key);
    return bRoom;
}

std::optional<QueuedKey> CReportQueue::Pop()
{
    if (m_keys.empty())
        return std::nullopt;
    const QueuedKey key = m_keys.front();
    m_keys.pop_front();
    return key;
}

} // namespace keyrelay
