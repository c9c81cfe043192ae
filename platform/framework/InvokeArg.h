#pragma once
// The arguments of InvokeHelper as given by the caller, kept with their C++ kind so that they can
// be checked against the argument type list and turned into the call's VARIANTs.

#include "platform/framework/VtsCodes.h"
#include "platform/ole/Unknown.h"

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

namespace qx::fw {

class InvokeArg {
public:
    enum class Kind {
        Null,         // nullptr: a null pointer of whatever kind the list asks for
        Integer,      // any integer or bool
        Real,         // float or double
        Text,         // a wide string (null for a null pointer)
        Variant,      // VARIANT*
        Dispatch,     // IDispatch*
        Unknown,      // IUnknown*
        IntPointer,   // BOOL*, LONG*
        ShortPointer, // VARIANT_BOOL*, SHORT*
        BstrPointer,  // BSTR*
        DispatchPointer,  // IDispatch**
    };

    InvokeArg(std::nullptr_t) {}
    template <std::integral T>
    InvokeArg(T value) : m_kind(Kind::Integer), m_integer(static_cast<long long>(value)) {}
    template <std::floating_point T>
    InvokeArg(T value) : m_kind(Kind::Real), m_real(static_cast<double>(value)) {}
    InvokeArg(const char16_t* text) : m_kind(Kind::Text), m_text(text), m_textIsNull(text == nullptr) {}
    InvokeArg(const std::u16string& text) : m_kind(Kind::Text), m_text(text) {}
    InvokeArg(std::u16string_view text) : m_kind(Kind::Text), m_text(text) {}
    InvokeArg(VARIANT* value) : m_kind(Kind::Variant), m_pointer(value) {}
    InvokeArg(const VARIANT* value) : m_kind(Kind::Variant), m_pointer(const_cast<VARIANT*>(value)), m_const(true) {}
    InvokeArg(IDispatch* value) : m_kind(Kind::Dispatch), m_pointer(value) {}
    InvokeArg(IUnknown* value) : m_kind(Kind::Unknown), m_pointer(value) {}
    InvokeArg(int* value) : m_kind(Kind::IntPointer), m_pointer(value) {}
    InvokeArg(short* value) : m_kind(Kind::ShortPointer), m_pointer(value) {}
    InvokeArg(BSTR* value) : m_kind(Kind::BstrPointer), m_pointer(value) {}
    InvokeArg(IDispatch** value) : m_kind(Kind::DispatchPointer), m_pointer(value) {}

    Kind kind() const { return m_kind; }
    long long integer() const { return m_integer; }
    double real() const { return m_real; }
    std::u16string_view text() const { return m_text; }
    bool textIsNull() const { return m_textIsNull; }
    void* pointer() const { return m_pointer; }
    bool isConst() const { return m_const; }

private:
    Kind m_kind = Kind::Null;
    long long m_integer = 0;
    double m_real = 0;
    std::u16string_view m_text;
    bool m_textIsNull = false;
    void* m_pointer = nullptr;
    bool m_const = false;
};

// The work of CWnd::InvokeHelper: converts args by the type list, calls dispatch->Invoke and
// stores the result. Raises COleDispatchException when there is no object, when the arguments do
// not match the list, when the call fails, or when the result cannot take the asked type.
void InvokeDispatch(IDispatch* dispatch, DISPID dispid, WORD flags, VARTYPE vtRet, void* pvRet, ParamInfo paramInfo,
                    std::initializer_list<InvokeArg> args);

}  // namespace qx::fw
