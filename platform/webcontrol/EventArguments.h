#pragma once
// The arguments of one event as the control fires it: added in the order the event declares
// them, handed over as DISPPARAMS (last argument first). Strings and arrays made here live as
// long as the arguments, so by-reference arguments may point at them during the call.

#include "platform/ole/Unknown.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx::web {

class EventArguments {
public:
    static constexpr std::size_t kMaxArguments = 8;

    EventArguments() = default;
    ~EventArguments();
    EventArguments(const EventArguments&) = delete;
    EventArguments& operator=(const EventArguments&) = delete;

    // By value.
    void AddDispatch(IDispatch* object);                   // VT_DISPATCH, no reference taken
    void AddText(const std::optional<std::u16string>& text);  // VT_BSTR; nullopt: a null string
    void AddI4(std::int32_t value);
    void AddUi4(std::uint32_t value);
    // Any other value as given; what it holds is not freed with the arguments.
    void AddValue(const VARIANT& value);
    // By reference: the handler reads and may write target.
    void AddVariantRef(VARIANT& target);     // VT_VARIANT | VT_BYREF
    void AddBoolRef(VARIANT_BOOL& target);   // VT_BOOL | VT_BYREF
    void AddDispatchRef(IDispatch*& target); // VT_DISPATCH | VT_BYREF

    // Values for variants that by-reference arguments point at, freed with the arguments.
    VARIANT TextVariant(std::u16string_view text);
    // VT_ARRAY | VT_UI1 holding a copy of bytes; VT_EMPTY when the array cannot be made.
    VARIANT ByteArrayVariant(const std::vector<std::uint8_t>& bytes);

    DISPPARAMS* Params();

private:
    VARIANT& Next();
    BSTR Keep(BSTR text);

    std::array<VARIANT, kMaxArguments> m_args{};
    std::array<VARIANT, kMaxArguments> m_reversed{};
    std::size_t m_nCount = 0;
    std::vector<BSTR> m_strings;
    std::vector<SAFEARRAY*> m_arrays;
    DISPPARAMS m_params;
};

}  // namespace qx::web
