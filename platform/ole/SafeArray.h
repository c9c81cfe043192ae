#pragma once
// One-dimensional safe arrays, as request bodies travel in them.

#include "platform/ole/HResult.h"

using VARTYPE = USHORT;

struct SAFEARRAYBOUND {
    ULONG cElements = 0;
    LONG lLbound = 0;
};

struct SAFEARRAY {
    USHORT cDims = 0;
    USHORT fFeatures = 0;
    ULONG cbElements = 0;
    ULONG cLocks = 0;
    void* pvData = nullptr;
    SAFEARRAYBOUND rgsabound[1];
};
using LPSAFEARRAY = SAFEARRAY*;

// A new array of count elements of type vt (VT_UI1, VT_I1, VT_I2, VT_UI2, VT_I4, VT_UI4 or
// VT_BOOL), indexed from lowerBound, all zero. Null for another type.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count);
// Locks the array and gives its data; every access must be matched by an unaccess.
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
// Bounds of dimension (1-based). The upper bound of an empty array is lower bound - 1.
HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dimension, LONG* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dimension, LONG* bound);
UINT SafeArrayGetDim(SAFEARRAY* array);
UINT SafeArrayGetElemsize(SAFEARRAY* array);
// Frees the array and its data; fails with DISP_E_ARRAYISLOCKED while its data is accessed.
HRESULT SafeArrayDestroy(SAFEARRAY* array);
// A new array with the same bounds and a copy of the data.
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);
// The element type the array was made with.
HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
