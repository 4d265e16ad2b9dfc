#pragma once
// The key records waiting to be sent to the owner window, oldest first, in a bounded queue.
#include <windows.h>

#include <cstddef>
#include <deque>
#include <optional>

namespace keyrelay {

struct QueuedKey {
    WPARAM nKeyMessage; // WM_KEYDOWN or WM_KEYUP
    KBDLLHOOKSTRUCT record;
};

// Not locked: its user holds the lock. When full, the oldest record goes: an owner that was stuck
// for long learns of the user's latest keys, not of presses from long ago.
class CReportQueue {
public:
    static constexpr std::size_t kCapacity = 32;

    // False when the oldest record had to make room.
    bool Push(const QueuedKey& key);
    std::optional<QueuedKey> Pop();
    void Clear() { m_keys.clear(); }
    bool IsEmpty() const { return m_keys.empty(); }

private:
    std::deque<QueuedKey> m_keys;
};

} // namespace keyrelay
