// The viewers of OLE object cells: a viewer takes a cell's stored object (the bytes of
// its OLE-variant attribute), runs it in its server, keeps it while it is open and saves it
// back into a new block for the cell. CGXViewerManager hands out one viewer per key.
#pragma once
#include "core/GXDefs.h"
#include "core/GXNodeManager.h"
#include "fw/win.h"

#include <ole2.h>
#include <vector>

class CGXGridCore;
class CGXStyle;
class CGXOlePreview;
class CGXClientSite;
class CGXAdviseSink;

// Viewer results: 0 done; the codes 2 to 5 of the viewer's own failures (the cell's message
// 20134 tells of them); anything else is the failing OLE call's HRESULT.
enum GXOleViewerError {
    gxOleOk = 0,
    gxOleMemory = 2,
    gxOleClass = 3, // a damaged block, an unknown ProgID or no data
    gxOleStream = 4,
    gxOleSite = 5,
    gxOleNoObject = 0x100 // the cell holds no object (the Insert Object step follows)
};

class CGXOleViewer
{
public:
    virtual ~CGXOleViewer() = default;
    // The control goes away: the viewer no longer tells it anything.
    virtual void ForgetControl() = 0;
    // The object changed in its server: the control is modified.
    virtual void NotifyChanged() = 0;

    // Loads the object (from the viewer's own variant when it holds one, else from the
    // style's attribute) and runs it; with bShow its server shows it.
    virtual HRESULT Open(const CGXStyle& style, CGXGridCore* pGrid, CGXOlePreview* pControl,
                         BOOL bShow) = 0;
    // Brings the running object forward.
    virtual HRESULT Activate() = 0;
    // Ends the running object and its advise connection (the object stays loaded).
    virtual void Close() = 0;
    // Gives up the object, its storage and the kept variant.
    virtual void Release() = 0;
    // Saves the object into a new block, kept as the viewer's variant.
    virtual HRESULT SaveToVariant() = 0;
    virtual const VARIANT& GetVariant() const = 0;
    virtual IStorage* GetStorage() const = 0;
    virtual IOleObject* GetOleObject() const = 0;
    virtual BOOL HasObject() const = 0;
    virtual BOOL IsRunning() const = 0;
    virtual BOOL CanPaste() const = 0;
    virtual HRESULT PasteFromClipboard(CGXGridCore* pGrid, CGXOlePreview* pControl) = 0;
    virtual HRESULT CopyToDataObject(IDataObject** ppData) = 0;
    virtual HRESULT InsertNewObject(CGXGridCore* pGrid, CGXOlePreview* pControl) = 0;
    // The object told its container it closed.
    virtual void OnObjectClosed() = 0;
    // The site asks for the object to be saved into its storage.
    virtual HRESULT SaveObject() = 0;
};

class CGXGenericViewerImpl : public CGXOleViewer
{
public:
    CGXGenericViewerImpl();
    ~CGXGenericViewerImpl() override;

    void ForgetControl() override { m_pControl = nullptr; }
    void NotifyChanged() override;
    HRESULT Open(const CGXStyle& style, CGXGridCore* pGrid, CGXOlePreview* pControl,
                 BOOL bShow) override;
    HRESULT Activate() override;
    void Close() override;
    void Release() override;
    HRESULT SaveToVariant() override;
    const VARIANT& GetVariant() const override { return m_varObject; }
    IStorage* GetStorage() const override;
    IOleObject* GetOleObject() const override;
    BOOL HasObject() const override;
    BOOL IsRunning() const override { return m_bRunning; }
    BOOL CanPaste() const override;
    HRESULT PasteFromClipboard(CGXGridCore* pGrid, CGXOlePreview* pControl) override;
    HRESULT CopyToDataObject(IDataObject** ppData) override;
    HRESULT InsertNewObject(CGXGridCore* pGrid, CGXOlePreview* pControl) override;
    void OnObjectClosed() override;
    HRESULT SaveObject() override;

    // The variant holds a byte array (VT_ARRAY | VT_UI1).
    static BOOL IsByteArray(const VARIANT& var);
    // The bytes of a byte-array variant (empty for any other).
    static std::vector<BYTE> BytesOf(const VARIANT& var);
    // A new storage on global memory (with its lock bytes kept in the interface map).
    HRESULT CreateStorage();

protected:
    enum { keyObject = 1, keyStorage = 2, keyLockBytes = 3 };
    // Loads the object of a stored block into a new storage and runs it.
    HRESULT LoadBlock(const std::vector<BYTE>& block, CGXGridCore* pGrid, BOOL bShow);
    // Sets the client site, shows the object when asked and connects the advise sink.
    HRESULT Connect(CGXGridCore* pGrid, BOOL bShow);
    HWND GridWindowOf(CGXGridCore* pGrid) const;
    // Saves the object into its storage (with bOnlyIfDirty, only an object with unsaved
    // changes); E_UNEXPECTED without an object or storage.
    HRESULT SaveIntoStorage(BOOL bOnlyIfDirty);

    CGXOlePreview* m_pControl;
    VARIANT m_varObject;
    CGXInterfaceManager<IUnknown> m_interfaces;
    CGXClientSite* m_pSite; // one reference held while the object is loaded
    CGXAdviseSink* m_pSink; // one reference held while connected
    DWORD m_nAdviseConnection;
    BOOL m_bRunning;
    HWND m_hGridWnd;
};

// A key-to-viewer map; viewers are made on first use and deleted with the manager.
class CGXViewerManager : public CGXNodeManager<CGXOleViewer>
{
public:
    explicit CGXViewerManager(CObject* pContext = nullptr) : m_pContext(pContext) { }
    ~CGXViewerManager() override { delete m_pContext; }
    CGXViewerManager(const CGXViewerManager&) = delete;
    CGXViewerManager& operator=(const CGXViewerManager&) = delete;

    virtual CGXOleViewer* GetViewer(long nKey);
    CObject* GetContext() const { return m_pContext; }

private:
    CObject* m_pContext; // owned
};

// What an application's browser grid may add: the viewer for a bound cell (it may replace
// the one the manager chose).
class CGXOleViewerHook
{
public:
    virtual ~CGXOleViewerHook() = default;
    virtual CGXOleViewer* OnGetOleViewer(ROWCOL nRow, ROWCOL nCol, long nKey,
                                         CGXOleViewer* pViewer) = 0;
};
