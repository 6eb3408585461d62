// The client site and advise sink of OLE object cells.
#include "controls/GXOleSites.h"
#include "controls/GXOleViewer.h"

HRESULT STDMETHODCALLTYPE CGXClientSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
        *ppv = static_cast<IOleClientSite*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CGXClientSite::AddRef() { return (ULONG)::InterlockedIncrement(&m_nRefs); }

ULONG STDMETHODCALLTYPE CGXClientSite::Release()
{
    const LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0)
        delete this;
    return (ULONG)n;
}

HRESULT STDMETHODCALLTYPE CGXClientSite::SaveObject()
{
    return m_pViewer != nullptr ? m_pViewer->SaveObject() : E_UNEXPECTED;
}

HRESULT STDMETHODCALLTYPE CGXClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXClientSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXAdviseSink::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IAdviseSink) {
        *ppv = static_cast<IAdviseSink*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CGXAdviseSink::AddRef() { return (ULONG)::InterlockedIncrement(&m_nRefs); }

ULONG STDMETHODCALLTYPE CGXAdviseSink::Release()
{
    const LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0)
        delete this;
    return (ULONG)n;
}

void STDMETHODCALLTYPE CGXAdviseSink::OnClose()
{
    if (m_pViewer != nullptr)
        m_pViewer->OnObjectClosed();
}
