#pragma once
// The application icon (resource 128), drawn rather than shipped so that every size is sharp:
// a rounded square in a calm blue-to-green gradient with a white oak leaf.

#include "platform/gfx/Surface.h"

namespace qx::gfx {

// The icon at size x size pixels, transparent around the rounded square. Null for a size below 1
// or above 1024.
SurfacePtr ApplicationIconImage(int size);

}  // namespace qx::gfx
