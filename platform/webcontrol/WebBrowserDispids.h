#pragma once
// The numbers of the web browser control's automation: its operations (IWebBrowser2), its
// events (DWebBrowserEvents2), the commands of ExecWB, and the errors a command can give.

#include "platform/ole/Unknown.h"

// Operations, called by DISPID.
inline constexpr DISPID DISPID_GOBACK = 100;
inline constexpr DISPID DISPID_GOFORWARD = 101;
inline constexpr DISPID DISPID_NAVIGATE = 104;
inline constexpr DISPID DISPID_STOP = 106;
inline constexpr DISPID DISPID_REFRESH = -550;
inline constexpr DISPID DISPID_APPLICATION = 200;
inline constexpr DISPID DISPID_DOCUMENT = 203;
inline constexpr DISPID DISPID_LOCATIONURL = 211;
inline constexpr DISPID DISPID_BUSY = 212;
inline constexpr DISPID DISPID_EXECWB = 502;
inline constexpr DISPID DISPID_SILENT = 551;

// Events, fired by DISPID.
inline constexpr DISPID DISPID_STATUSTEXTCHANGE = 102;
inline constexpr DISPID DISPID_DOWNLOADCOMPLETE = 104;
inline constexpr DISPID DISPID_COMMANDSTATECHANGE = 105;
inline constexpr DISPID DISPID_DOWNLOADBEGIN = 106;
inline constexpr DISPID DISPID_PROGRESSCHANGE = 108;
inline constexpr DISPID DISPID_PROPERTYCHANGE = 112;
inline constexpr DISPID DISPID_TITLECHANGE = 113;
inline constexpr DISPID DISPID_PRINTTEMPLATEINSTANTIATION = 225;
inline constexpr DISPID DISPID_PRINTTEMPLATETEARDOWN = 226;
inline constexpr DISPID DISPID_UPDATEPAGESTATUS = 227;
inline constexpr DISPID DISPID_BEFORENAVIGATE2 = 250;
inline constexpr DISPID DISPID_NEWWINDOW2 = 251;
inline constexpr DISPID DISPID_NAVIGATECOMPLETE2 = 252;
inline constexpr DISPID DISPID_ONQUIT = 253;
inline constexpr DISPID DISPID_ONVISIBLE = 254;
inline constexpr DISPID DISPID_ONTOOLBAR = 255;
inline constexpr DISPID DISPID_ONMENUBAR = 256;
inline constexpr DISPID DISPID_ONSTATUSBAR = 257;
inline constexpr DISPID DISPID_ONFULLSCREEN = 258;
inline constexpr DISPID DISPID_DOCUMENTCOMPLETE = 259;
inline constexpr DISPID DISPID_ONTHEATERMODE = 260;
inline constexpr DISPID DISPID_WINDOWSETRESIZABLE = 262;
inline constexpr DISPID DISPID_WINDOWCLOSING = 263;
inline constexpr DISPID DISPID_WINDOWSETLEFT = 264;
inline constexpr DISPID DISPID_WINDOWSETTOP = 265;
inline constexpr DISPID DISPID_WINDOWSETWIDTH = 266;
inline constexpr DISPID DISPID_WINDOWSETHEIGHT = 267;
inline constexpr DISPID DISPID_CLIENTTOHOSTWINDOW = 268;
inline constexpr DISPID DISPID_SETSECURELOCKICON = 269;
inline constexpr DISPID DISPID_FILEDOWNLOAD = 270;
inline constexpr DISPID DISPID_NAVIGATEERROR = 271;
inline constexpr DISPID DISPID_PRIVACYIMPACTEDSTATECHANGE = 272;
inline constexpr DISPID DISPID_NEWWINDOW3 = 273;

// The commands ExecWB runs, and how.
inline constexpr LONG OLECMDID_SAVEAS = 4;
inline constexpr LONG OLECMDID_PRINT = 6;
inline constexpr LONG OLECMDID_FIND = 32;
inline constexpr LONG OLECMDEXECOPT_DODEFAULT = 0;

// A command the control does not know, and one it cannot run now.
inline constexpr HRESULT OLECMDERR_E_NOTSUPPORTED = MakeHResult(0x80040100);
inline constexpr HRESULT OLECMDERR_E_DISABLED = MakeHResult(0x80040101);
