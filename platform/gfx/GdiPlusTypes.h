#pragma once
// The types, status codes and constants of the image and text interface (GDI+ flat functions),
// with the values the system's code expects. Everything lives in namespace Gdiplus.

#include "platform/base/WinTypes.h"

namespace Gdiplus {

using REAL = float;
using INT = int;
using UINT32 = std::uint32_t;
using ARGB = DWORD;
using PixelFormat = INT;
using LANGID = WORD;

enum Status {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};
using GpStatus = Status;

enum Unit {
    UnitWorld = 0,
    UnitDisplay = 1,
    UnitPixel = 2,
    UnitPoint = 3,
    UnitInch = 4,
    UnitDocument = 5,
    UnitMillimeter = 6,
};
using GpUnit = Unit;

enum FontStyle {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};

enum StringAlignment {
    StringAlignmentNear = 0,
    StringAlignmentCenter = 1,
    StringAlignmentFar = 2,
};

enum StringFormatFlags {
    StringFormatFlagsNoWrap = 0x00001000,
    StringFormatFlagsLineLimit = 0x00002000,
    StringFormatFlagsNoClip = 0x00004000,
};

constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

struct RectF {
    REAL X = 0;
    REAL Y = 0;
    REAL Width = 0;
    REAL Height = 0;
};

using DebugEventProc = void (*)(int level, char* message);
using DrawImageAbort = BOOL (*)(void* data);

struct GdiplusStartupInput {
    UINT32 GdiplusVersion = 1;
    DebugEventProc DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
    void* NotificationHook = nullptr;
    void* NotificationUnhook = nullptr;
};

// Opaque object types. Their pointers are handles: ids in a table that are never reused, so a
// pointer to a deleted object makes a call fail with InvalidParameter instead of touching memory.
struct GpImage { int unused; };
struct GpBitmap : GpImage {};
struct GpGraphics { int unused; };
struct GpFontFamily { int unused; };
struct GpFontCollection { int unused; };
struct GpFont { int unused; };
struct GpBrush { int unused; };
struct GpSolidFill : GpBrush {};
struct GpStringFormat { int unused; };
struct GpImageAttributes { int unused; };

}  // namespace Gdiplus
