#pragma once
// The thread's queue of posted messages (input included) and its quit flag. Generated messages
// (WM_PAINT, WM_TIMER, WM_MOUSEHOVER) are not stored here; the message loop makes them when
// this queue has nothing for the caller.

#include "platform/win/WinUser.h"

#include <deque>
#include <functional>

namespace qx::win {

struct QueuedMessage {
    MSG msg;
    char16_t keyCharacter = 0;  // for WM_KEYDOWN: what TranslateMessage turns it into
};

class MessageQueue {
public:
    void Post(const MSG& msg, char16_t keyCharacter = 0);
    // Ahead of everything posted: the character of a key just taken goes before later input.
    void PostFront(const MSG& msg);
    // The first message that matches; taken off the queue when remove.
    bool Take(const std::function<bool(const MSG&)>& matches, bool remove, QueuedMessage& out);
    bool Empty() const { return m_posted.empty(); }
    // Drops every message for a window that is going away.
    void RemoveFor(HWND hwnd);

    void PostQuit(int exitCode);
    bool QuitPending() const { return m_quitPending; }
    int QuitCode() const { return m_quitCode; }
    void ClearQuit() { m_quitPending = false; }

    void Clear();

private:
    std::deque<QueuedMessage> m_posted;
    bool m_quitPending = false;
    int m_quitCode = 0;
};

}  // namespace qx::win
