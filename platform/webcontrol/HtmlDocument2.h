#pragma once
// The one interface of a page's document the program reads: IHTMLDocument2, for its title.
// Ask get_Document's object for it with QueryInterface(IID_IHTMLDocument2, ...).

#include "platform/ole/Unknown.h"

// The title as a property of the document's IDispatch.
inline constexpr DISPID DISPID_IHTMLDOCUMENT2_TITLE = 1012;

struct IHTMLDocument2 : IDispatch {
    // The document's title (empty when it has none) as a new string the caller frees.
    virtual HRESULT get_title(BSTR* p) = 0;

protected:
    ~IHTMLDocument2() = default;
};
