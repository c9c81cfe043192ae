#pragma once
// The framework's exceptions and the standard error report: an exception that escapes a
// message, command, notification or event handler is shown in a message box and the program
// goes on with the next message.

#include "platform/framework/Object.h"
#include "platform/win/WinUser.h"

#include <exception>
#include <string>

class CException : public CObject, public std::exception {
    DECLARE_DYNAMIC(CException)

public:
    CException() = default;
    CException(const CException&) : CObject(), std::exception() {}
    CException& operator=(const CException&) { return *this; }

    // The text the report shows.
    virtual CString GetErrorText() const;
    // The framework's usual form: copies the text (cut to nMaxError - 1 units and terminated); FALSE when there
    // is no text.
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
    // Shows the text in a message box; the button pressed.
    virtual int ReportError(UINT nType = MB_OK | MB_ICONEXCLAMATION) const;
    const char* what() const noexcept override;

private:
    mutable std::string m_what;
};

namespace qx::fw {

// The standard error report for the exception being handled (call it inside a catch block):
// a message box with the exception's text, through MessageBoxW. Never throws.
void ReportCurrentException() noexcept;

}  // namespace qx::fw
