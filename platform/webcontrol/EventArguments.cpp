#include "platform/webcontrol/EventArguments.h"

#include <cassert>
#include <cstring>

namespace qx::web {

EventArguments::~EventArguments() {
    for (BSTR s : m_strings) SysFreeString(s);
    for (SAFEARRAY* a : m_arrays) SafeArrayDestroy(a);
}

VARIANT& EventArguments::Next() {
    assert(m_nCount < kMaxArguments);
    VARIANT& v = m_args[m_nCount++];
    VariantInit(&v);
    return v;
}

BSTR EventArguments::Keep(BSTR text) {
    if (text) m_strings.push_back(text);
    return text;
}

void EventArguments::AddDispatch(IDispatch* object) {
    VARIANT& v = Next();
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
}

void EventArguments::AddText(const std::optional<std::u16string>& text) {
    VARIANT& v = Next();
    v.vt = VT_BSTR;
    v.bstrVal = text ? Keep(qx::ole::AllocBstr(*text)) : nullptr;
}

void EventArguments::AddI4(std::int32_t value) {
    VARIANT& v = Next();
    v.vt = VT_I4;
    v.lVal = value;
}

void EventArguments::AddUi4(std::uint32_t value) {
    VARIANT& v = Next();
    v.vt = VT_UI4;
    v.ulVal = value;
}

void EventArguments::AddValue(const VARIANT& value) { Next() = value; }

void EventArguments::AddVariantRef(VARIANT& target) {
    VARIANT& v = Next();
    v.vt = VT_VARIANT | VT_BYREF;
    v.pvarVal = &target;
}

void EventArguments::AddBoolRef(VARIANT_BOOL& target) {
    VARIANT& v = Next();
    v.vt = VT_BOOL | VT_BYREF;
    v.pboolVal = &target;
}

void EventArguments::AddDispatchRef(IDispatch*& target) {
    VARIANT& v = Next();
    v.vt = VT_DISPATCH | VT_BYREF;
    v.ppdispVal = &target;
}

VARIANT EventArguments::TextVariant(std::u16string_view text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = Keep(qx::ole::AllocBstr(text));
    return v;
}

VARIANT EventArguments::ByteArrayVariant(const std::vector<std::uint8_t>& bytes) {
    VARIANT v;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) return v;
    m_arrays.push_back(array);
    void* data = nullptr;
    if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
        std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
    }
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = array;
    return v;
}

DISPPARAMS* EventArguments::Params() {
    for (std::size_t i = 0; i < m_nCount; ++i) m_reversed[i] = m_args[m_nCount - 1 - i];
    m_params.rgvarg = m_nCount ? m_reversed.data() : nullptr;
    m_params.cArgs = static_cast<UINT>(m_nCount);
    m_params.rgdispidNamedArgs = nullptr;
    m_params.cNamedArgs = 0;
    return &m_params;
}

}  // namespace qx::web
