#include "platform/ole/SafeArray.h"

#include <cstddef>
#include <cstring>
#include <new>

#include "platform/ole/Variant.h"

namespace {

constexpr USHORT FADF_HAVEVARTYPE = 0x0080;

// The element type lives beside the descriptor, where the descriptor cannot be overwritten.
struct ArrayBlock {
    VARTYPE vt;
    SAFEARRAY array;
};

ArrayBlock* BlockOf(SAFEARRAY* array) {
    return reinterpret_cast<ArrayBlock*>(reinterpret_cast<char*>(array) - offsetof(ArrayBlock, array));
}

ULONG ElementSize(VARTYPE vt) {
    switch (vt) {
        case VT_UI1:
        case VT_I1: return 1;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL: return 2;
        case VT_I4:
        case VT_UI4: return 4;
        default: return 0;
    }
}

}  // namespace

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count) {
    const ULONG size = ElementSize(vt);
    if (size == 0 || count > 0x7FFFFFFFu / size) return nullptr;
    auto* block = new (std::nothrow) ArrayBlock{};
    if (!block) return nullptr;
    block->vt = vt;
    SAFEARRAY& a = block->array;
    a.cDims = 1;
    a.fFeatures = FADF_HAVEVARTYPE;
    a.cbElements = size;
    a.rgsabound[0] = {count, lowerBound};
    a.pvData = new (std::nothrow) BYTE[static_cast<size_t>(count) * size + 1]();
    if (!a.pvData) {
        delete block;
        return nullptr;
    }
    return &a;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data) {
    if (!array || !data) return E_INVALIDARG;
    ++array->cLocks;
    *data = array->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks == 0) return E_UNEXPECTED;
    --array->cLocks;
    return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dimension, LONG* bound) {
    if (!array || !bound) return E_INVALIDARG;
    if (dimension != 1) return DISP_E_BADINDEX;
    *bound = array->rgsabound[0].lLbound;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dimension, LONG* bound) {
    if (!array || !bound) return E_INVALIDARG;
    if (dimension != 1) return DISP_E_BADINDEX;
    *bound = array->rgsabound[0].lLbound + static_cast<LONG>(array->rgsabound[0].cElements) - 1;
    return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* array) { return array ? array->cDims : 0; }

UINT SafeArrayGetElemsize(SAFEARRAY* array) { return array ? array->cbElements : 0; }

HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt) {
    if (!array || !vt) return E_INVALIDARG;
    *vt = BlockOf(array)->vt;
    return S_OK;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
    if (!array) return S_OK;
    if (array->cLocks > 0) return DISP_E_ARRAYISLOCKED;
    delete[] static_cast<BYTE*>(array->pvData);
    delete BlockOf(array);
    return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy) {
    if (!copy) return E_INVALIDARG;
    *copy = nullptr;
    if (!array) return S_OK;
    SAFEARRAY* result = SafeArrayCreateVector(BlockOf(array)->vt, array->rgsabound[0].lLbound,
                                              array->rgsabound[0].cElements);
    if (!result) return E_OUTOFMEMORY;
    std::memcpy(result->pvData, array->pvData,
                static_cast<size_t>(array->rgsabound[0].cElements) * array->cbElements);
    *copy = result;
    return S_OK;
}
