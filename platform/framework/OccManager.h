#pragma once
// Hosting of controls in windows: a container (one per window that hosts controls) keeps one
// site per hosted control. The site holds the control's automation object and passes the events
// the control fires to the container window's event sink table. The application may install a
// manager that supplies its own sites.

#include "platform/framework/Object.h"
#include "platform/ole/Unknown.h"
#include "platform/win/WinUser.h"

#include <memory>
#include <vector>

class CWnd;
class COleControlContainer;
namespace qx::fw {
class ControlEventSink;
}

class COleControlSite : public CObject {
    DECLARE_DYNAMIC(COleControlSite)

public:
    explicit COleControlSite(COleControlContainer* pCtrlCont);
    ~COleControlSite() override;

    // Binds the site to a control window: takes its automation object and starts its events.
    void AttachControl(HWND hWnd, UINT nID);
    // Stops the control's events and lets go of its object.
    void DetachControl();
    // Passes an event to the container window's event sink table; exceptions of the handler get
    // the standard report.
    HRESULT FireEvent(DISPID dispid, DISPPARAMS* pParams);
    // The object page script reaches as window.external: none by default (returns null).
    // A site that offers one returns it with one reference for the caller.
    virtual IDispatch* GetExternal();

    IDispatch* GetDispatch() const { return m_pDispatch; }

    COleControlContainer* m_pCtrlCont;
    HWND m_hWnd = nullptr;
    UINT m_nID = 0;

private:
    IDispatch* m_pDispatch = nullptr;
    qx::fw::ControlEventSink* m_pEventSink = nullptr;  // one reference held
};

class COleControlContainer : public CObject {
    DECLARE_DYNAMIC(COleControlContainer)

public:
    explicit COleControlContainer(CWnd* pWnd);
    ~COleControlContainer() override;

    // A site for a control window just made in the container window: the manager's, or the
    // default one; bound to the control.
    COleControlSite* CreateSite(HWND hWndCtrl, UINT nID);
    COleControlSite* FindSite(HWND hWndCtrl) const;
    // Lets go of every control (the container window is going away).
    void DetachAll();

    CWnd* m_pWnd;

private:
    std::vector<std::unique_ptr<COleControlSite>> m_sites;
};

class COccManager : public CObject {
    DECLARE_DYNAMIC(COccManager)

public:
    // The site for a control of pCtrlCont; null lets the framework make its default site.
    virtual std::unique_ptr<COleControlSite> CreateSite(COleControlContainer* pCtrlCont);
};

// Installs the manager that supplies control sites (the framework owns it from now on); null
// goes back to the default sites.
void AfxEnableControlContainer(COccManager* pOccManager = nullptr);
COccManager* AfxGetOccManager();
