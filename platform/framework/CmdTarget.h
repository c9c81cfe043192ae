#pragma once
// The base of the framework's objects that take commands: windows and the application.

#include "platform/framework/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
};
