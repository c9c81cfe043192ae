#pragma once
// The exception a failed automation call raises: the call's error code and what the object
// said about the failure.

#include "platform/framework/Exception.h"
#include "platform/ole/Unknown.h"

class COleDispatchException : public CException {
    DECLARE_DYNAMIC(COleDispatchException)

public:
    COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode);
    // A failure with only an error code, and optionally a description of our own.
    COleDispatchException(HRESULT scError, std::u16string_view strDescription = {});

    CString GetErrorText() const override;

    WORD m_wCode = 0;
    CString m_strDescription;
    DWORD m_dwHelpContext = 0;
    CString m_strHelpFile;
    CString m_strSource;
    SCODE m_scError = 0;
};

namespace qx::fw {

// The exception for a failed Invoke: from the EXCEPINFO when the object filled one
// (DISP_E_EXCEPTION), else from the result code alone. Frees the EXCEPINFO's strings.
COleDispatchException MakeDispatchException(HRESULT hr, EXCEPINFO& excepInfo);

}  // namespace qx::fw
