#include "platform/gfx/AppIcon.h"

#include "PixelCheck.h"

#include <gtest/gtest.h>

namespace qx::gfx {
namespace {

TEST(AppIcon, RoundedSquareWithALeafAtEverySize) {
    for (int size : {16, 32, 48, 256}) {
        SCOPED_TRACE(size);
        const SurfacePtr icon = ApplicationIconImage(size);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->width(), size);
        EXPECT_EQ(icon->height(), size);
        EXPECT_EQ(icon->Pixel(0, 0), 0u);  // transparent outside the rounded corner
        EXPECT_EQ(icon->Pixel(size - 1, size - 1), 0u);
        EXPECT_EQ(icon->Pixel(size / 2, size / 10) >> 24, 0xFFu);  // opaque square
        const std::uint32_t edge = icon->Pixel(size / 2, size / 10);
        EXPECT_GT(edge & 0xFF, (edge >> 16) & 0xFF);  // blue to green, not red
        test::KeepOnFailure(*icon, "app_icon_" + std::to_string(size));
    }
    // The leaf is white across the middle.
    const SurfacePtr big = ApplicationIconImage(256);
    EXPECT_GE(big->Pixel(148, 138) & 0xFFFFFF, 0xF0F0F0u);
    big->WritePng(test::OutputPath("app-icon.png"));
}

TEST(AppIcon, SizesOutsideTheRangeGiveNothing) {
    EXPECT_EQ(ApplicationIconImage(0), nullptr);
    EXPECT_EQ(ApplicationIconImage(-5), nullptr);
    EXPECT_EQ(ApplicationIconImage(5000), nullptr);
    EXPECT_NE(ApplicationIconImage(1), nullptr);
}

}  // namespace
}  // namespace qx::gfx
