// The generic viewer of OLE object cells: a stored block becomes a storage and a running
// object, and the object goes back into a block; the clipboard and Insert Object steps.
#include "controls/GXOleViewer.h"
#include "controls/GXOleObjectHeader.h"
#include "controls/GXOlePreview.h"
#include "controls/GXOleSites.h"
#include "core/GXGridCore.h"
#include "core/GXOleVarUserAttribute.h"
#include "core/GXResourceString.h"
#include "core/GXStyle.h"
#include "fw/codepage.h"
#include "fw/modal.h"
#include "res/GXResource.h"

#include <oledlg.h>
#include <string>

namespace {
// An OLE 1 stream over an IStream: the conversions read and write through it and it counts
// the bytes.
struct GXOle1Stream : OLESTREAM
{
    explicit GXOle1Stream(IStream* pOver);

    IStream* pStream;
    DWORD nBytes;
};

DWORD CALLBACK Ole1Get(LPOLESTREAM pOleStream, void* pv, DWORD cb)
{
    GXOle1Stream* p = static_cast<GXOle1Stream*>(pOleStream);
    ULONG nRead = 0;
    if (FAILED(p->pStream->Read(pv, cb, &nRead)))
        return 0;
    p->nBytes += nRead;
    return nRead;
}

DWORD CALLBACK Ole1Put(LPOLESTREAM pOleStream, const void* pv, DWORD cb)
{
    GXOle1Stream* p = static_cast<GXOle1Stream*>(pOleStream);
    ULONG nWritten = 0;
    if (FAILED(p->pStream->Write(pv, cb, &nWritten)))
        return 0;
    p->nBytes += nWritten;
    return nWritten;
}

OLESTREAMVTBL s_ole1Vtbl = {Ole1Get, Ole1Put};

GXOle1Stream::GXOle1Stream(IStream* pOver) : OLESTREAM(), pStream(pOver), nBytes(0)
{
    lpstbl = &s_ole1Vtbl;
}

// Releases an interface pointer at the end of a scope.
template<class T>
class CComHold
{
public:
    CComHold() = default;
    ~CComHold()
    {
        if (p != nullptr)
            p->Release();
    }
    CComHold(const CComHold&) = delete;
    CComHold& operator=(const CComHold&) = delete;
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    T* Detach()
    {
        T* q = p;
        p = nullptr;
        return q;
    }
    T* p = nullptr;
};

std::wstring Wide(const CString& str)
{
    const std::u16string s = fw::AnsiToUtf16(std::string((LPCTSTR)str));
    return std::wstring(s.begin(), s.end());
}

CString Narrow(LPCOLESTR psz)
{
    if (psz == nullptr)
        return CString();
    std::u16string s;
    for (; *psz != 0; ++psz)
        s.push_back((char16_t)*psz);
    return CString(fw::Utf16ToAnsi(s).c_str());
}

// Global memory holding a copy of bytes (null when it cannot be had).
HGLOBAL GlobalCopy(const BYTE* p, size_t n)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n > 0 ? n : 1);
    if (h == nullptr)
        return nullptr;
    if (void* pv = ::GlobalLock(h)) {
        if (n > 0)
            memcpy(pv, p, n);
        ::GlobalUnlock(h);
        return h;
    }
    ::GlobalFree(h);
    return nullptr;
}
} // namespace

CGXGenericViewerImpl::CGXGenericViewerImpl()
    : m_pControl(nullptr), m_pSite(nullptr), m_pSink(nullptr), m_nAdviseConnection(0),
      m_bRunning(FALSE), m_hGridWnd(nullptr)
{
    ::VariantInit(&m_varObject);
}

CGXGenericViewerImpl::~CGXGenericViewerImpl() { Release(); }

void CGXGenericViewerImpl::NotifyChanged()
{
    if (m_pControl != nullptr) {
        m_pControl->SetModify(TRUE);
        m_pControl->NotifyModified();
    }
}

BOOL CGXGenericViewerImpl::IsByteArray(const VARIANT& var)
{
    return var.vt == (VT_ARRAY | VT_UI1) && var.parray != nullptr;
}

