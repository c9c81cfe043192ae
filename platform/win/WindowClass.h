#pragma once
// The registered window classes, by case-insensitive name.

#include "platform/win/WinUser.h"

#include <map>
#include <memory>
#include <string>

namespace qx::win {

struct WindowClass {
    std::u16string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtraBytes = 0;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    int liveWindows = 0;
};

class ClassRegistry {
public:
    // The new class's atom; 0 when the name is taken or the record is incomplete.
    ATOM Register(const WNDCLASSEXW& wndClass);
    bool Unregister(LPCWSTR name);
    // Takes a name or an atom (MAKEINTRESOURCEW(atom)).
    WindowClass* Find(LPCWSTR nameOrAtom);
    // After the window system dropped every window: no class is in use any more.
    void ForgetWindows() {
        for (auto& entry : m_classes) entry.second->liveWindows = 0;
    }

private:
    static std::u16string Key(std::u16string_view name);
    std::map<std::u16string, std::unique_ptr<WindowClass>> m_classes;
    ATOM m_nextAtom = 0xC000;
};

}  // namespace qx::win
