#include "platform/framework/DialogTemplate.h"

#include <map>

namespace qx::fw {
namespace {

std::map<UINT, const DialogTemplate*>& Templates() {
    static std::map<UINT, const DialogTemplate*> templates;
    return templates;
}

int MulDivRound(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& tpl) { Templates()[tpl.nID] = &tpl; }

const DialogTemplate* FindDialogTemplate(UINT nID) {
    auto it = Templates().find(nID);
    return it == Templates().end() ? nullptr : it->second;
}

SIZE DialogBaseUnits(const DialogTemplate& tpl) {
    const int points = (tpl.dwStyle & DS_SETFONT) && tpl.wPointSize > 0 ? tpl.wPointSize : 8;
    return {MulDivRound(6, points, 8), MulDivRound(13, points, 8)};
}

RECT DialogUnitsToPixels(SIZE baseUnits, short x, short y, short cx, short cy) {
    const int left = MulDivRound(x, baseUnits.cx, 4);
    const int top = MulDivRound(y, baseUnits.cy, 8);
    return {left, top, left + MulDivRound(cx, baseUnits.cx, 4), top + MulDivRound(cy, baseUnits.cy, 8)};
}

}  // namespace qx::fw
