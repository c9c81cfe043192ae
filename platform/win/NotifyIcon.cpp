// The notification area: icons keyed by window and id, and a log of every call.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

struct NotifyArea {
    std::vector<NOTIFYICONDATAW> icons;
    std::vector<NotifyIconCall> log;
};

NotifyArea& Area() {
    static NotifyArea area;
    return area;
}

auto FindIcon(std::vector<NOTIFYICONDATAW>& icons, const NOTIFYICONDATAW& key) {
    return std::find_if(icons.begin(), icons.end(),
                        [&](const NOTIFYICONDATAW& icon) { return icon.hWnd == key.hWnd && icon.uID == key.uID; });
}

// NIM_MODIFY changes only the members its flags name.
void Merge(NOTIFYICONDATAW& icon, const NOTIFYICONDATAW& change) {
    if (change.uFlags & NIF_MESSAGE) icon.uCallbackMessage = change.uCallbackMessage;
    if (change.uFlags & NIF_ICON) icon.hIcon = change.hIcon;
    if (change.uFlags & NIF_TIP) std::copy(std::begin(change.szTip), std::end(change.szTip), std::begin(icon.szTip));
    icon.uFlags |= change.uFlags;
}

BOOL Apply(DWORD message, const NOTIFYICONDATAW& data) {
    std::vector<NOTIFYICONDATAW>& icons = Area().icons;
    auto it = FindIcon(icons, data);
    switch (message) {
    case NIM_ADD:
        if (it != icons.end() || !Find(data.hWnd)) return FALSE;
        icons.push_back(data);
        return TRUE;
    case NIM_MODIFY:
        if (it == icons.end()) return FALSE;
        Merge(*it, data);
        return TRUE;
    case NIM_DELETE:
        if (it == icons.end()) return FALSE;
        icons.erase(it);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void qx::win::ResetNotifyIcons() { Area() = NotifyArea{}; }

const std::vector<NotifyIconCall>& qx::win::NotifyIconLog() { return Area().log; }

std::vector<NOTIFYICONDATAW> qx::win::CurrentNotifyIcons() { return Area().icons; }

BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    if (!data) return FALSE;
    BOOL result = Apply(message, *data);
    Area().log.push_back({message, *data, result});
    return result;
}
