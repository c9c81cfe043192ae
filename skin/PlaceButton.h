#pragma once
// Queueing an image button's move into its owner's deferred layout batch.

#include "platform/framework/Framework.h"
#include "skin/QXPngButton.h"

// Queues the button at its skin place inside rcParent (ComputeButtonPlacement) with its own
// size, raised to the top of its siblings, and replaces hdwp with the handle the queueing
// returns. A button without a live window is left out, since queueing a dead window would end
// the whole batch.
void PlaceButton(const RECT& rcParent, CQXPngButton& button, HDWP& hdwp);