std::vector<BYTE> CGXGenericViewerImpl::BytesOf(const VARIANT& var)
{
    std::vector<BYTE> bytes;
    if (!IsByteArray(var) || ::SafeArrayGetDim(var.parray) != 1)
        return bytes;
    LONG nLower = 0, nUpper = -1;
    ::SafeArrayGetLBound(var.parray, 1, &nLower);
    ::SafeArrayGetUBound(var.parray, 1, &nUpper);
    if (nUpper < nLower)
        return bytes;
    void* pv = nullptr;
    if (FAILED(::SafeArrayAccessData(var.parray, &pv)))
        return bytes;
    bytes.assign(static_cast<BYTE*>(pv), static_cast<BYTE*>(pv) + (nUpper - nLower + 1));
    ::SafeArrayUnaccessData(var.parray);
    return bytes;
}

IStorage* CGXGenericViewerImpl::GetStorage() const
{
    return static_cast<IStorage*>(m_interfaces.Lookup(keyStorage));
}

IOleObject* CGXGenericViewerImpl::GetOleObject() const
{
    return static_cast<IOleObject*>(m_interfaces.Lookup(keyObject));
}

BOOL CGXGenericViewerImpl::HasObject() const
{
    return GetOleObject() != nullptr || IsByteArray(m_varObject);
}

HWND CGXGenericViewerImpl::GridWindowOf(CGXGridCore* pGrid) const
{
    CWnd* pWnd = pGrid != nullptr ? pGrid->GetGridWnd() : nullptr;
    return pWnd != nullptr ? pWnd->GetSafeHwnd() : m_hGridWnd;
}

HRESULT CGXGenericViewerImpl::CreateStorage()
{
    CComHold<ILockBytes> lockBytes;
    HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &lockBytes);
    if (FAILED(hr))
        return hr;
    CComHold<IStorage> storage;
    hr = ::StgCreateDocfileOnILockBytes(
        lockBytes.p, STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
        &storage);
    if (FAILED(hr))
        return hr;
    m_interfaces.SetAt(keyLockBytes, lockBytes.Detach());
    m_interfaces.SetAt(keyStorage, storage.Detach());
    return S_OK;
}

HRESULT CGXGenericViewerImpl::Open(const CGXStyle& style, CGXGridCore* pGrid,
                                   CGXOlePreview* pControl, BOOL bShow)
{
    m_pControl = pControl;
    m_hGridWnd = GridWindowOf(pGrid);
    if (GetOleObject() != nullptr)
        return bShow ? Activate() : S_OK;
    std::vector<BYTE> block;
    if (IsByteArray(m_varObject)) {
        block = BytesOf(m_varObject);
    } else {
        const CGXOleVarUserAttribute* pAttr = style.HasUserAttribute(GX_IDS_UA_PICTUREDATA)
            ? dynamic_cast<const CGXOleVarUserAttribute*>(
                  &style.GetUserAttribute(GX_IDS_UA_PICTUREDATA))
            : nullptr;
        const VARTYPE vt = pAttr != nullptr ? pAttr->GetVariant().vt : VT_EMPTY;
        if (vt == VT_EMPTY || vt == VT_NULL)
            return gxOleNoObject;
        if (!IsByteArray(pAttr->GetVariant()))
            return gxOleClass;
        block = BytesOf(pAttr->GetVariant());
    }
    const HRESULT hr = LoadBlock(block, pGrid, bShow);
    if (hr != S_OK)
        Release();
    return hr;
}

