#include "platform/gfx/HandleTable.h"

namespace qx::gfx::detail {

std::uintptr_t NextHandleId() {
    // Start well above small integers so that a count or a flag passed as a handle by mistake
    // is never taken for a live object.
    static std::uintptr_t s_next = 0x10000;
    return s_next++;
}

}  // namespace qx::gfx::detail
