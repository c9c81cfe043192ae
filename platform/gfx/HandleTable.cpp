#include "platform/gfx/HandleTable.h"

namespace qx::gfx::detail {

std::uintptr_t NextHandleId() {
    // Start well above small integers so that a count or a flag passed as a handle by mistake
    // is never taken for a live object; step by 4 so that an id is as aligned as the pointer
    // type it travels in.
    static std::uintptr_t s_next = 0x10000;
    s_next += 4;
    return s_next;
}

}  // namespace qx::gfx::detail