HRESULT CGXGenericViewerImpl::LoadBlock(const std::vector<BYTE>& block, CGXGridCore* pGrid,
                                        BOOL bShow)
{
    // Every offset and length is checked against the block before anything is touched.
    CGXOleObjectHeader header;
    if (!header.Read(block.data(), block.size()))
        return gxOleClass;
    CLSID clsid;
    if (FAILED(::CLSIDFromProgID(Wide(header.m_strProgID).c_str(), &clsid)))
        return gxOleClass;
    const BYTE* pData = block.data() + header.m_nDataOffset;
    const size_t nData = header.m_nDataSize;
    if (nData == 0)
        return gxOleClass;
    HRESULT hr = CreateStorage();
    if (FAILED(hr))
        return gxOleMemory;
    IStorage* pStorage = GetStorage();

    size_t nNative = 0, nNativeLength = 0;
    if (CGXOleObjectHeader::FindNativeData(pData, nData, nNative, nNativeLength) &&
        CGXOleObjectHeader::IsCompoundFile(pData + nNative, nNativeLength)) {
        // An OLE 2 object travels in the stream as its whole storage: it is opened as it
        // stands and copied into the viewer's storage.
        HGLOBAL hNative = GlobalCopy(pData + nNative, nNativeLength);
        if (hNative == nullptr)
            return gxOleMemory;
        CComHold<ILockBytes> lockBytes;
        if (FAILED(::CreateILockBytesOnHGlobal(hNative, TRUE, &lockBytes))) {
            ::GlobalFree(hNative);
            return gxOleStream;
        }
        CComHold<IStorage> source;
        hr = ::StgOpenStorageOnILockBytes(lockBytes.p, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                                          nullptr, 0, &source);
        if (FAILED(hr))
            return gxOleStream;
        hr = source->CopyTo(0, nullptr, nullptr, pStorage);
    } else {
        HGLOBAL hData = GlobalCopy(pData, nData);
        if (hData == nullptr)
            return gxOleMemory;
        CComHold<IStream> stream;
        if (FAILED(::CreateStreamOnHGlobal(hData, TRUE, &stream))) {
            ::GlobalFree(hData);
            return gxOleStream;
        }
        GXOle1Stream ole1(stream.p);
        hr = ::OleConvertOLESTREAMToIStorage(&ole1, pStorage, nullptr);
    }
    if (FAILED(hr))
        return hr;

    CComHold<IOleObject> object;
    hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IOleObject, (void**)&object);
    if (FAILED(hr))
        return hr;
    m_interfaces.SetAt(keyObject, object.Detach());
    return Connect(pGrid, bShow);
}

HRESULT CGXGenericViewerImpl::Connect(CGXGridCore* pGrid, BOOL bShow)
{
    IOleObject* pObject = GetOleObject();
    if (pObject == nullptr)
        return gxOleSite;
    if (m_pSite == nullptr)
        m_pSite = new CGXClientSite(this);
    HRESULT hr = pObject->SetClientSite(m_pSite);
    if (FAILED(hr))
        return hr;
    CComHold<IPersistStorage> persist;
    hr = pObject->QueryInterface(IID_IPersistStorage, (void**)&persist);
    if (FAILED(hr))
        return hr;
    hr = persist->Load(GetStorage());
    if (FAILED(hr))
        return hr;
    if (bShow) {
        hr = pObject->DoVerb(OLEIVERB_SHOW, nullptr, m_pSite, 0, GridWindowOf(pGrid), nullptr);
        if (FAILED(hr))
            return hr;
    }
    if (m_pSink == nullptr)
        m_pSink = new CGXAdviseSink(this);
    hr = pObject->Advise(m_pSink, &m_nAdviseConnection);
    if (FAILED(hr))
        return hr;
    m_bRunning = TRUE;
    return S_OK;
}

HRESULT CGXGenericViewerImpl::Activate()
{
    IOleObject* pObject = GetOleObject();
    if (pObject == nullptr)
        return E_UNEXPECTED;
    m_bRunning = TRUE;
    return pObject->DoVerb(OLEIVERB_SHOW, nullptr, m_pSite, 0, m_hGridWnd, nullptr);
}

void CGXGenericViewerImpl::Close()
{
    if (IOleObject* pObject = GetOleObject()) {
        if (m_nAdviseConnection != 0)
            pObject->Unadvise(m_nAdviseConnection);
        m_nAdviseConnection = 0;
        if (m_bRunning)
            pObject->Close(OLECLOSE_NOSAVE);
    }
    m_bRunning = FALSE;
}

void CGXGenericViewerImpl::Release()
{
    Close();
    if (IOleObject* pObject = GetOleObject())
        pObject->SetClientSite(nullptr);
    m_interfaces.RemoveAll();
    if (m_pSite != nullptr) {
        m_pSite->ForgetViewer();
        m_pSite->Release();
        m_pSite = nullptr;
    }
    if (m_pSink != nullptr) {
        m_pSink->ForgetViewer();
        m_pSink->Release();
        m_pSink = nullptr;
    }
    ::VariantClear(&m_varObject);
}

