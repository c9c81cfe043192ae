#pragma once
// The dialog class with skin support of the framework; our dialogs paint themselves, so it
// behaves as CDialog.

#include "platform/framework/Dialog.h"

class CDialogEx : public CDialog {
    DECLARE_DYNAMIC(CDialogEx)

public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}
};
