#pragma once
// The image and text interface the system's code is written against (GDI+ flat functions), on
// cairo and Pango. Images are premultiplied ARGB32 surfaces; text is laid out with Pango at 96
// dots per inch, so one pixel is one unit of a Graphics (its page unit is the pixel).
// Every call checks its handles: null, stale or wrong pointers give InvalidParameter.

#include "platform/gfx/GdiPlusTypes.h"
#include "platform/gfx/Surface.h"

namespace Gdiplus {

// Start-up and shut-down. The functions below also work without them; they only count users.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);

// Images ---------------------------------------------------------------------------------------

// Loads a PNG file. filename is a system path (backslashes allowed). A file that is not a readable
// PNG (missing, empty, truncated, another format, a folder) gives FileNotFound or
// UnknownImageFormat and *bitmap = null: a bitmap without an image, whose size queries fail.
Status GdipCreateBitmapFromFile(const WCHAR* filename, GpBitmap** bitmap);
// An ARGB bitmap of width x height. scan0 null: all pixels transparent. Otherwise its pixels are
// copied from scan0 (rows of stride bytes; PixelFormat32bppARGB straight alpha,
// PixelFormat32bppPARGB premultiplied, PixelFormat32bppRGB opaque).
Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0, GpBitmap** bitmap);
Status GdipDisposeImage(GpImage* image);
// On failure the size is set to 0.
Status GdipGetImageWidth(GpImage* image, UINT* width);
Status GdipGetImageHeight(GpImage* image, UINT* height);

// Graphics -------------------------------------------------------------------------------------

// Drawing on a device context goes to the context's surface, within its clip, at its origin, as
// they are when the Graphics is made.
Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics);
// Drawing on an image (a bitmap of GdipCreateBitmapFromScan0 or from a file).
Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status GdipDeleteGraphics(GpGraphics* graphics);
// Sets every pixel within the clip to color (straight ARGB), alpha included.
Status GdipGraphicsClear(GpGraphics* graphics, ARGB color);

// The whole image scaled onto (x, y, width, height), blended over what is there.
Status GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width, INT height);
// The source rectangle of the image onto the destination rectangle: at natural size when the
// sizes agree, stretched otherwise (never sampling outside the source rectangle). Only UnitPixel;
// image attributes and the abort callback are not supported and must be null.
Status GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstx, INT dsty, INT dstwidth, INT dstheight,
                              INT srcx, INT srcy, INT srcwidth, INT srcheight, GpUnit srcUnit,
                              const GpImageAttributes* imageAttributes, DrawImageAbort callback, void* callbackData);

// Fonts ----------------------------------------------------------------------------------------

// FontFamilyNotFound when no installed family (or generic alias such as "Sans") has the name.
Status GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* fontCollection, GpFontFamily** fontFamily);
// The generic sans-serif family; always there, and deleting it does nothing.
Status GdipGetGenericFontFamilySansSerif(GpFontFamily** fontFamily);
Status GdipDeleteFontFamily(GpFontFamily* fontFamily);
// emSize in unit (UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter or UnitWorld,
// which is the pixel); style is a combination of FontStyle values.
Status GdipCreateFont(const GpFontFamily* fontFamily, REAL emSize, INT style, Unit unit, GpFont** font);
Status GdipDeleteFont(GpFont* font);
// The line spacing of the font in pixels. graphics may be null.
Status GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height);

// Brushes and string formats -------------------------------------------------------------------

Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
Status GdipDeleteBrush(GpBrush* brush);
// formatAttributes: StringFormatFlags; language is ignored.
Status GdipCreateStringFormat(INT formatAttributes, LANGID language, GpStringFormat** format);
Status GdipDeleteStringFormat(GpStringFormat* format);
Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align);

// Text -----------------------------------------------------------------------------------------
// length is in UTF-16 units, -1 up to the terminator. A layout rectangle with width 0 does not
// wrap, with height 0 does not limit the lines. Text wraps between words, and inside a word
// that is wider than the line.

// Lays the string out in layoutRect. codepointsFitted: the UTF-16 units of the lines that are
// visible (a line counts when it starts inside the rectangle; with StringFormatFlagsLineLimit
// only when it is wholly inside); never splits a surrogate pair. linesFilled: those lines.
// boundingBox: their extent. Any of the three may be null.
Status GdipMeasureString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                         const RectF* layoutRect, const GpStringFormat* stringFormat, RectF* boundingBox,
                         INT* codepointsFitted, INT* linesFilled);
// Draws the string in the brush's colour. With a layout rectangle of zero size, from its corner
// and unclipped; otherwise aligned by the format within it and clipped to it
// (StringFormatFlagsNoClip: not clipped). stringFormat may be null (near alignment).
Status GdipDrawString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                      const RectF* layoutRect, const GpStringFormat* stringFormat, const GpBrush* brush);

}  // namespace Gdiplus

namespace qx::gfx {

// The pixels of an image; null for a pointer that is not a live image with pixels.
SurfacePtr SurfaceOfImage(Gdiplus::GpImage* image);
// How many images, graphics, fonts, families, brushes and formats are alive (leak checks).
std::size_t LiveGdiplusObjectCount();

}  // namespace qx::gfx
