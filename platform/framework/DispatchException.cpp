#include "platform/framework/DispatchException.h"

#include "platform/base/Strings.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_strDescription(lpszDescription ? lpszDescription : u""), m_dwHelpContext(nHelpID) {}

COleDispatchException::COleDispatchException(HRESULT scError, std::u16string_view strDescription)
    : m_strDescription(strDescription), m_scError(scError) {}

CString COleDispatchException::GetErrorText() const {
    if (!m_strDescription.empty()) return m_strDescription;
    if (m_scError != 0) return qx::FormatWide(u"The automation call failed (error 0x%08X).", m_scError);
    return qx::FormatWide(u"The automation call failed (error %d).", static_cast<int>(m_wCode));
}

namespace qx::fw {

COleDispatchException MakeDispatchException(HRESULT hr, EXCEPINFO& excepInfo) {
    COleDispatchException e(hr);
    if (hr == DISP_E_EXCEPTION) {
        if (excepInfo.pfnDeferredFillIn) excepInfo.pfnDeferredFillIn(&excepInfo);
        e.m_wCode = excepInfo.wCode;
        e.m_dwHelpContext = excepInfo.dwHelpContext;
        e.m_strDescription = qx::ole::BstrToString(excepInfo.bstrDescription);
        e.m_strSource = qx::ole::BstrToString(excepInfo.bstrSource);
        e.m_strHelpFile = qx::ole::BstrToString(excepInfo.bstrHelpFile);
        // An object that reports only a wCode leaves scode 0; the call's own code still says it failed.
        if (excepInfo.scode != 0) e.m_scError = excepInfo.scode;
    }
    SysFreeString(excepInfo.bstrSource);
    SysFreeString(excepInfo.bstrDescription);
    SysFreeString(excepInfo.bstrHelpFile);
    excepInfo.bstrSource = excepInfo.bstrDescription = excepInfo.bstrHelpFile = nullptr;
    return e;
}

}  // namespace qx::fw
