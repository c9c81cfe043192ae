#include "platform/win/MessageQueue.h"

#include <algorithm>

namespace qx::win {

void MessageQueue::Post(const MSG& msg, char16_t keyCharacter) {
    m_posted.push_back({msg, keyCharacter});
}

void MessageQueue::PostFront(const MSG& msg) { m_posted.push_front({msg, 0}); }

bool MessageQueue::Take(const std::function<bool(const MSG&)>& matches, bool remove, QueuedMessage& out) {
    for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
        if (!matches(it->msg)) continue;
        out = *it;
        if (remove) m_posted.erase(it);
        return true;
    }
    return false;
}

void MessageQueue::RemoveFor(HWND hwnd) {
    std::erase_if(m_posted, [hwnd](const QueuedMessage& q) { return q.msg.hwnd == hwnd; });
}

void MessageQueue::PostQuit(int exitCode) {
    m_quitPending = true;
    m_quitCode = exitCode;
}

void MessageQueue::Clear() {
    m_posted.clear();
    m_quitPending = false;
    m_quitCode = 0;
}

}  // namespace qx::win
