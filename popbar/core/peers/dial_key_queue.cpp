#include "peers/dial_key_queue.h"

DialKeyQueue::Outcome DialKeyQueue::Press(const DialKeyPress& press)
{
    if (!m_bRunning) {
        m_bRunning = true;
        return Outcome::RunNow;
    }
    if (m_waiting.size() >= kMostWaiting)
        return Outcome::Dropped;
    m_waiting.push_back(press);
    return Outcome::Waits;
}

std::optional<DialKeyPress> DialKeyQueue::Done()
{
    if (m_waiting.empty()) {
        m_bRunning = false;
        return std::nullopt;
    }
    const DialKeyPress next = m_waiting.front();
    m_waiting.pop_front();
    return next;
}
