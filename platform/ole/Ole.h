#pragma once
// The object model the system's automation code is written against.

#include "platform/ole/Bstr.h"
#include "platform/ole/Guid.h"
#include "platform/ole/HResult.h"
#include "platform/ole/SafeArray.h"
#include "platform/ole/Unknown.h"
#include "platform/ole/Variant.h"
