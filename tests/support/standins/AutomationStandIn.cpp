// An in-process automation server standing in for the presentation program in tests. It is
// registered under the class name the engine asks for and answers the dispatch ids the engine
// uses, logging each call with its arguments. Test code, not part of the product.
#include <windows.h>
#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace {

// {6F1E3A52-4C1B-4E8A-9D3B-2B7E5C0A9D11}
const CLSID CLSID_StandIn = {
    0x6f1e3a52, 0x4c1b, 0x4e8a, {0x9d, 0x3b, 0x2b, 0x7e, 0x5c, 0x0a, 0x9d, 0x11}};
const char kClsid[] = "{6F1E3A52-4C1B-4E8A-9D3B-2B7E5C0A9D11}";
const char kProgId[] = "Powerpoint.Application";

HMODULE g_module;
LONG g_objects;
std::mutex g_lock;
std::string g_log;
int g_showState = 1;
int g_position = 0;
const int kSlides = 3;
bool g_failOpen = false;

void Log(const std::string& line)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_log += line + "\n";
}

std::string ArgText(const VARIANT& v)
{
    char text[64];
    switch (v.vt) {
    case VT_I4:
        snprintf(text, sizeof text, "%ld", (long)v.lVal);
        return text;
    case VT_I2:
        snprintf(text, sizeof text, "%d", v.iVal);
        return text;
    case VT_R4:
        snprintf(text, sizeof text, "%g", v.fltVal);
        return text;
    case VT_R8:
        snprintf(text, sizeof text, "%g", v.dblVal);
        return text;
    case VT_BOOL:
        return v.boolVal ? "true" : "false";
    case VT_BSTR: {
        std::string s = "\"";
        for (const wchar_t* p = v.bstrVal; p && *p; ++p)
            s += (char)*p;
        return s + "\"";
    }
    default:
        snprintf(text, sizeof text, "vt%d", v.vt);
        return text;
    }
}

enum Kind {
    App,
    Bars,
    Bar,
    Controls,
    Control,
    Presentations,
    Presentation,
    ShowObject,
    Settings,
    View
};
const char* const kNames[] = {"Application",   "CommandBars",  "CommandBar", "Controls", "Control",
                              "Presentations", "Presentation", "ShowObject", "Settings", "View"};

class Object : public IDispatch
{
public:
    Object(Kind kind, int index = 0) : m_kind(kind), m_index(index)
    {
        InterlockedIncrement(&g_objects);
    }
    virtual ~Object() { InterlockedDecrement(&g_objects); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)InterlockedIncrement(&m_refs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return (ULONG)refs;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT*) override
    {
        const char* kind = (flags & DISPATCH_PROPERTYPUT)                  ? "put"
            : (flags & DISPATCH_METHOD) && !(flags & DISPATCH_PROPERTYGET) ? "call"
                                                                           : "get";
        std::string line = std::string(kNames[m_kind]) + "." + kind + " " + IdText(id) + "(";
        // Arguments arrive last first.
        for (UINT i = params ? params->cArgs : 0; i > 0; --i) {
            line += ArgText(params->rgvarg[i - 1]);
            if (i > 1)
                line += ",";
        }
        line += ")";
        Log(line);
        VARIANT ignored;
        VariantInit(&ignored);
        return Answer(id, kind, params, result ? result : &ignored);
    }

private:
    static std::string IdText(DISPID id)
    {
        char text[32];
        if (id >= 0 && id < 0x10000)
            snprintf(text, sizeof text, "%ld", (long)id);
        else
            snprintf(text, sizeof text, "0x%08lX", (unsigned long)id);
        return text;
    }
    static HRESULT Obj(VARIANT* result, Object* object)
    {
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }
    static HRESULT Long(VARIANT* result, long value)
    {
        result->vt = VT_I4;
        result->lVal = value;
        return S_OK;
    }
    static HRESULT Str(VARIANT* result, const wchar_t* text)
    {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(text);
        return S_OK;
    }
    long IndexArg(DISPPARAMS* params)
    {
        if (!params || params->cArgs < 1)
            return 0;
        VARIANT v;
        VariantInit(&v);
        if (FAILED(VariantChangeType(&v, &params->rgvarg[params->cArgs - 1], 0, VT_I4)))
            return 0;
        return v.lVal;
    }

