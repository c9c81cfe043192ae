#include "app/QXTrayIcon.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CQXTrayIcon, CObject)

namespace {

constexpr char16_t kTip[] = u"栎木网络互联";

}  // namespace

CQXTrayIcon::~CQXTrayIcon() { RemoveIcon(); }

BOOL CQXTrayIcon::Create(CWnd* pOwner, HICON hIcon) {
    // The notification area needs a system of version 4 or later.
    m_bEnabled = LOBYTE(::GetVersion()) >= 4;
    if (!m_bEnabled) return FALSE;
    m_bEnabled = pOwner && ::IsWindow(pOwner->GetSafeHwnd());
    if (!m_bEnabled) return FALSE;

    m_nid.cbSize = sizeof(m_nid);
    m_nid.hWnd = pOwner->GetSafeHwnd();
    m_nid.uID = kIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = kCallbackMessage;
    m_nid.hIcon = hIcon;
    std::copy(std::begin(kTip), std::end(kTip), m_nid.szTip);

    m_bEnabled = ::Shell_NotifyIconW(NIM_ADD, &m_nid);
    return m_bEnabled;
}

void CQXTrayIcon::HideIcon() {
    if (!m_bEnabled || m_bHidden) return;
    m_nid.uFlags = NIF_ICON;
    ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
    m_bHidden = TRUE;
}

void CQXTrayIcon::RemoveIcon() {
    if (!m_bEnabled) return;
    m_nid.uFlags = 0;
    ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
    m_bEnabled = FALSE;
}
