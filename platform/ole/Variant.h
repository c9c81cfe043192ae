#pragma once
// Automation values: a type tag and one value. A VARIANT owns what it holds (a string, an
// interface reference, an array) unless it holds it by reference (VT_BYREF).

#include "platform/ole/Bstr.h"
#include "platform/ole/HResult.h"
#include "platform/ole/SafeArray.h"

struct IUnknown;
struct IDispatch;

using VARIANT_BOOL = SHORT;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;
using DATE = double;

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    WORD wReserved1 = 0, wReserved2 = 0, wReserved3 = 0;
    union {
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SAFEARRAY* parray;
        BYTE* pbVal;
        SHORT* piVal;
        LONG* plVal;
        VARIANT_BOOL* pboolVal;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        SAFEARRAY** pparray;
        VARIANT* pvarVal;
        void* byref;
        char cVal;
        USHORT uiVal;
        ULONG ulVal;
        std::int64_t llVal;
        std::uint64_t ullVal;
        INT_PTR intPtrVal;
        int intVal;
        UINT uintVal;
    };
    VARIANT() : llVal(0) {}
};
using VARIANTARG = VARIANT;
using LPVARIANT = VARIANT*;

// Marks the variant empty without freeing anything.
void VariantInit(VARIANT* v);
// Frees what the variant owns and marks it empty. Fails with DISP_E_BADVARTYPE for an unknown type
// (and then leaves the variant as it was).
HRESULT VariantClear(VARIANT* v);
// Clears dest, then makes it a deep copy of source: a new string, an added interface reference,
// a copied array; a by-reference value copies the reference.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);

// The usual accessors.
inline VARTYPE& V_VT(VARIANT* v) { return v->vt; }
inline BSTR& V_BSTR(VARIANT* v) { return v->bstrVal; }
inline LONG& V_I4(VARIANT* v) { return v->lVal; }
inline VARIANT_BOOL& V_BOOL(VARIANT* v) { return v->boolVal; }
inline IDispatch*& V_DISPATCH(VARIANT* v) { return v->pdispVal; }
inline SAFEARRAY*& V_ARRAY(VARIANT* v) { return v->parray; }
inline VARIANT*& V_VARIANTREF(VARIANT* v) { return v->pvarVal; }
