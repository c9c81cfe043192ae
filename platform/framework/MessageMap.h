#pragma once
// Message tables: each window class has a static table of entries (a message, a command id, a
// notification code and id, or a reflected message) with the typed handler each one calls, and
// a link to its base class's table. Dispatch looks in the class's own table first, then up the
// chain. An entry's thunk only unpacks the message's parameters and calls the named handler.

#include "platform/win/WinUser.h"

class CWnd;

// Control messages sent back to the control they came from come in at this base.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

namespace qx::fw {

// One message on its way to a handler; the handler's answer goes into result.
struct MsgCall {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

// Unpacks a message and calls one handler. FALSE when the handler declined the message (the
// _EX and reflected control-colour forms), so that dispatch goes on looking.
using MsgThunk = BOOL (*)(CWnd* target, MsgCall& call);

enum class EntryKind : UINT {
    Message,  // nMessage alone decides
    Command,  // WM_COMMAND (or its reflection): notification code and control id range
    Notify,   // WM_NOTIFY (or its reflection): code range and control id range
};

}  // namespace qx::fw

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    qx::fw::EntryKind nKind;
    UINT nCode;      // first notification code (Command, Notify)
    UINT nLastCode;  // last notification code (Notify ranges; equal to nCode otherwise)
    UINT nID;        // first control id (Command, Notify)
    UINT nLastID;
    qx::fw::MsgThunk pfn;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root of the chain
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;  \
                                                       \
private:

// The entries between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP see ThisClass and TheBaseClass, and
// their thunks have the class's own access to its handlers.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                \
        using ThisClass [[maybe_unused]] = theClass;                                                \
        using TheBaseClass = baseClass;                                              \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                  \
        {0, qx::fw::EntryKind::Message, 0, 0, 0, 0, nullptr}};                             \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
        return &messageMap;                                                                \
    }

// Building blocks of the ON_ macros. body runs with self (the target as ThisClass*) and qxMsg
// (the MsgCall); the entry reports the message handled.
#define QX_THUNK(body)                                                              \
    [](CWnd* qxWnd, [[maybe_unused]] qx::fw::MsgCall& qxMsg) -> BOOL {              \
        [[maybe_unused]] auto* self = static_cast<ThisClass*>(qxWnd);               \
        body;                                                                       \
        return TRUE;                                                                \
    }
#define QX_THUNK_EX(body)                                                           \
    [](CWnd* qxWnd, [[maybe_unused]] qx::fw::MsgCall& qxMsg) -> BOOL {              \
        [[maybe_unused]] auto* self = static_cast<ThisClass*>(qxWnd);               \
        body;                                                                       \
    }
#define QX_MESSAGE_ENTRY(msg, body) {msg, qx::fw::EntryKind::Message, 0, 0, 0, 0, QX_THUNK(body)},
#define QX_COMMAND_ENTRY(msg, code, id, idLast, thunk) \
    {msg, qx::fw::EntryKind::Command, static_cast<UINT>(code), static_cast<UINT>(code), \
     static_cast<UINT>(id), static_cast<UINT>(idLast), thunk},
#define QX_NOTIFY_ENTRY(msg, code, codeLast, id, idLast, thunk) \
    {msg, qx::fw::EntryKind::Notify, static_cast<UINT>(code), static_cast<UINT>(codeLast), \
     static_cast<UINT>(id), static_cast<UINT>(idLast), thunk},
