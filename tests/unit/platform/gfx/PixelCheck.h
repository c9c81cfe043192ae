#pragma once
// Pixel checks on tiny surfaces. An expected image is drawn as text, one character a pixel,
// with a palette of premultiplied ARGB values; on a mismatch both images are written as PNG
// into the test's build folder (<name>.expected.png and <name>.actual.png).

#include "platform/gfx/Surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qx::gfx::test {

using Palette = std::map<char, std::uint32_t>;
using Picture = std::vector<std::string>;

inline std::string OutputPath(const std::string& file) { return std::string(QX_GFX_TEST_OUTPUT) + "/" + file; }

// A surface holding the picture's pixels.
inline SurfacePtr SurfaceOfPicture(const Picture& picture, const Palette& palette) {
    const int height = static_cast<int>(picture.size());
    const int width = height ? static_cast<int>(picture[0].size()) : 0;
    auto surface = std::make_shared<Surface>(width, height);
    cairo_surface_flush(surface->cairo());
    unsigned char* data = cairo_image_surface_get_data(surface->cairo());
    const int stride = cairo_image_surface_get_stride(surface->cairo());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4) = palette.at(picture[y][x]);
    cairo_surface_mark_dirty(surface->cairo());
    return surface;
}

inline ::testing::AssertionResult MatchesPicture(const Surface& actual, const Picture& expected, const Palette& palette,
                                                 const std::string& name) {
    const int height = static_cast<int>(expected.size());
    const int width = height ? static_cast<int>(expected[0].size()) : 0;
    std::ostringstream problems;
    if (actual.width() != width || actual.height() != height) {
        problems << "size " << actual.width() << "x" << actual.height() << ", expected " << width << "x" << height;
    } else {
        int shown = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t want = palette.at(expected[y][x]);
                const std::uint32_t got = actual.Pixel(x, y);
                if (got != want && shown++ < 8)
                    problems << "(" << x << "," << y << ") is 0x" << std::hex << got << " not 0x" << want << std::dec << "; ";
            }
        }
    }
    if (problems.str().empty()) return ::testing::AssertionSuccess();
    SurfaceOfPicture(expected, palette)->WritePng(OutputPath(name + ".expected.png"));
    actual.WritePng(OutputPath(name + ".actual.png"));
    return ::testing::AssertionFailure() << name << ": " << problems.str() << " (images in " << QX_GFX_TEST_OUTPUT << ")";
}

// Writes the actual image when a check on it fails, for checks that are not whole pictures.
inline void KeepOnFailure(const Surface& actual, const std::string& name) {
    if (::testing::Test::HasFailure()) actual.WritePng(OutputPath(name + ".actual.png"));
}

}  // namespace qx::gfx::test
