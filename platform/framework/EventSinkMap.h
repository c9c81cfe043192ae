#pragma once
// Event sink tables: a container window binds the events its hosted controls fire, by control id
// and DISPID, to typed handlers. The argument type list of each entry is checked against the
// handler's parameters when the table is compiled; at run time the event's arguments are checked
// against the list before the handler is called.
//
//   BEGIN_EVENTSINK_MAP(CPageDlg, CDialog)
//       ON_EVENT(CPageDlg, 1038, 102, CPageDlg::OnStatusTextChange, VTS_BSTR)
//   END_EVENTSINK_MAP()

#include "platform/framework/EventArgs.h"

class CWnd;

namespace qx::fw {
using EventThunk = HRESULT (*)(CWnd* target, DISPPARAMS* params, const char* vts);
}

struct AFX_EVENTSINKMAP_ENTRY {
    UINT nCtlID;
    DISPID dispid;
    const char* vts;
    qx::fw::EventThunk pfn;  // null ends the table
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

#define DECLARE_EVENTSINK_MAP()                                  \
protected:                                                       \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();        \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;    \
                                                                 \
private:

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                                                 \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { return GetThisEventSinkMap(); }   \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap() {                                    \
        using ThisClass [[maybe_unused]] = theClass;                                                            \
        using TheBaseClass = baseClass;                                                          \
        static const AFX_EVENTSINKMAP_ENTRY _eventEntries[] = {

#define END_EVENTSINK_MAP()                                                                      \
        {0, 0, nullptr, nullptr}};                                                               \
        static const AFX_EVENTSINKMAP eventSinkMap = {&TheBaseClass::GetThisEventSinkMap, _eventEntries}; \
        return &eventSinkMap;                                                                    \
    }

// pfnHandler is named as theClass::Handler; vtsParams lists its parameters' event types.
#define ON_EVENT(theClass, id, dispid, pfnHandler, vtsParams)                                     \
    {static_cast<UINT>(id), static_cast<DISPID>(dispid), vtsParams, [] {                          \
         static_assert(qx::fw::EventHandlerMatches<decltype(&pfnHandler)>(vtsParams),             \
                       "the event's type list does not match the handler's parameters");          \
         return &qx::fw::CallEventHandler<&pfnHandler>;                                           \
     }()},
