// Late-bound automation calls by dispatch id.
#include "DispatchDriver.h"

#include <oleauto.h>

#include <vector>

bool CDispatchDriver::CreateDispatch(const wchar_t* progId)
{
    Release();
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(progId, &clsid)))
        return false;
    IDispatch* dispatch = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&dispatch))) ||
        !dispatch)
        return false;
    m_pDispatch = dispatch;
    return true;
}

void CDispatchDriver::Attach(IDispatch* dispatch)
{
    Release();
    m_pDispatch = dispatch;
}

void CDispatchDriver::Release()
{
    if (m_pDispatch)
        m_pDispatch->Release();
    m_pDispatch = nullptr;
}

void CDispatchDriver::Invoke(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result)
{
    if (!m_pDispatch)
        throw CAutomationError(E_POINTER);
    std::vector<VARIANT> reversed(args, args + count);
    for (UINT i = 0; i < count; ++i)
        reversed[i] = args[count - 1 - i];
    DISPPARAMS params = {count ? reversed.data() : nullptr, nullptr, count, 0};
    DISPID named = DISPID_PROPERTYPUT;
    if (flags & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    EXCEPINFO info = {};
    UINT bad = 0;
    HRESULT hr =
        m_pDispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &bad);
    if (info.bstrSource)
        SysFreeString(info.bstrSource);
    if (info.bstrDescription)
        SysFreeString(info.bstrDescription);
    if (info.bstrHelpFile)
        SysFreeString(info.bstrHelpFile);
    if (FAILED(hr))
        throw CAutomationError(hr);
}

long CDispatchDriver::GetLong(DISPID id)
{
    VARIANT result;
    VariantInit(&result);
    Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, &result);
    HRESULT hr = VariantChangeType(&result, &result, 0, VT_I4);
    long value = SUCCEEDED(hr) ? result.lVal : 0;
    VariantClear(&result);
    if (FAILED(hr))
        throw CAutomationError(hr);
    return value;
}

std::string CDispatchDriver::GetString(DISPID id)
{
    VARIANT result;
    VariantInit(&result);
    Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, &result);
    std::string text;
    if (SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR)) && result.bstrVal) {
        int length =
            WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, nullptr, 0, nullptr, nullptr);
        if (length > 1) {
            text.resize((size_t)length - 1);
            WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, &text[0], length, nullptr, nullptr);
        }
    }
    VariantClear(&result);
    return text;
}

IDispatch* CDispatchDriver::GetObject(DISPID id)
{
    VARIANT result;
    VariantInit(&result);
    Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, &result);
    if (result.vt != VT_DISPATCH || !result.pdispVal) {
        VariantClear(&result);
        throw CAutomationError(DISP_E_TYPEMISMATCH);
    }
    return result.pdispVal; // the reference passes to the caller
}

IDispatch* CDispatchDriver::GetItem(long index)
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = index;
    VARIANT result;
    VariantInit(&result);
    Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &arg, 1, &result);
    if (result.vt != VT_DISPATCH || !result.pdispVal) {
        VariantClear(&result);
        throw CAutomationError(DISP_E_TYPEMISMATCH);
    }
    return result.pdispVal;
}

void CDispatchDriver::PutLong(DISPID id, long value)
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = value;
    Invoke(id, DISPATCH_PROPERTYPUT, &arg, 1, nullptr);
}

void CDispatchDriver::PutBool(DISPID id, bool value)
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BOOL;
    arg.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Invoke(id, DISPATCH_PROPERTYPUT, &arg, 1, nullptr);
}

void CDispatchDriver::PutFloat(DISPID id, float value)
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_R4;
    arg.fltVal = value;
    Invoke(id, DISPATCH_PROPERTYPUT, &arg, 1, nullptr);
}

void CDispatchDriver::Call(DISPID id)
{
    VARIANT result;
    VariantInit(&result);
    Invoke(id, DISPATCH_METHOD, nullptr, 0, &result);
    VariantClear(&result);
}

IDispatch* CDispatchDriver::CallOpen(DISPID id, const std::string& path, long a, long b, long c)
{
    VARIANT args[4];
    for (VARIANT& v : args)
        VariantInit(&v);
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), (int)path.size(), nullptr, 0);
    args[0].vt = VT_BSTR;
    args[0].bstrVal = SysAllocStringLen(nullptr, (UINT)length);
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), (int)path.size(), args[0].bstrVal, length);
    args[1].vt = args[2].vt = args[3].vt = VT_I4;
    args[1].lVal = a;
    args[2].lVal = b;
    args[3].lVal = c;
    VARIANT result;
    VariantInit(&result);
    try {
        Invoke(id, DISPATCH_METHOD, args, 4, &result);
    } catch (...) {
        VariantClear(&args[0]);
        throw;
    }
    VariantClear(&args[0]);
    if (result.vt != VT_DISPATCH || !result.pdispVal) {
        VariantClear(&result);
        throw CAutomationError(DISP_E_TYPEMISMATCH);
    }
    return result.pdispVal;
}
