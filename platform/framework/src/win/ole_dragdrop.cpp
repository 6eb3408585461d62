// OLE drag and drop: the data object reader, the data source with its IDataObject, the
// drop source and the drop target with their system interfaces.
#include "fw/oledragdrop.h"

#include <atomic>

namespace {

// A copy of a global memory block (the data offered stays the source's).
HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    SIZE_T cb = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (hCopy == nullptr)
        return nullptr;
    void* pSource = ::GlobalLock(hSource);
    void* pCopy = ::GlobalLock(hCopy);
    if (pSource != nullptr && pCopy != nullptr)
        memcpy(pCopy, pSource, cb);
    if (pCopy != nullptr)
        ::GlobalUnlock(hCopy);
    if (pSource != nullptr)
        ::GlobalUnlock(hSource);
    if (pSource == nullptr || pCopy == nullptr) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    return hCopy;
}

FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc != nullptr)
        return *lpFormatEtc;
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return formatEtc;
}

// The formats a data source offers, one by one.
class CFormatEnumerator : public IEnumFORMATETC
{
public:
    explicit CFormatEnumerator(std::vector<FORMATETC> formats, ULONG nNext = 0)
        : m_formats(std::move(formats)), m_nNext(nNext)
    { }
    virtual ~CFormatEnumerator() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IEnumFORMATETC) {
            *ppv = static_cast<IEnumFORMATETC*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_cRef; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG cRef = --m_cRef;
        if (cRef == 0)
            delete this;
        return cRef;
    }
    STDMETHODIMP Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override
    {
        ULONG nFetched = 0;
        while (nFetched < celt && m_nNext < m_formats.size())
            rgelt[nFetched++] = m_formats[m_nNext++];
        if (pceltFetched != nullptr)
            *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG celt) override
    {
        m_nNext = std::min<ULONG>((ULONG)m_formats.size(), m_nNext + celt);
        return m_nNext < m_formats.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumFORMATETC** ppEnum) override
    {
        *ppEnum = new CFormatEnumerator(m_formats, m_nNext);
        return S_OK;
    }

private:
    std::vector<FORMATETC> m_formats;
    ULONG m_nNext;
    std::atomic<ULONG> m_cRef {1};
};

} // namespace

// --- COleDataObject ---------------------------------------------------------------------------

COleDataObject::COleDataObject()
    : m_lpDataObject(nullptr), m_lpEnumerator(nullptr), m_bAutoRelease(TRUE)
{ }

COleDataObject::~COleDataObject() { Release(); }

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != nullptr) {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != nullptr && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == nullptr)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (m_lpDataObject != nullptr && bAddRef)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc);
    if (lpFormatEtc == nullptr)
        formatEtc.tymed = TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_FILE;
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc);
    return SUCCEEDED(m_lpDataObject->GetData(&formatEtc, lpStgMedium));
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM medium = {};
    if (!GetData(cfFormat, &medium, lpFormatEtc))
        return nullptr;
    HGLOBAL hResult = nullptr;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        // The caller frees what it gets: a block the source keeps is copied.
        if (medium.pUnkForRelease == nullptr) {
            hResult = medium.hGlobal;
            medium.hGlobal = nullptr;
        } else {
            hResult = CopyGlobal(medium.hGlobal);
        }
    }
    if (medium.hGlobal != nullptr || medium.pUnkForRelease != nullptr)
        ::ReleaseStgMedium(&medium);
    return hResult;
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    HGLOBAL hGlobal = GetGlobalData(cfFormat, lpFormatEtc);
    if (hGlobal == nullptr)
        return nullptr;
    CSharedFile* pFile = new CSharedFile(GMEM_MOVEABLE);
    pFile->SetHandle(hGlobal, FALSE);
    return pFile;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != nullptr) {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    if (m_lpDataObject != nullptr)
        m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator);
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == nullptr)
        return FALSE;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    if (lpFormatEtc->ptd != nullptr) {
        ::CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = nullptr;
    }
    return TRUE;
}

