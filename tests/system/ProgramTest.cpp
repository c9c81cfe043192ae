// The program itself, as a user starts it from the build's program folder with the default skin
// on the headless screen.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/gfx/Surface.h"

namespace {

std::string Program() { return std::string(QX_PROGRAM_DIR) + "qxbrowser"; }

int RunProgram(const std::string& arguments) {
    const int status = std::system((Program() + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ProgramTest, HeadlessItStartsWithTheDefaultSkinWritesTheScreenAndClosesCleanly) {
    char pattern[] = "/tmp/qx-program-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string shot = std::string(pattern) + "/screen.png";

    EXPECT_EQ(RunProgram("--headless --screenshot=" + shot), 0);

    cairo_surface_t* png = cairo_image_surface_create_from_png(shot.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    const auto screen = qx::gfx::Surface::Adopt(png);
    EXPECT_EQ(screen->width(), 1920);
    EXPECT_EQ(screen->height(), 1080);
    // The window at 85 % of the 1920 x 1040 work area: skin inside it, desktop outside.
    const std::uint32_t desktop = screen->Pixel(10, 10);
    EXPECT_EQ(screen->Pixel(143, 500), desktop);
    EXPECT_NE(screen->Pixel(144 + 816, 78 + 17), desktop) << "the title bar";
    EXPECT_NE(screen->Pixel(144 + 816, 78 + 883), desktop) << "the status bar";
    EXPECT_EQ(screen->Pixel(144 + 1632, 500), desktop);
    std::filesystem::remove_all(pattern);
}

TEST(ProgramTest, AnUnknownArgumentOrAScreenshotWithoutHeadlessIsAnError) {
    EXPECT_EQ(RunProgram("--bogus"), 2);
    EXPECT_EQ(RunProgram("--screenshot=/tmp/x.png"), 2);
}

TEST(ProgramTest, AScreenshotThatCannotBeWrittenFailsTheRun) {
    EXPECT_EQ(RunProgram("--headless --screenshot=/nonexistent-folder/screen.png"), 1);
}

}  // namespace
