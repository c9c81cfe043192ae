#include "platform/framework/Exception.h"

#include "platform/base/Strings.h"
#include "platform/framework/MessageBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CException, CObject)

CString CException::GetErrorText() const { return {}; }

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext) *pnHelpContext = 0;
    const CString text = GetErrorText();
    if (lpszError && nMaxError > 0) {
        const auto n = std::min<std::size_t>(text.size(), nMaxError - 1);
        std::copy_n(text.data(), n, lpszError);
        lpszError[n] = 0;
    }
    return text.empty() ? FALSE : TRUE;
}

int CException::ReportError(UINT nType) const {
    CString text = GetErrorText();
    if (text.empty()) text = u"The operation could not be completed; no further description is available.";
    return AfxMessageBox(text, nType);
}

const char* CException::what() const noexcept {
    try {
        m_what = qx::WideToUtf8(GetErrorText());
    } catch (...) {
        return "CException";
    }
    return m_what.c_str();
}

namespace qx::fw {

void ReportCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const CException& e) {
            e.ReportError();
        } catch (const std::exception& e) {
            AfxMessageBox(qx::Utf8ToWide(e.what()), MB_OK | MB_ICONEXCLAMATION);
        } catch (...) {
            AfxMessageBox(u"An unexpected error occurred; the operation was not completed.", MB_OK | MB_ICONEXCLAMATION);
        }
    } catch (...) {
        // Reporting itself failed (out of memory); the message loop must go on regardless.
    }
}

}  // namespace qx::fw
