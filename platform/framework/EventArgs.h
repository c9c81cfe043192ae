#pragma once
// How an event's DISPPARAMS reach a typed handler: one holder per parameter type loads its
// argument (checking it against the type list), hands the value to the handler, and writes
// back what the handler set through a by-reference parameter.

#include "platform/framework/VtsCodes.h"
#include "platform/ole/Unknown.h"

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

class CWnd;

namespace qx::fw {

// The value of an integer or boolean VARIANT (VT_EMPTY counts as 0); false for other types.
bool IntegerOfVariant(const VARIANT& v, long long& out);

template <typename T, typename = void>
struct EventArg;  // no holder: the handler's parameter type is not one an event can carry

// Integers: VTS_I4, VTS_UI4, VTS_I2, VTS_BOOL (as TRUE/FALSE) and the other integer codes.
template <typename T>
struct EventArg<T, std::enable_if_t<std::is_integral_v<T>>> {
    static constexpr bool Accepts(BYTE code) {
        return code == kVtsI4 || code == kVtsUi4 || code == kVtsI2 || code == kVtsBool || code == kVtsI1 ||
               code == kVtsUi1 || code == kVtsUi2 || code == kVtsScode;
    }
    T value{};
    bool Load(BYTE code, VARIANT& v) {
        long long n = 0;
        if (!IntegerOfVariant(v, n)) return false;
        if (code == kVtsBool && sizeof(T) > sizeof(VARIANT_BOOL)) n = n != 0 ? TRUE : FALSE;
        value = static_cast<T>(n);
        return true;
    }
    T Get() { return value; }
    void WriteBack() {}
};

template <typename T>
struct EventArg<T, std::enable_if_t<std::is_floating_point_v<T>>> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsR4 || code == kVtsR8; }
    T value{};
    bool Load(BYTE, VARIANT& v) {
        if (v.vt == VT_R8) value = static_cast<T>(v.dblVal);
        else if (v.vt == VT_R4) value = static_cast<T>(v.fltVal);
        else return false;
        return true;
    }
    T Get() { return value; }
    void WriteBack() {}
};

// Strings: the BSTR as the control passed it (null stays null).
template <typename T>
struct EventArg<T, std::enable_if_t<std::is_same_v<T, BSTR> || std::is_same_v<T, LPCOLESTR>>> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsBstr; }
    BSTR value = nullptr;
    bool Load(BYTE, VARIANT& v) {
        if (v.vt == VT_BSTR) value = v.bstrVal;
        else if (v.vt == (VT_BSTR | VT_BYREF)) value = v.pbstrVal ? *v.pbstrVal : nullptr;
        else if (v.vt != VT_EMPTY && v.vt != VT_NULL) return false;
        return true;
    }
    T Get() { return value; }
    void WriteBack() {}
};

template <>
struct EventArg<VARIANT*> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsPVariant || code == kVtsVariant; }
    VARIANT* value = nullptr;
    bool Load(BYTE, VARIANT& v) {
        value = v.vt == (VT_VARIANT | VT_BYREF) ? v.pvarVal : &v;
        return true;
    }
    VARIANT* Get() { return value; }
    void WriteBack() {}
};

template <>
struct EventArg<IDispatch*> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsDispatch; }
    IDispatch* value = nullptr;
    bool Load(BYTE, VARIANT& v) {
        if (v.vt == VT_DISPATCH) value = v.pdispVal;
        else if (v.vt == (VT_DISPATCH | VT_BYREF)) value = v.ppdispVal ? *v.ppdispVal : nullptr;
        else if (v.vt != VT_EMPTY && v.vt != VT_NULL) return false;
        return true;
    }
    IDispatch* Get() { return value; }
    void WriteBack() {}
};

template <>
struct EventArg<IUnknown*> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsUnknown; }
    IUnknown* value = nullptr;
    bool Load(BYTE, VARIANT& v) {
        if (v.vt == VT_UNKNOWN) value = v.punkVal;
        else if (v.vt == VT_DISPATCH) value = v.pdispVal;
        else if (v.vt != VT_EMPTY && v.vt != VT_NULL) return false;
        return true;
    }
    IUnknown* Get() { return value; }
    void WriteBack() {}
};

