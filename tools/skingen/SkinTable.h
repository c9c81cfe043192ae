#pragma once
// The default skin's elements: every key of skin.ini with its section and value, in the order
// of the browser's element table. Values are built from Metrics.h.

#include <string>
#include <vector>

namespace skingen {

enum class Section { Img, Layout, Color };
// Image: a single file name. Colour: RRGGBB. Button: fixed-size image strip. Area: a rectangle
// rule with an image tiled into it.
enum class Kind { Image, Colour, Button, Area };

struct SkinElement {
    std::string name;
    Section section;
    Kind kind;
    std::string file;  // image file relative to the skin folder; the colour text for Colour
    int x = 0;
    int y = 0;
    std::string width;
    std::string height;
    std::string anchor;

    // The skin.ini value: the file alone, the colour, or the six comma-separated fields.
    std::string Value() const;
};

const std::vector<SkinElement>& DefaultSkin();

// The element of that name; aborts on a name the table does not have (a generator bug).
const SkinElement& Element(const std::string& name);

const char* SectionName(Section s);

// skin.ini text: [IMG], [LAYOUT], [COLOR], keys in table order.
std::string SkinIniText();

}  // namespace skingen
