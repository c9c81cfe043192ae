#include "platform/framework/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
