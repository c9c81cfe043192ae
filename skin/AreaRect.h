#pragma once
// The rectangle rule of skin areas.

#include "platform/base/WinTypes.h"
#include "skin/QXAreaLocationModel.h"

// Writes the area's rectangle, relative to the parent's top-left corner, into rcArea; only the
// parent's width W and height H count. Anchors "T" and "L" place the area at (x, y), "B" at
// (x, H - y), "R" at (W - x, y), "RR" like "R". A size rule "a-b" gives D - a - b of the parent
// length D, any other rule its leading number; under "RR" a width rule "a-b" is simply a - b.
// Any other anchor (letter case counts) leaves rcArea as it was.
void ComputeAreaRect(const RECT& rcParent, const CQXAreaLocationModel& area, RECT& rcArea);
