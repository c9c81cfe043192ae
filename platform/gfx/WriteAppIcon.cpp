// Writes the application icon as a PNG: qx_write_app_icon <file> [size, default 256]. The icon
// in docs/ is made with it.

#include "platform/gfx/AppIcon.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.png> [size]\n", argv[0]);
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 256;
    const qx::gfx::SurfacePtr icon = qx::gfx::ApplicationIconImage(size);
    if (!icon || !icon->WritePng(argv[1])) {
        std::fprintf(stderr, "could not write %s at size %d\n", argv[1], size);
        return 1;
    }
    return 0;
}