// --- COleDropSource ----------------------------------------------------------------------------

struct COleDropSource::XDropSource : public IDropSource
{
    explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner) { }
    virtual ~XDropSource() = default;
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *ppv = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // The object lives as long as its owner, whatever the counts say.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override { return m_pOwner->GiveFeedback(dwEffect); }
    COleDropSource* m_pOwner;
};

COleDropSource::COleDropSource()
    : m_dwButtonCancel(0), m_dwButtonDrop(0), m_pInterface(new XDropSource(this))
{ }

COleDropSource::~COleDropSource() { delete m_pInterface; }

IDropSource* COleDropSource::GetInterface() { return m_pInterface; }

BOOL COleDropSource::OnBeginDrag(CWnd*) { return TRUE; }

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    // The button that started the drag is the one whose release drops.
    if (m_dwButtonDrop == 0)
        m_dwButtonDrop = dwKeyState & (MK_LBUTTON | MK_MBUTTON | MK_RBUTTON);
    if (m_dwButtonDrop == 0)
        m_dwButtonDrop = MK_LBUTTON;
    m_dwButtonCancel = (MK_LBUTTON | MK_MBUTTON | MK_RBUTTON) & ~m_dwButtonDrop;
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT) { return DRAGDROP_S_USEDEFAULTCURSORS; }

// --- COleDataSource ----------------------------------------------------------------------------

struct COleDataSource::XDataObject : public IDataObject
{
    explicit XDataObject(COleDataSource* pOwner) : m_pOwner(pOwner) { }
    virtual ~XDataObject() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Counted so the clipboard may keep it; the owner frees it once it is let go.
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_cRef; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG cRef = --m_cRef;
        if (cRef == 0) {
            if (m_pOwner != nullptr)
                m_pOwner->m_pInterface = nullptr;
            delete this;
        }
        return cRef;
    }

    const Entry* Find(const FORMATETC* pFormatEtc) const
    {
        if (m_pOwner == nullptr)
            return nullptr;
        for (const Entry& entry : m_pOwner->m_entries)
            if (entry.formatEtc.cfFormat == pFormatEtc->cfFormat &&
                (entry.formatEtc.tymed & pFormatEtc->tymed) &&
                entry.formatEtc.dwAspect == pFormatEtc->dwAspect)
                return &entry;
        return nullptr;
    }
    STDMETHODIMP GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override
    {
        const Entry* pEntry = Find(pFormatEtc);
        if (pEntry == nullptr)
            return DV_E_FORMATETC;
        HGLOBAL hCopy = CopyGlobal(pEntry->hGlobal);
        if (hCopy == nullptr)
            return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* pFormatEtc) override
    {
        return Find(pFormatEtc) != nullptr ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        if (pOut != nullptr)
            pOut->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        if (m_pOwner != nullptr)
            for (const Entry& entry : m_pOwner->m_entries)
                formats.push_back(entry.formatEtc);
        *ppEnum = new CFormatEnumerator(std::move(formats));
        return S_OK;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    COleDataSource* m_pOwner;
    std::atomic<ULONG> m_cRef {1};
};

COleDataSource::COleDataSource() : m_pInterface(nullptr) { }

COleDataSource::~COleDataSource()
{
    // A clipboard still holding the interface gets no data from now on.
    if (m_pInterface != nullptr) {
        m_pInterface->m_pOwner = nullptr;
        m_pInterface->Release();
        m_pInterface = nullptr;
    }
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc);
    formatEtc.tymed = TYMED_HGLOBAL;
    for (Entry& entry : m_entries) {
        if (entry.formatEtc.cfFormat == cfFormat) {
            ::GlobalFree(entry.hGlobal);
            entry.hGlobal = hGlobal;
            return;
        }
    }
    m_entries.push_back(Entry {formatEtc, hGlobal});
}

void COleDataSource::Empty()
{
    for (Entry& entry : m_entries)
        ::GlobalFree(entry.hGlobal);
    m_entries.clear();
}

