#pragma once
// A fixture for window-system tests: the headless backend, a fresh window system, and a window
// class whose procedure logs every message and lets a test answer any message itself.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowRecords.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace qx::win::test {

struct Logged {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Answers a message instead of DefWindowProcW; nullopt passes it on.
using Handler = std::function<std::optional<LRESULT>(HWND, WPARAM, LPARAM)>;

class WindowTest : public ::testing::Test {
protected:
    static constexpr const char16_t* kClass = u"QxTestWindow";
    static constexpr const char16_t* kDoubleClickClass = u"QxTestDoubleClicks";

    WindowTest() {
        s_current = this;
        RegisterOnce(kClass, 0);
        RegisterOnce(kDoubleClickClass, CS_DBLCLKS);
    }
    ~WindowTest() override { s_current = nullptr; }

    HWND Create(DWORD style, RECT rect, HWND parent = nullptr, UINT id = 0, DWORD exStyle = 0,
                const char16_t* className = kClass, const char16_t* text = u"") {
        return CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               nullptr, nullptr);
    }
    HWND CreatePopup(RECT rect, HWND owner = nullptr, DWORD exStyle = 0) {
        return Create(WS_POPUP | WS_VISIBLE, rect, owner, 0, exStyle);
    }
    HWND CreateChild(HWND parent, RECT rect, UINT id = 0, const char16_t* className = kClass) {
        return Create(WS_CHILD | WS_VISIBLE, rect, parent, id, 0, className);
    }

    void On(HWND hwnd, UINT message, Handler handler) { m_handlers[{hwnd, message}] = std::move(handler); }
    // For every window of the test class, also those not made yet.
    void OnAny(UINT message, Handler handler) { m_handlers[{nullptr, message}] = std::move(handler); }

    // The messages of one kind a window received, in order.
    std::vector<Logged> Received(HWND hwnd, UINT message) const {
        std::vector<Logged> found;
        for (const Logged& entry : m_log) {
            if (entry.hwnd == hwnd && entry.message == message) found.push_back(entry);
        }
        return found;
    }
    int Count(HWND hwnd, UINT message) const { return static_cast<int>(Received(hwnd, message).size()); }
    // The messages among those of interest, in the order they arrived, as (window, message).
    std::vector<std::pair<HWND, UINT>> Sequence(const std::vector<UINT>& interesting) const {
        std::vector<std::pair<HWND, UINT>> found;
        for (const Logged& entry : m_log) {
            for (UINT message : interesting) {
                if (entry.message == message) found.emplace_back(entry.hwnd, entry.message);
            }
        }
        return found;
    }
    void ClearLog() { m_log.clear(); }

    qx::backend::HeadlessBackend backend;
    WindowSystemScope scope{backend};

private:
    static void RegisterOnce(const char16_t* name, UINT style) {
        WNDCLASSW wc;
        wc.style = style;
        wc.lpfnWndProc = &Procedure;
        wc.lpszClassName = name;
        RegisterClassW(&wc);  // classes outlive each test; a second registration just fails
    }

    static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        WindowTest* test = s_current;
        if (!test) return DefWindowProcW(hwnd, message, wParam, lParam);
        test->m_log.push_back({hwnd, message, wParam, lParam});
        auto it = test->m_handlers.find({hwnd, message});
        if (it == test->m_handlers.end()) it = test->m_handlers.find({nullptr, message});
        if (it != test->m_handlers.end()) {
            Handler handler = it->second;  // a handler may replace itself
            if (std::optional<LRESULT> answer = handler(hwnd, wParam, lParam)) return *answer;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    static inline WindowTest* s_current = nullptr;
    std::vector<Logged> m_log;
    std::map<std::pair<HWND, UINT>, Handler> m_handlers;
};

inline POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

inline POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace qx::win::test
