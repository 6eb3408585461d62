// Late-bound automation by dispatch id: a holder of one IDispatch with property gets, puts
// and method calls. Failures throw CAutomationError, so a caller can end a whole command at
// the first failing call.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "SelvatraApi.h"

class SELVATRA_API CAutomationError
{
public:
    explicit CAutomationError(HRESULT hr) : m_hr(hr) { }
    HRESULT m_hr;
};

class SELVATRA_API CDispatchDriver
{
public:
    CDispatchDriver() = default;
    ~CDispatchDriver() { Release(); }
    CDispatchDriver(const CDispatchDriver&) = delete;
    CDispatchDriver& operator=(const CDispatchDriver&) = delete;

    // Creates the object of a class name; false (and nothing held) when that fails.
    bool CreateDispatch(const wchar_t* progId);
    // Takes over an interface pointer (no AddRef).
    void Attach(IDispatch* dispatch);
    void Release();
    IDispatch* Get() const { return m_pDispatch; }
    bool IsValid() const { return m_pDispatch != nullptr; }

    long GetLong(DISPID id);
    std::string GetString(DISPID id);
    // An object property, optionally indexed (collections' items by 1-based number).
    IDispatch* GetObject(DISPID id);
    IDispatch* GetItem(long index);
    void PutLong(DISPID id, long value);
    void PutBool(DISPID id, bool value);
    void PutFloat(DISPID id, float value);
    void Call(DISPID id);
    // Calls a method with (string, long, long, long) that returns an object.
    IDispatch* CallOpen(DISPID id, const std::string& path, long a, long b, long c);

private:
    // args in the order given (the call reverses them as automation expects).
    void Invoke(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result);
    IDispatch* m_pDispatch = nullptr;
};
