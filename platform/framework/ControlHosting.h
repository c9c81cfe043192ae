#pragma once
// The messages between a hosted control's window and the framework that hosts it. A control
// window class (the web browser control's, for one) answers them; nothing else about the control
// is known to the framework.

#include "platform/ole/Unknown.h"
#include "platform/win/WinUser.h"

// Sent to a control window: lParam is an IDispatch** that receives the control's automation
// object with one reference for the caller. Answers TRUE when it stored one.
constexpr UINT WM_QX_GETCONTROLDISPATCH = 0x0370;
// Sent to a control window: lParam is the IDispatch* the control fires its events into
// (Invoke with the event's DISPID and arguments), or null to stop. The control keeps a reference
// until it is told to stop or its window is destroyed.
constexpr UINT WM_QX_SETCONTROLEVENTSINK = 0x0371;
// Sent by a control window to its container (its parent): wParam is the control's window,
// lParam an IDispatch** that receives the object page script should reach as its host's
// external object, with one reference for the caller, or null. Answers TRUE when it stored one.
constexpr UINT WM_QX_GETCONTROLEXTERNAL = 0x0372;

namespace qx::fw {

// The window class that hosts controls of a class id, registered by the control's layer.
void RegisterControlClass(REFCLSID clsid, LPCWSTR className);
// The class name for clsid; null when none was registered.
LPCWSTR FindControlClass(REFCLSID clsid);

}  // namespace qx::fw
