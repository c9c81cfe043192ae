// Message boxes are the backend's to show and answer.

#include "platform/win/WindowSystem.h"

using namespace qx::win;

namespace {

// The buttons a type offers, so an answer outside them can be refused.
bool Offers(UINT type, int answer) {
    switch (type & MB_TYPEMASK) {
    case MB_OK: return answer == IDOK;
    case MB_OKCANCEL: return answer == IDOK || answer == IDCANCEL;
    case MB_ABORTRETRYIGNORE: return answer == IDABORT || answer == IDRETRY || answer == IDIGNORE;
    case MB_YESNOCANCEL: return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_YESNO: return answer == IDYES || answer == IDNO;
    case MB_RETRYCANCEL: return answer == IDRETRY || answer == IDCANCEL;
    default: return false;
    }
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (owner && !Find(owner)) owner = nullptr;
    // The real system's caption when none is given.
    std::u16string title = caption ? std::u16string(caption) : std::u16string(u"Error");
    int answer = TheBackend().ShowMessageBox(owner, text ? std::u16string(text) : std::u16string(), title, type);
    if (Offers(type, answer)) return answer;
    // A box closed without a button answers cancel where it has one, else its first button.
    switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
    }
}
