#pragma once
// The basic types of the platform the system's code is written against, with the widths and
// layouts it expects. Wide strings are UTF-16.

#include <cstdint>
#include <string>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = ULONG_PTR;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using HRESULT = std::int32_t;
using ATOM = WORD;

using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
using CString = std::u16string;

// GLib defines these the same way; whichever header comes first wins.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(std::uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr LONG MAKELONG(WORD lo, WORD hi) { return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16)); }
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(lo, hi))); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(lo, hi))); }
// Signed coordinates packed into an LPARAM, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp))); }

struct RECT {
    LONG left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};
struct POINT {
    LONG x = 0, y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};
struct SIZE {
    LONG cx = 0, cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

// Handles are opaque: distinct pointer types whose values are ids in a table of their owner.
#define QX_DECLARE_HANDLE(name) \
    struct name##__ { int unused; }; \
    using name = name##__*
QX_DECLARE_HANDLE(HWND);
QX_DECLARE_HANDLE(HDC);
QX_DECLARE_HANDLE(HBRUSH);
QX_DECLARE_HANDLE(HFONT);
QX_DECLARE_HANDLE(HBITMAP);
QX_DECLARE_HANDLE(HICON);
QX_DECLARE_HANDLE(HMENU);
QX_DECLARE_HANDLE(HINSTANCE);
QX_DECLARE_HANDLE(HDWP);
QX_DECLARE_HANDLE(HCURSOR);
QX_DECLARE_HANDLE(HRGN);
using HMODULE = HINSTANCE;
using HGDIOBJ = void*;
using HANDLE = void*;
using FARPROC = void (*)();

// Handle <-> id, for the tables that own the handles.
template <typename H>
constexpr H HandleFromId(std::uintptr_t id) { return reinterpret_cast<H>(id); }
template <typename H>
inline std::uintptr_t IdFromHandle(H h) { return reinterpret_cast<std::uintptr_t>(h); }
