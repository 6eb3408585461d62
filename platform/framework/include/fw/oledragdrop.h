// OLE drag and drop on the system's OLE: COleDataObject reads a data object (dropped, or
// the clipboard's), COleDataSource offers data (global memory per clipboard format) for a
// drag or the clipboard, COleDropSource decides how a drag goes on, and COleDropTarget
// makes a window a place to drop on, calling its virtual operations. The thread must have
// OLE initialised (OleInitialize, AfxOleInit).
#pragma once
#include "fw/win.h"

#include <ole2.h>

#include <vector>

typedef DWORD DROPEFFECT;

class CFile;

class FW_API COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // A copy of the data in global memory (the caller frees it), or null.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // The data as a file to read (the caller deletes it), or null.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

protected:
    LPDATAOBJECT m_lpDataObject;
    LPENUMFORMATETC m_lpEnumerator;
    BOOL m_bAutoRelease;
};

// Decides whether a drag goes on, drops or ends: the mouse button let go drops, Esc or
// the other button cancels.
class FW_API COleDropSource
{
public:
    COleDropSource();
    virtual ~COleDropSource();
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The system's interface onto this object.
    IDropSource* GetInterface();

    DWORD m_dwButtonCancel; // buttons that cancel
    DWORD m_dwButtonDrop; // the button whose release drops

private:
    struct XDropSource;
    XDropSource* m_pInterface;
};

class FW_API COleDataSource
{
public:
    COleDataSource();
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers hGlobal as cfFormat; the source owns it from then on.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();
    // Runs the system's drag loop; answers the effect the target chose (DROPEFFECT_NONE
    // when nothing was dropped). With no drop source, the standard one decides.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);
    // Puts the data on the clipboard (the clipboard holds a reference).
    void SetClipboard();

    // The system's interface onto this object (one reference added).
    LPDATAOBJECT GetDataObject();

private:
    struct XDataObject;
    friend struct XDataObject;
    struct Entry
    {
        FORMATETC formatEtc;
        HGLOBAL hGlobal;
    };
    std::vector<Entry> m_entries;
    XDataObject* m_pInterface;
};

// A window to drop on. Register binds it to the window; the virtual operations get the
// window, the data offered, the keys and the point (client coordinates) and answer what
// a drop would do.
class FW_API COleDropTarget
{
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    // Answers (DROPEFFECT)-1 when it leaves the drop to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The system's interface onto this object (what RegisterDragDrop got).
    IDropTarget* GetInterface();

    HWND m_hWnd; // the window registered

private:
    struct XDropTarget;
    friend struct XDropTarget;
    XDropTarget* m_pInterface;
    COleDataObject m_dataObject; // the data of the drag under way
    DROPEFFECT m_dropEffectCurrent; // what the last enter or over answered
};
