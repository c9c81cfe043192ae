#include "platform/framework/OccManager.h"

#include "platform/framework/ControlEventSink.h"
#include "platform/framework/ControlHosting.h"
#include "platform/framework/Exception.h"
#include "platform/framework/Wnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(COleControlSite, CObject)
IMPLEMENT_DYNAMIC(COleControlContainer, CObject)
IMPLEMENT_DYNAMIC(COccManager, CObject)

namespace {
std::unique_ptr<COccManager>& OccManager() {
    static std::unique_ptr<COccManager> manager;
    return manager;
}
}  // namespace

void AfxEnableControlContainer(COccManager* pOccManager) { OccManager().reset(pOccManager); }

COccManager* AfxGetOccManager() { return OccManager().get(); }

std::unique_ptr<COleControlSite> COccManager::CreateSite(COleControlContainer*) { return nullptr; }

// Sites ------------------------------------------------------------------------------------------

COleControlSite::COleControlSite(COleControlContainer* pCtrlCont) : m_pCtrlCont(pCtrlCont) {}

COleControlSite::~COleControlSite() { DetachControl(); }

void COleControlSite::AttachControl(HWND hWnd, UINT nID) {
    DetachControl();
    m_hWnd = hWnd;
    m_nID = nID;
    IDispatch* dispatch = nullptr;
    if (::SendMessageW(hWnd, WM_QX_GETCONTROLDISPATCH, 0, reinterpret_cast<LPARAM>(&dispatch)) && dispatch) {
        m_pDispatch = dispatch;
    }
    m_pEventSink = new qx::fw::ControlEventSink(this);
    ::SendMessageW(hWnd, WM_QX_SETCONTROLEVENTSINK, 0, reinterpret_cast<LPARAM>(static_cast<IDispatch*>(m_pEventSink)));
}

void COleControlSite::DetachControl() {
    if (m_pEventSink) {
        if (::IsWindow(m_hWnd)) ::SendMessageW(m_hWnd, WM_QX_SETCONTROLEVENTSINK, 0, 0);
        m_pEventSink->Disconnect();
        m_pEventSink->Release();
        m_pEventSink = nullptr;
    }
    if (m_pDispatch) {
        m_pDispatch->Release();
        m_pDispatch = nullptr;
    }
}

HRESULT COleControlSite::FireEvent(DISPID dispid, DISPPARAMS* pParams) {
    CWnd* pContainer = m_pCtrlCont ? m_pCtrlCont->m_pWnd : nullptr;
    if (!pContainer) return S_OK;
    try {
        return pContainer->OnEvent(m_nID, dispid, pParams);
    } catch (...) {
        qx::fw::ReportCurrentException();
        return DISP_E_EXCEPTION;
    }
}

IDispatch* COleControlSite::GetExternal() { return nullptr; }

// Containers ---------------------------------------------------------------------------------------

COleControlContainer::COleControlContainer(CWnd* pWnd) : m_pWnd(pWnd) {}

COleControlContainer::~COleControlContainer() { DetachAll(); }

COleControlSite* COleControlContainer::CreateSite(HWND hWndCtrl, UINT nID) {
    std::unique_ptr<COleControlSite> site;
    if (COccManager* manager = AfxGetOccManager()) site = manager->CreateSite(this);
    if (!site) site = std::make_unique<COleControlSite>(this);
    site->m_pCtrlCont = this;
    site->AttachControl(hWndCtrl, nID);
    m_sites.push_back(std::move(site));
    return m_sites.back().get();
}

COleControlSite* COleControlContainer::FindSite(HWND hWndCtrl) const {
    auto it = std::find_if(m_sites.begin(), m_sites.end(), [&](const auto& s) { return s->m_hWnd == hWndCtrl; });
    return it == m_sites.end() ? nullptr : it->get();
}

void COleControlContainer::DetachAll() {
    // Moved out first: detaching sends to the controls, which may call back into the container.
    auto sites = std::move(m_sites);
    m_sites.clear();
    for (auto& site : sites) site->DetachControl();
}
