#pragma once
// The contact sheet: previews of the whole window and every image of the skin with its name,
// on a checkerboard so transparency shows.

#include <string>

#include "tools/skingen/AreaImages.h"

namespace skingen {

bool WriteContactSheet(const ImageSet& images, const std::string& path);

}  // namespace skingen