void CGXGenericViewerImpl::OnObjectClosed() { m_bRunning = FALSE; }

HRESULT CGXGenericViewerImpl::SaveIntoStorage(BOOL bOnlyIfDirty)
{
    IOleObject* pObject = GetOleObject();
    IStorage* pStorage = GetStorage();
    if (pObject == nullptr || pStorage == nullptr)
        return E_UNEXPECTED;
    CComHold<IPersistStorage> persist;
    HRESULT hr = pObject->QueryInterface(IID_IPersistStorage, (void**)&persist);
    if (FAILED(hr))
        return hr;
    if (bOnlyIfDirty && persist->IsDirty() != S_OK)
        return S_OK;
    hr = ::OleSave(persist.p, pStorage, TRUE);
    persist->SaveCompleted(nullptr);
    return hr;
}

HRESULT CGXGenericViewerImpl::SaveObject()
{
    const HRESULT hr = SaveIntoStorage(TRUE);
    if (FAILED(hr))
        return hr;
    NotifyChanged();
    return S_OK;
}

HRESULT CGXGenericViewerImpl::SaveToVariant()
{
    HRESULT hr = SaveIntoStorage(FALSE);
    if (FAILED(hr))
        return hr;
    IOleObject* pObject = GetOleObject();
    IStorage* pStorage = GetStorage();
    pStorage->Commit(STGC_DEFAULT);

    // The header names the object's application type and its class's ProgID.
    CLSID clsid;
    hr = pObject->GetUserClassID(&clsid);
    if (FAILED(hr))
        return hr;
    LPOLESTR pszProgID = nullptr;
    hr = ::ProgIDFromCLSID(clsid, &pszProgID);
    if (FAILED(hr))
        return hr;
    const CString strProgID = Narrow(pszProgID);
    ::CoTaskMemFree(pszProgID);
    LPOLESTR pszUserType = nullptr;
    CString strUserType;
    if (SUCCEEDED(pObject->GetUserType(USERCLASSTYPE_APPNAME, &pszUserType))) {
        strUserType = Narrow(pszUserType);
        ::CoTaskMemFree(pszUserType);
    }

    CComHold<IStream> stream;
    hr = ::CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr))
        return gxOleStream;
    GXOle1Stream ole1(stream.p);
    hr = ::OleConvertIStorageToOLESTREAM(pStorage, &ole1);
    if (FAILED(hr))
        return hr;
    HGLOBAL hStream = nullptr;
    if (FAILED(::GetHGlobalFromStream(stream.p, &hStream)) || ole1.nBytes == 0)
        return gxOleStream;
    const BYTE* pStreamBytes = static_cast<const BYTE*>(::GlobalLock(hStream));
    if (pStreamBytes == nullptr)
        return gxOleMemory;
    const std::vector<BYTE> block =
        CGXOleObjectHeader::BuildBlock(strUserType, strProgID, pStreamBytes, ole1.nBytes);
    ::GlobalUnlock(hStream);

    SAFEARRAY* pArray = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)block.size());
    if (pArray == nullptr)
        return gxOleMemory;
    void* pv = nullptr;
    if (FAILED(::SafeArrayAccessData(pArray, &pv))) {
        ::SafeArrayDestroy(pArray);
        return gxOleMemory;
    }
    memcpy(pv, block.data(), block.size());
    ::SafeArrayUnaccessData(pArray);
    ::VariantClear(&m_varObject);
    m_varObject.vt = VT_ARRAY | VT_UI1;
    m_varObject.parray = pArray;
    return S_OK;
}

BOOL CGXGenericViewerImpl::CanPaste() const
{
    CComHold<IDataObject> data;
    return SUCCEEDED(::OleGetClipboard(&data)) && data.p != nullptr;
}

HRESULT CGXGenericViewerImpl::PasteFromClipboard(CGXGridCore* pGrid, CGXOlePreview* pControl)
{
    CComHold<IDataObject> data;
    HRESULT hr = ::OleGetClipboard(&data);
    if (FAILED(hr))
        return hr;
    Release();
    m_pControl = pControl;
    m_hGridWnd = GridWindowOf(pGrid);
    hr = CreateStorage();
    if (FAILED(hr))
        return gxOleMemory;
    m_pSite = new CGXClientSite(this);
    CComHold<IOleObject> object;
    hr = ::OleCreateFromData(data.p, IID_IOleObject, OLERENDER_DRAW, nullptr, m_pSite, GetStorage(),
                             (void**)&object);
    if (FAILED(hr)) {
        Release();
        return hr;
    }
    m_interfaces.SetAt(keyObject, object.Detach());
    return S_OK;
}

