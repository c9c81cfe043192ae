#pragma once
// An automation object for tests: records each call's DISPID, kind and arguments, and answers
// with a result, a failure or an exception the test sets. It lives on the stack; its count only
// tells whether the framework balanced its references.

#include "platform/ole/Ole.h"

#include <functional>
#include <vector>

namespace qx::fw::test {

class FakeDispatch final : public IDispatch {
public:
    struct Call {
        DISPID dispid = 0;
        WORD flags = 0;
        std::vector<VARIANT> args;  // shallow copies, last argument first as they came
        std::vector<DISPID> named;
    };

    std::vector<Call> calls;
    VARIANT result;                       // handed out as the call's result (ownership passes)
    HRESULT hr = S_OK;
    EXCEPINFO excepInfo;                  // filled into the caller's on DISP_E_EXCEPTION
    std::function<void(DISPPARAMS*)> onInvoke;  // runs inside the call
    ULONG refs = 1;

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* pResult, EXCEPINFO* pExcep,
                   UINT*) override {
        Call call;
        call.dispid = dispid;
        call.flags = flags;
        for (UINT i = 0; i < params->cArgs; ++i) call.args.push_back(params->rgvarg[i]);
        for (UINT i = 0; i < params->cNamedArgs; ++i) call.named.push_back(params->rgdispidNamedArgs[i]);
        calls.push_back(call);
        if (onInvoke) onInvoke(params);
        if (hr == DISP_E_EXCEPTION && pExcep) {
            *pExcep = excepInfo;
            excepInfo = EXCEPINFO{};
        }
        if (SUCCEEDED(hr) && pResult) {
            *pResult = result;
            result = VARIANT{};
        }
        return hr;
    }
};

}  // namespace qx::fw::test
