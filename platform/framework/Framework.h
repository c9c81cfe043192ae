#pragma once
// Everything the system's windows are written with: include this one header.

#include "platform/framework/Button.h"
#include "platform/framework/ControlHosting.h"
#include "platform/framework/Dc.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/DialogEx.h"
#include "platform/framework/DispatchException.h"
#include "platform/framework/Edit.h"
#include "platform/framework/EventSinkMap.h"
#include "platform/framework/GdiObject.h"
#include "platform/framework/Geometry.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/OccManager.h"
#include "platform/framework/ShellManager.h"
#include "platform/framework/Static.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"