// Out-pointer to an object: the handler stores an object (with its reference) for the control.
template <>
struct EventArg<IDispatch**> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsPDispatch; }
    IDispatch** target = nullptr;
    IDispatch* scratch = nullptr;  // when the control passed no place to store
    bool Load(BYTE, VARIANT& v) {
        if (v.vt != (VT_DISPATCH | VT_BYREF)) return false;
        target = v.ppdispVal;
        return true;
    }
    IDispatch** Get() { return target ? target : &scratch; }
    void WriteBack() {
        if (scratch) scratch->Release();
    }
};

// BOOL* for a VARIANT_BOOL flag (Cancel): a BOOL copy goes to the handler, and what it set comes
// back as VARIANT_TRUE or VARIANT_FALSE. Also LONG* for VTS_PI4.
template <>
struct EventArg<int*> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsPBool || code == kVtsPI4; }
    VARIANT_BOOL* flag = nullptr;
    int* direct = nullptr;
    int copy = 0;
    bool Load(BYTE code, VARIANT& v) {
        if (code == kVtsPI4) {
            if (v.vt != (VT_I4 | VT_BYREF)) return false;
            direct = reinterpret_cast<int*>(v.plVal);
            return true;
        }
        if (v.vt != (VT_BOOL | VT_BYREF)) return false;
        flag = v.pboolVal;
        copy = flag && *flag ? TRUE : FALSE;
        return true;
    }
    int* Get() { return direct ? direct : &copy; }
    void WriteBack() {
        if (flag) *flag = copy ? VARIANT_TRUE : VARIANT_FALSE;
    }
};

template <>
struct EventArg<VARIANT_BOOL*> {
    static constexpr bool Accepts(BYTE code) { return code == kVtsPBool || code == kVtsPI2; }
    VARIANT_BOOL* value = nullptr;
    VARIANT_BOOL scratch = 0;
    bool Load(BYTE code, VARIANT& v) {
        if (v.vt != ((code == kVtsPBool ? VT_BOOL : VT_I2) | VT_BYREF)) return false;
        value = code == kVtsPBool ? v.pboolVal : v.piVal;
        return true;
    }
    VARIANT_BOOL* Get() { return value ? value : &scratch; }
    void WriteBack() {}
};

template <auto Pmf>
struct EventHandlerTraits;
template <typename C, typename... Args, void (C::*Pmf)(Args...)>
struct EventHandlerTraits<Pmf> {
    using Class = C;
    using Holders = std::tuple<EventArg<std::remove_cv_t<Args>>...>;
    static constexpr std::size_t Count = sizeof...(Args);
};

template <typename>
struct EventSignature;
template <typename C, typename... Args>
struct EventSignature<void (C::*)(Args...)> {
    static constexpr bool Matches(const char* vts) {
        std::size_t n = 0;
        while (vts[n]) ++n;
        if (n != sizeof...(Args)) return false;
        std::size_t i = 0;
        return (EventArg<std::remove_cv_t<Args>>::Accepts(static_cast<BYTE>(vts[i++])) && ...);
    }
};

template <typename Pmf>
constexpr bool EventHandlerMatches(const char* vts) {
    return EventSignature<Pmf>::Matches(vts);
}

// Arguments arrive last first (rgvarg[0] is the last one).
template <auto Pmf>
HRESULT CallEventHandler(CWnd* target, DISPPARAMS* params, const char* vts) {
    using Traits = EventHandlerTraits<Pmf>;
    constexpr std::size_t n = Traits::Count;
    if (!params || params->cArgs != n || (n > 0 && !params->rgvarg)) return DISP_E_BADPARAMCOUNT;
    typename Traits::Holders holders;
    bool loaded = true;
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((loaded = loaded && std::get<I>(holders).Load(static_cast<BYTE>(vts[I]), params->rgvarg[n - 1 - I])), ...);
    }(std::make_index_sequence<n>{});
    if (!loaded) return DISP_E_TYPEMISMATCH;
    auto* object = static_cast<typename Traits::Class*>(target);
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (object->*Pmf)(std::get<I>(holders).Get()...);
    }(std::make_index_sequence<n>{});
    std::apply([](auto&... h) { (h.WriteBack(), ...); }, holders);
    return S_OK;
}

}  // namespace qx::fw