LPDATAOBJECT COleDataSource::GetDataObject()
{
    if (m_pInterface == nullptr)
        m_pInterface = new XDataObject(this); // our own reference
    m_pInterface->AddRef();
    return m_pInterface;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource)
{
    COleDropSource dropSourceDefault;
    if (pDropSource == nullptr)
        pDropSource = &dropSourceDefault;
    LPDATAOBJECT lpDataObject = GetDataObject();
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(lpDataObject, pDropSource->GetInterface(), dwEffects, &dwResult);
    lpDataObject->Release();
    return hr == DRAGDROP_S_DROP ? dwResult : DROPEFFECT_NONE;
}

void COleDataSource::SetClipboard()
{
    LPDATAOBJECT lpDataObject = GetDataObject();
    ::OleSetClipboard(lpDataObject);
    lpDataObject->Release();
}

// --- COleDropTarget ---------------------------------------------------------------------------

struct COleDropTarget::XDropTarget : public IDropTarget
{
    explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) { }
    virtual ~XDropTarget() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *ppv = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as its owner, which revokes the registration first.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    CWnd* Window(POINTL pt, CPoint& point) const
    {
        point = CPoint(pt.x, pt.y);
        ::ScreenToClient(m_pOwner->m_hWnd, &point);
        return CWnd::FromHandle(m_pOwner->m_hWnd);
    }
    STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                           DWORD* pdwEffect) override
    {
        CPoint point;
        CWnd* pWnd = Window(pt, point);
        pDataObj->AddRef();
        m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
        DROPEFFECT effect =
            m_pOwner->OnDragEnter(pWnd, &m_pOwner->m_dataObject, grfKeyState, point) & *pdwEffect;
        m_pOwner->m_dropEffectCurrent = effect;
        *pdwEffect = effect;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        CPoint point;
        CWnd* pWnd = Window(pt, point);
        DROPEFFECT effect = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
        if (!(effect & DROPEFFECT_SCROLL))
            effect = m_pOwner->OnDragOver(pWnd, &m_pOwner->m_dataObject, grfKeyState, point);
        effect &= *pdwEffect | DROPEFFECT_SCROLL;
        m_pOwner->m_dropEffectCurrent = effect;
        *pdwEffect = effect;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override
    {
        m_pOwner->OnDragLeave(CWnd::FromHandle(m_pOwner->m_hWnd));
        m_pOwner->m_dataObject.Release();
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                      DWORD* pdwEffect) override
    {
        CPoint point;
        CWnd* pWnd = Window(pt, point);
        pDataObj->AddRef();
        m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
        // What the last move said, asked again at the drop point.
        DROPEFFECT dropDefault =
            m_pOwner->OnDragOver(pWnd, &m_pOwner->m_dataObject, grfKeyState, point) & *pdwEffect;
        DROPEFFECT effect =
            m_pOwner->OnDropEx(pWnd, &m_pOwner->m_dataObject, dropDefault, *pdwEffect, point);
        if (effect == (DROPEFFECT)-1) {
            effect = dropDefault;
            if (effect != DROPEFFECT_NONE &&
                !m_pOwner->OnDrop(pWnd, &m_pOwner->m_dataObject, effect, point))
                effect = DROPEFFECT_NONE;
        }
        m_pOwner->OnDragLeave(pWnd);
        m_pOwner->m_dataObject.Release();
        *pdwEffect = effect;
        return S_OK;
    }

    COleDropTarget* m_pOwner;
};

COleDropTarget::COleDropTarget()
    : m_hWnd(nullptr), m_pInterface(new XDropTarget(this)), m_dropEffectCurrent(DROPEFFECT_NONE)
{ }

COleDropTarget::~COleDropTarget()
{
    Revoke();
    delete m_pInterface;
}

IDropTarget* COleDropTarget::GetInterface() { return m_pInterface; }

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, m_pInterface)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    if (::IsWindow(m_hWnd))
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

void COleDropTarget::OnDragLeave(CWnd*) { }

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }
