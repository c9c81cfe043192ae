#include "tools/skingen/AreaRule.h"

#include <cstdlib>

namespace skingen {

namespace {

int Size(const std::string& rule, int length) {
    const auto dash = rule.find('-');
    if (dash != std::string::npos && rule.find('-', dash + 1) == std::string::npos)
        return length - std::atoi(rule.substr(0, dash).c_str()) -
               std::atoi(rule.substr(dash + 1).c_str());
    return std::atoi(rule.c_str());
}

}  // namespace

void ComputeAreaRect(int w, int h, const SkinElement& e, Rect& out) {
    const std::string& a = e.anchor;
    int left = e.x, top = e.y;
    if (a == "B") top = h - e.y;
    if (a == "R" || a == "RR") left = w - e.x;
    if (a != "T" && a != "L" && a != "B" && a != "R" && a != "RR") return;
    int width = Size(e.width, w);
    if (a == "RR") {
        const auto dash = e.width.find('-');
        width = dash != std::string::npos && e.width.find('-', dash + 1) == std::string::npos
                    ? std::atoi(e.width.substr(0, dash).c_str()) -
                          std::atoi(e.width.substr(dash + 1).c_str())
                    : std::atoi(e.width.c_str());
    }
    out = {left, top, left + width, top + Size(e.height, h)};
}

Rect PlaceButton(int w, const SkinElement& e) {
    const int x = e.anchor == "R" ? w - e.x : e.x;
    const int width = std::atoi(e.width.c_str());
    const int height = std::atoi(e.height.c_str());
    return {x, e.y, x + width, e.y + height};
}

}  // namespace skingen