HRESULT CGXGenericViewerImpl::CopyToDataObject(IDataObject** ppData)
{
    if (ppData == nullptr)
        return E_POINTER;
    *ppData = nullptr;
    IOleObject* pObject = GetOleObject();
    if (pObject == nullptr)
        return E_UNEXPECTED;
    if (SUCCEEDED(pObject->GetClipboardData(0, ppData)) && *ppData != nullptr)
        return S_OK;
    return pObject->QueryInterface(IID_IDataObject, (void**)ppData);
}

HRESULT CGXGenericViewerImpl::InsertNewObject(CGXGridCore* pGrid, CGXOlePreview* pControl)
{
    Release();
    m_pControl = pControl;
    m_hGridWnd = GridWindowOf(pGrid);
    HRESULT hr = CreateStorage();
    if (FAILED(hr))
        return gxOleMemory;
    m_pSite = new CGXClientSite(this);
    IOleObject* pObject = nullptr;

    // The system's Insert Object dialog, asked through the modal seam first.
    AFX_MODAL_REQUEST request = {};
    request.nKind = afxModalCommonDialog;
    request.hWndOwner = m_hGridWnd;
    GXLoadString(20205, request.strCaption);
    AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);
    UINT nResult = OLEUI_CANCEL;
    if (reply.nAction == AFX_MODAL_REPLY::answer) {
        nResult = (UINT)reply.nResult;
    } else {
        typedef UINT(WINAPI * PFNINSERT)(LPOLEUIINSERTOBJECTA);
        HMODULE hDlg = ::LoadLibraryA("oledlg.dll");
        PFNINSERT pfn = hDlg != nullptr
            ? (PFNINSERT)(void*)::GetProcAddress(hDlg, MAKEINTRESOURCEA(3))
            : nullptr;
        if (pfn != nullptr) {
            char szFile[MAX_PATH] = "";
            CString strCaption = request.strCaption;
            OLEUIINSERTOBJECTA io = {};
            io.cbStruct = sizeof io;
            io.dwFlags = 34; // create a new object, the new-object choice selected
            io.hWndOwner = m_hGridWnd;
            io.lpszCaption = strCaption;
            io.iid = IID_IOleObject;
            io.oleRender = OLERENDER_DRAW;
            io.lpIOleClientSite = m_pSite;
            io.lpIStorage = GetStorage();
            io.ppvObj = (void**)&pObject;
            io.lpszFile = szFile;
            io.cchFile = MAX_PATH;
            nResult = pfn(&io);
        } else {
            nResult = OLEUI_ERR_STANDARDMAX; // no dialog library: the insertion failed
        }
        if (hDlg != nullptr)
            ::FreeLibrary(hDlg);
    }
    if (nResult != OLEUI_OK || pObject == nullptr) {
        if (pObject != nullptr)
            pObject->Release();
        Release();
        return nResult == OLEUI_CANCEL || nResult == OLEUI_OK ? S_FALSE : E_FAIL;
    }
    m_interfaces.SetAt(keyObject, pObject);
    hr = pObject->DoVerb(OLEIVERB_SHOW, nullptr, m_pSite, 0, m_hGridWnd, nullptr);
    if (SUCCEEDED(hr)) {
        m_pSink = new CGXAdviseSink(this);
        hr = pObject->Advise(m_pSink, &m_nAdviseConnection);
    }
    if (FAILED(hr)) {
        Release();
        return hr;
    }
    m_bRunning = TRUE;
    return S_OK;
}

CGXOleViewer* CGXViewerManager::GetViewer(long nKey)
{
    CGXOleViewer* pViewer = Lookup((DWORD)nKey);
    if (pViewer == nullptr) {
        pViewer = new CGXGenericViewerImpl;
        SetAt((DWORD)nKey, pViewer);
    }
    return pViewer;
}
