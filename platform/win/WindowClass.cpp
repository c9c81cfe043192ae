#include "platform/win/WindowClass.h"

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

namespace qx::win {

std::u16string ClassRegistry::Key(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return key;
}

ATOM ClassRegistry::Register(const WNDCLASSEXW& wndClass) {
    if (!wndClass.lpfnWndProc || !wndClass.lpszClassName || IS_INTRESOURCE(wndClass.lpszClassName) ||
        !*wndClass.lpszClassName || wndClass.cbWndExtra < 0 || wndClass.cbClsExtra < 0) {
        return 0;
    }
    std::u16string key = Key(wndClass.lpszClassName);
    if (m_classes.count(key)) return 0;
    auto record = std::make_unique<WindowClass>();
    record->name = wndClass.lpszClassName;
    record->atom = m_nextAtom++;
    record->style = wndClass.style;
    record->proc = wndClass.lpfnWndProc;
    record->classExtraBytes = wndClass.cbClsExtra;
    record->windowExtraBytes = wndClass.cbWndExtra;
    record->instance = wndClass.hInstance;
    record->icon = wndClass.hIcon;
    record->cursor = wndClass.hCursor;
    record->background = wndClass.hbrBackground;
    ATOM atom = record->atom;
    m_classes.emplace(std::move(key), std::move(record));
    return atom;
}

bool ClassRegistry::Unregister(LPCWSTR name) {
    WindowClass* record = Find(name);
    if (!record || record->liveWindows > 0) return false;
    m_classes.erase(Key(record->name));
    return true;
}

WindowClass* ClassRegistry::Find(LPCWSTR nameOrAtom) {
    if (!nameOrAtom) return nullptr;
    if (IS_INTRESOURCE(nameOrAtom)) {
        auto atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(nameOrAtom));
        for (auto& [key, record] : m_classes) {
            if (record->atom == atom) return record.get();
        }
        return nullptr;
    }
    auto it = m_classes.find(Key(nameOrAtom));
    return it == m_classes.end() ? nullptr : it->second.get();
}

}  // namespace qx::win

using qx::win::State;

ATOM RegisterClassExW(const WNDCLASSEXW* wndClass) {
    return wndClass ? State().classes.Register(*wndClass) : 0;
}

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
    if (!wndClass) return 0;
    WNDCLASSEXW ex;
    ex.style = wndClass->style;
    ex.lpfnWndProc = wndClass->lpfnWndProc;
    ex.cbClsExtra = wndClass->cbClsExtra;
    ex.cbWndExtra = wndClass->cbWndExtra;
    ex.hInstance = wndClass->hInstance;
    ex.hIcon = wndClass->hIcon;
    ex.hCursor = wndClass->hCursor;
    ex.hbrBackground = wndClass->hbrBackground;
    ex.lpszMenuName = wndClass->lpszMenuName;
    ex.lpszClassName = wndClass->lpszClassName;
    return State().classes.Register(ex);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    return State().classes.Unregister(className) ? TRUE : FALSE;
}

BOOL GetClassInfoW(HINSTANCE, LPCWSTR className, WNDCLASSW* wndClass) {
    const qx::win::WindowClass* record = State().classes.Find(className);
    if (!record || !wndClass) return FALSE;
    wndClass->style = record->style;
    wndClass->lpfnWndProc = record->proc;
    wndClass->cbClsExtra = record->classExtraBytes;
    wndClass->cbWndExtra = record->windowExtraBytes;
    wndClass->hInstance = record->instance;
    wndClass->hIcon = record->icon;
    wndClass->hCursor = record->cursor;
    wndClass->hbrBackground = record->background;
    wndClass->lpszMenuName = nullptr;
    wndClass->lpszClassName = record->name.c_str();
    return TRUE;
}

int GetClassNameW(HWND hwnd, LPWSTR className, int maxCount) {
    const qx::win::Window* window = qx::win::Find(hwnd);
    if (!window || !className || maxCount <= 0) return 0;
    const std::u16string& name = window->windowClass->name;
    int count = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
    std::copy_n(name.begin(), count, className);
    className[count] = 0;
    return count;
}
