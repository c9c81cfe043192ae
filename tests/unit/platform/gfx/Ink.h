#pragma once
// Where something was drawn: the bounding box of the pixels that differ from a background value.

#include "platform/base/WinTypes.h"
#include "platform/gfx/Surface.h"

#include <algorithm>
#include <cstdint>

namespace qx::gfx::test {

// Empty (all 0) when every pixel equals background.
inline RECT InkBounds(const Surface& surface, std::uint32_t background = 0) {
    RECT box{surface.width(), surface.height(), 0, 0};
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.Pixel(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.right == 0 ? RECT{} : box;
}

inline int CountPixels(const Surface& surface, std::uint32_t value) {
    int count = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) count += surface.Pixel(x, y) == value;
    return count;
}

}  // namespace qx::gfx::test
