#include "platform/framework/DispatchException.h"
#include "platform/framework/EventArgs.h"
#include "platform/framework/InvokeArg.h"

#include <cstring>
#include <vector>

namespace qx::fw {
namespace {

[[noreturn]] void ThrowMismatch(std::u16string_view what) { throw COleDispatchException(DISP_E_TYPEMISMATCH, what); }

// What the call owns besides the VARIANTs: strings it made and booleans it must copy back.
struct CallArgs {
    std::vector<VARIANT> variants;  // last argument first
    std::vector<BSTR> strings;
    struct BoolBack {
        int* target;
        VARIANT_BOOL value;
    };
    std::vector<BoolBack> boolBacks;  // reserved up front: VARIANTs point into it

    ~CallArgs() {
        for (BSTR s : strings) SysFreeString(s);
    }
    void CopyBack() {
        for (const BoolBack& b : boolBacks) *b.target = b.value != VARIANT_FALSE ? TRUE : FALSE;
    }
};

bool IsNullPointer(const InvokeArg& a) {
    return a.kind() == InvokeArg::Kind::Null || (a.kind() == InvokeArg::Kind::Integer && a.integer() == 0);
}

void ConvertArgument(BYTE code, const InvokeArg& a, VARIANT& v, CallArgs& call) {
    using K = InvokeArg::Kind;
    switch (code) {
    case kVtsI1: case kVtsI2: case kVtsI4: case kVtsUi1: case kVtsUi2: case kVtsUi4: case kVtsScode:
        if (a.kind() != K::Integer) ThrowMismatch(u"An integer argument was expected.");
        v.vt = code == kVtsScode ? static_cast<VARTYPE>(VT_ERROR) : static_cast<VARTYPE>(code);
        if (code == kVtsI2 || code == kVtsUi2) v.iVal = static_cast<SHORT>(a.integer());
        else if (code == kVtsI1 || code == kVtsUi1) v.bVal = static_cast<BYTE>(a.integer());
        else v.lVal = static_cast<LONG>(a.integer());
        return;
    case kVtsBool:
        if (a.kind() != K::Integer) ThrowMismatch(u"A boolean argument was expected.");
        v.vt = VT_BOOL;
        v.boolVal = a.integer() != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return;
    case kVtsR4: case kVtsR8:
        if (a.kind() != K::Real && a.kind() != K::Integer) ThrowMismatch(u"A number argument was expected.");
        v.vt = static_cast<VARTYPE>(code);
        if (code == kVtsR4) v.fltVal = static_cast<float>(a.kind() == K::Real ? a.real() : a.integer());
        else v.dblVal = a.kind() == K::Real ? a.real() : static_cast<double>(a.integer());
        return;
    case kVtsBstr: {
        if (a.kind() != K::Text && !IsNullPointer(a)) ThrowMismatch(u"A string argument was expected.");
        v.vt = VT_BSTR;
        v.bstrVal = nullptr;
        if (a.kind() == K::Text && !a.textIsNull()) {
            v.bstrVal = qx::ole::AllocBstr(a.text());
            if (!v.bstrVal) throw COleDispatchException(E_OUTOFMEMORY);
            call.strings.push_back(v.bstrVal);
        }
        return;
    }
    case kVtsDispatch: case kVtsUnknown:
        if (a.kind() != K::Dispatch && a.kind() != K::Unknown && !IsNullPointer(a))
            ThrowMismatch(u"An object argument was expected.");
        if (code == kVtsDispatch && a.kind() == K::Unknown) ThrowMismatch(u"A dispatch object argument was expected.");
        v.vt = static_cast<VARTYPE>(code);
        if (a.kind() == K::Dispatch) v.pdispVal = static_cast<IDispatch*>(a.pointer());
        else v.punkVal = static_cast<IUnknown*>(a.pointer());
        return;
    case kVtsVariant:
        if (a.kind() != K::Variant || !a.pointer()) ThrowMismatch(u"A VARIANT argument was expected.");
        // Passed as the caller's value; the call does not take ownership of what it holds.
        std::memcpy(static_cast<void*>(&v), a.pointer(), sizeof(VARIANT));
        return;
    case kVtsPVariant:
        if (a.kind() != K::Variant && !IsNullPointer(a)) ThrowMismatch(u"A VARIANT* argument was expected.");
        if (a.isConst()) ThrowMismatch(u"A writable VARIANT* argument was expected.");
        v.vt = VT_VARIANT | VT_BYREF;
        v.pvarVal = static_cast<VARIANT*>(a.pointer());
        return;
    case kVtsPBool:
        v.vt = VT_BOOL | VT_BYREF;
        if (a.kind() == K::ShortPointer || IsNullPointer(a)) {
            v.pboolVal = static_cast<VARIANT_BOOL*>(a.pointer());
        } else if (a.kind() == K::IntPointer) {
            // A BOOL is wider than the call's VARIANT_BOOL: go through a copy and write it back.
            int* target = static_cast<int*>(a.pointer());
            call.boolBacks.push_back({target, *target ? VARIANT_TRUE : VARIANT_FALSE});
            v.pboolVal = &call.boolBacks.back().value;
        } else {
            ThrowMismatch(u"A BOOL* argument was expected.");
        }
        return;
    case kVtsPI4:
        if (a.kind() != K::IntPointer && !IsNullPointer(a)) ThrowMismatch(u"A LONG* argument was expected.");
        v.vt = VT_I4 | VT_BYREF;
        v.plVal = static_cast<LONG*>(a.pointer());
        return;
    case kVtsPI2:
        if (a.kind() != K::ShortPointer && !IsNullPointer(a)) ThrowMismatch(u"A SHORT* argument was expected.");
        v.vt = VT_I2 | VT_BYREF;
        v.piVal = static_cast<SHORT*>(a.pointer());
        return;
    case kVtsPBstr:
        if (a.kind() != K::BstrPointer && !IsNullPointer(a)) ThrowMismatch(u"A BSTR* argument was expected.");
        v.vt = VT_BSTR | VT_BYREF;
        v.pbstrVal = static_cast<BSTR*>(a.pointer());
        return;
    case kVtsPDispatch:
        if (a.kind() != K::DispatchPointer && !IsNullPointer(a)) ThrowMismatch(u"An IDispatch** argument was expected.");
        v.vt = VT_DISPATCH | VT_BYREF;
        v.ppdispVal = static_cast<IDispatch**>(a.pointer());
        return;
    default:
        throw COleDispatchException(DISP_E_BADVARTYPE, u"The argument type list holds an unknown type.");
    }
}

void StoreResult(VARTYPE vtRet, VARIANT& r, void* pvRet) {
    if (vtRet == VT_VARIANT) {
        *static_cast<VARIANT*>(pvRet) = r;  // the caller takes what the result holds
        return;
    }
    long long n = 0;
    switch (vtRet) {
    case VT_BSTR:
        if (r.vt == VT_BSTR) {
            *static_cast<CString*>(pvRet) = qx::ole::BstrToString(r.bstrVal);
        } else if (r.vt == VT_EMPTY || r.vt == VT_NULL) {
            static_cast<CString*>(pvRet)->clear();
        } else {
            break;
        }
        VariantClear(&r);
        return;
    case VT_DISPATCH: case VT_UNKNOWN:
        if (r.vt == VT_EMPTY || r.vt == VT_NULL) {
            *static_cast<void**>(pvRet) = nullptr;
            return;
        }
        if (r.vt == VT_DISPATCH) {
            if (vtRet == VT_DISPATCH) *static_cast<IDispatch**>(pvRet) = r.pdispVal;
            else *static_cast<IUnknown**>(pvRet) = r.pdispVal;
            return;
        }
        if (r.vt == VT_UNKNOWN) {
            if (vtRet == VT_UNKNOWN) {
                *static_cast<IUnknown**>(pvRet) = r.punkVal;
                return;
            }
            void* dispatch = nullptr;
            HRESULT hr = r.punkVal ? r.punkVal->QueryInterface(IID_IDispatch, &dispatch) : S_OK;
            VariantClear(&r);
            if (FAILED(hr)) throw COleDispatchException(DISP_E_TYPEMISMATCH, u"The result is not a dispatch object.");
            *static_cast<IDispatch**>(pvRet) = static_cast<IDispatch*>(dispatch);
            return;
        }
        break;
    case VT_R8: case VT_R4: {
        double d = 0;
        if (r.vt == VT_R8) d = r.dblVal;
        else if (r.vt == VT_R4) d = r.fltVal;
        else if (IntegerOfVariant(r, n)) d = static_cast<double>(n);
        else break;
        if (vtRet == VT_R8) *static_cast<double*>(pvRet) = d;
        else *static_cast<float*>(pvRet) = static_cast<float>(d);
        return;
    }
    case VT_I4: case VT_INT: case VT_UI4: case VT_UINT: case VT_I2: case VT_BOOL: case VT_ERROR:
        if (!IntegerOfVariant(r, n)) break;
        if (vtRet == VT_BOOL) *static_cast<BOOL*>(pvRet) = n != 0 ? TRUE : FALSE;
        else if (vtRet == VT_I2) *static_cast<SHORT*>(pvRet) = static_cast<SHORT>(n);
        else if (vtRet == VT_UI4 || vtRet == VT_UINT) *static_cast<ULONG*>(pvRet) = static_cast<ULONG>(n);
        else *static_cast<LONG*>(pvRet) = static_cast<LONG>(n);
        return;
    default:
        VariantClear(&r);
        throw COleDispatchException(DISP_E_BADVARTYPE, u"The result type is not supported.");
    }
    VariantClear(&r);
    throw COleDispatchException(DISP_E_TYPEMISMATCH, u"The result has an unexpected type.");
}

}  // namespace

void InvokeDispatch(IDispatch* dispatch, DISPID dispid, WORD flags, VARTYPE vtRet, void* pvRet, ParamInfo paramInfo,
                    std::initializer_list<InvokeArg> args) {
    if (!dispatch) throw COleDispatchException(E_NOINTERFACE, u"The control is not available.");
    const BYTE* codes = paramInfo.codes();
    const std::size_t count = codes ? std::strlen(reinterpret_cast<const char*>(codes)) : 0;
    if (count != args.size()) {
        throw COleDispatchException(DISP_E_BADPARAMCOUNT, u"The arguments do not match their type list.");
    }

    CallArgs call;
    call.variants.resize(count);
    call.boolBacks.reserve(count);
    std::size_t i = 0;
    for (const InvokeArg& a : args) {
        ConvertArgument(codes[i], a, call.variants[count - 1 - i], call);
        ++i;
    }

    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params;
    params.rgvarg = call.variants.empty() ? nullptr : call.variants.data();
    params.cArgs = static_cast<UINT>(count);
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }

    VARIANT result;
    EXCEPINFO excepInfo;
    UINT argError = 0;
    const HRESULT hr = dispatch->Invoke(dispid, IID_NULL, 0, flags, &params, vtRet == VT_EMPTY ? nullptr : &result,
                                        &excepInfo, &argError);
    call.CopyBack();
    if (FAILED(hr)) {
        VariantClear(&result);
        throw MakeDispatchException(hr, excepInfo);
    }
    if (vtRet == VT_EMPTY) return;
    if (!pvRet) {
        VariantClear(&result);
        return;
    }
    StoreResult(vtRet, result, pvRet);
}

}  // namespace qx::fw
