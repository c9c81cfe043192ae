#pragma once
// The images of the skin's areas: bars, their ends, borders, corners, box pieces and the
// transparent placeholder of the text boxes. Bars are thin repeatable slices; ends and corners
// are fixed pieces with real alpha.

#include <map>
#include <string>

#include "tools/skingen/Painter.h"

namespace skingen {

// Images by file name.
using ImageSet = std::map<std::string, SurfacePtr>;

void DrawAreaImages(ImageSet& images);

}  // namespace skingen
