#include "platform/framework/EventArgs.h"

namespace qx::fw {

bool IntegerOfVariant(const VARIANT& v, long long& out) {
    switch (v.vt) {
    case VT_EMPTY: out = 0; return true;
    case VT_I1: out = static_cast<signed char>(v.cVal); return true;
    case VT_UI1: out = v.bVal; return true;
    case VT_I2: out = v.iVal; return true;
    case VT_UI2: out = v.uiVal; return true;
    case VT_I4: case VT_INT: case VT_ERROR: out = v.lVal; return true;
    case VT_UI4: case VT_UINT: out = v.ulVal; return true;
    case VT_BOOL: out = v.boolVal; return true;
    default: return false;
    }
}

}  // namespace qx::fw
