// Deferred positioning: a batch of SetWindowPos calls applied in the order they were queued, so
// that HWND_TOP raises each window in turn and the last one queued ends on top.

#include "platform/win/WindowSystem.h"

#include <map>
#include <vector>

using namespace qx::win;

namespace {

struct DeferredPos {
    HWND hwnd;
    HWND insertAfter;
    int x, y, width, height;
    UINT flags;
};

struct Batches {
    std::map<std::uintptr_t, std::vector<DeferredPos>> open;
    std::uintptr_t nextId = 0x50000;
};

Batches& TheBatches() {
    static Batches batches;
    return batches;
}

}  // namespace

void qx::win::ResetDeferredBatches() { TheBatches().open.clear(); }

HDWP BeginDeferWindowPos(int count) {
    if (count < 0) return nullptr;
    Batches& batches = TheBatches();
    batches.nextId += 4;
    batches.open[batches.nextId].reserve(static_cast<std::size_t>(count));
    return HandleFromId<HDWP>(batches.nextId);
}

HDWP DeferWindowPos(HDWP batch, HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    Batches& batches = TheBatches();
    auto it = batches.open.find(IdFromHandle(batch));
    if (it == batches.open.end()) return nullptr;
    if (!Find(hwnd)) {
        // As the real system: a bad window ends the whole batch.
        batches.open.erase(it);
        return nullptr;
    }
    flags &= ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    it->second.push_back({hwnd, insertAfter, x, y, width, height, flags});
    return batch;
}

BOOL EndDeferWindowPos(HDWP batch) {
    Batches& batches = TheBatches();
    auto it = batches.open.find(IdFromHandle(batch));
    if (it == batches.open.end()) return FALSE;
    std::vector<DeferredPos> entries = std::move(it->second);
    batches.open.erase(it);
    for (const DeferredPos& entry : entries) {
        // A window destroyed by an earlier entry's messages is skipped.
        ApplyWindowPos(entry.hwnd, entry.insertAfter, entry.x, entry.y, entry.width, entry.height, entry.flags);
    }
    return TRUE;
}