    HRESULT Answer(DISPID id, const std::string& kind, DISPPARAMS* params, VARIANT* result)
    {
        static const wchar_t* const kBars[] = {L"Standard", L"Slide Show", L"Menu Bar"};
        static const wchar_t* const kControls[] = {L"&Rehearse", L"&Go"};
        switch (m_kind) {
        case App:
            if (id == 2001)
                return Obj(result, new Object(Presentations));
            if (id == 2007)
                return Obj(result, new Object(Bars));
            if (id == 2029 || id == 2030 || id == 2021)
                return S_OK;
            break;
        case Bars:
            if (id == 0x60030003)
                return Long(result, 3);
            if (id == DISPID_VALUE) {
                long i = IndexArg(params);
                return i >= 1 && i <= 3 ? Obj(result, new Object(Bar, (int)i - 1))
                                        : DISP_E_BADINDEX;
            }
            break;
        case Bar:
            if (id == 0x6004000E)
                return Str(result, kBars[m_index]);
            if (id == 0x60040003)
                return Obj(result, new Object(Controls));
            break;
        case Controls:
            if (id == 0x60030001)
                return Long(result, 2);
            if (id == DISPID_VALUE) {
                long i = IndexArg(params);
                return i >= 1 && i <= 2 ? Obj(result, new Object(Control, (int)i - 1))
                                        : DISP_E_BADINDEX;
            }
            break;
        case Control:
            if (id == 0x60040003)
                return Str(result, kControls[m_index]);
            if (id == 0x6004000A)
                return S_OK;
            break;
        case Presentations:
            if (id == 2004)
                return g_failOpen ? E_FAIL : Obj(result, new Object(Presentation));
            break;
        case Presentation:
            if (id == 2015)
                return Obj(result, new Object(ShowObject));
            if (id == 2047)
                return Obj(result, new Object(Settings));
            if (id == 2039)
                return S_OK;
            break;
        case ShowObject:
            if (id == 2008)
                return S_OK;
            break;
        case Settings:
            if (id >= 2006 && id <= 2009)
                return S_OK;
            if (id == 2011)
                return Long(result, 1);
            if (id == 2003) {
                g_position = 1;
                return Obj(result, new Object(View));
            }
            break;
        case View:
            if (id == 2007)
                return S_OK;
            if (id == 2006)
                return Long(result, g_showState);
            if (id == 2027)
                return Long(result, g_position);
            if (id == 2017) {
                g_position = 1;
                return S_OK;
            }
            if (id == 2018) {
                g_position = kSlides;
                return S_OK;
            }
            if (id == 2019) {
                if (++g_position > kSlides)
                    g_showState = 5;
                return S_OK;
            }
            if (id == 2020) {
                if (g_position > 1)
                    --g_position;
                return S_OK;
            }
            break;
        }
        (void)kind;
        return DISP_E_MEMBERNOTFOUND;
    }

    LONG m_refs = 1;
    Kind m_kind;
    int m_index;
};

class Factory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        Log("Application.create");
        Object* app = new Object(App);
        HRESULT hr = app->QueryInterface(iid, out);
        app->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
Factory g_factory;

bool SetKey(const std::string& key, const char* name, const std::string& value)
{
    HKEY h;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc =
        RegSetValueExA(h, name, 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
    RegCloseKey(h);
    return rc == ERROR_SUCCESS;
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = instance;
    return TRUE;
}

__declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (clsid != CLSID_StandIn)
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return g_objects == 0 ? S_OK : S_FALSE;
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer()
{
    char path[MAX_PATH];
    GetModuleFileNameA(g_module, path, MAX_PATH);
    std::string clsidKey = std::string("CLSID\\") + kClsid;
    bool ok = SetKey(kProgId, nullptr, "Presentation stand-in") &&
        SetKey(std::string(kProgId) + "\\CLSID", nullptr, kClsid) &&
        SetKey(clsidKey, nullptr, "Presentation stand-in") &&
        SetKey(clsidKey + "\\ProgID", nullptr, kProgId) &&
        SetKey(clsidKey + "\\InprocServer32", nullptr, path) &&
        SetKey(clsidKey + "\\InprocServer32", "ThreadingModel", "Both");
    return ok ? S_OK : E_FAIL;
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kProgId);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + kClsid).c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\") + kProgId).c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\CLSID\\") + kClsid).c_str());
    return S_OK;
}

// The test's side: the call log, and the show state the view reports.
__declspec(dllexport) int StandInGetLog(char* buffer, int size)
{
    std::lock_guard<std::mutex> guard(g_lock);
    if (buffer && size > 0) {
        int n = (int)g_log.size() < size ? (int)g_log.size() : size;
        memcpy(buffer, g_log.data(), (size_t)n);
        return n;
    }
    return (int)g_log.size();
}

__declspec(dllexport) void StandInClearLog()
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_log.clear();
    g_showState = 1;
    g_position = 0;
    g_failOpen = false;
}

__declspec(dllexport) void StandInSetShowState(int state) { g_showState = state; }
__declspec(dllexport) void StandInFailOpen(int fail) { g_failOpen = fail != 0; }

} // extern "C"
