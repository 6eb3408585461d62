// The container side an OLE object cell gives to the object it runs: the client site (the
// object saves itself through it) and the advise sink (the object tells of its closing).
// Each starts with one reference and deletes itself when the last is released.
#pragma once
#include "fw/win.h"

#include <ole2.h>

class CGXOleViewer;

class CGXClientSite : public IOleClientSite
{
public:
    explicit CGXClientSite(CGXOleViewer* pViewer) : m_nRefs(1), m_pViewer(pViewer) { }
    CGXClientSite(const CGXClientSite&) = delete;
    CGXClientSite& operator=(const CGXClientSite&) = delete;
    // The viewer goes: later calls find none.
    void ForgetViewer() { m_pViewer = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

private:
    virtual ~CGXClientSite() = default;
    LONG m_nRefs;
    CGXOleViewer* m_pViewer;
};

class CGXAdviseSink : public IAdviseSink
{
public:
    explicit CGXAdviseSink(CGXOleViewer* pViewer) : m_nRefs(1), m_pViewer(pViewer) { }
    CGXAdviseSink(const CGXAdviseSink&) = delete;
    CGXAdviseSink& operator=(const CGXAdviseSink&) = delete;
    void ForgetViewer() { m_pViewer = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    void STDMETHODCALLTYPE OnDataChange(FORMATETC*, STGMEDIUM*) override { }
    void STDMETHODCALLTYPE OnViewChange(DWORD, LONG) override { }
    void STDMETHODCALLTYPE OnRename(IMoniker*) override { }
    void STDMETHODCALLTYPE OnSave() override { }
    void STDMETHODCALLTYPE OnClose() override;

private:
    virtual ~CGXAdviseSink() = default;
    LONG m_nRefs;
    CGXOleViewer* m_pViewer;
};
