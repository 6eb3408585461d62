// The OLE object cell of a browser grid's database column: the cell is drawn as static text
// with a small button at its top right; the button opens the stored object in its server,
// the clipboard commands copy, cut and paste the object, Delete clears it, and a changed
// object is stored back into the cell as a new block.
#pragma once
#include "controls/GXStatic.h"

class CGXHotSpotButton;
class CGXOleViewer;
class CGXViewerManager;

class CGXOlePreview : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXOlePreview)
public:
    // Without a manager the control makes its own; either way it owns it.
    explicit CGXOlePreview(CGXGridCore* pGrid, CGXViewerManager* pManager = nullptr);
    ~CGXOlePreview() override;

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void SetActive(BOOL bActive) override { m_bActive = bActive; }
    BOOL IsActive() override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() override { return m_bModified; }
    BOOL Store() override;
    BOOL QueryCancelEdit() override;
    BOOL NotifyCellLeft(ROWCOL nNewRow, ROWCOL nNewCol) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    void OnChildButtonClicked(CGXChild* pChild) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Cut() override;
    BOOL Paste() override;
    BOOL CanCut() override;
    BOOL CanPaste() override;

    // The cell's attribute holds a stored object (a byte array).
    virtual BOOL HasStoredObject();
    // Before the server takes the focus: the grid does not treat the focus change as its
    // own, keys queued for the focused window are dropped and the cell is scrolled into
    // view. The window that had the focus.
    virtual HWND PrepareFocusChange();
    // Gives the focus back and lowers the grid's activation lock.
    virtual void RestoreFocus(HWND hFocus);
    // Raises the library's focus-change lock while the server runs (the old value kept).
    virtual void SaveFocusLock();
    virtual void RestoreFocusLock();
    // Closes the object the open viewer holds (telling the user with message 20206 first
    // when bAsk) and releases it.
    virtual void CloseOpenViewer(BOOL bAsk);
    // The viewer for the bound cell (its key from the viewer-key attribute, -1 without).
    virtual CGXOleViewer* GetViewerForCell();

    CGXOleViewer* GetOpenViewer() const { return m_pOpenViewer; }
    CGXViewerManager* GetViewerManager() const { return m_pViewerManager; }
    CGXHotSpotButton* GetButton() const { return m_pButton; }

    // The width the button takes from the text at the right.
    enum { nButtonSize = 13 };

protected:
    // Shows a failure: the message for the viewer's own codes, the system's text for an
    // OLE error (the message when the system has none).
    void ReportFailure(HRESULT hr, UINT nMessage);
    CGXOleViewer* PutObjectOnClipboard(UINT nMessage);
    // The cell may be changed (bound, not read-only, the grid agrees to editing).
    BOOL MayEdit();
    // The cell's object was changed (cleared, cut or pasted) in pViewer: it becomes the
    // open viewer, to be stored with the cell, and the cell is marked modified; TRUE.
    BOOL KeepChangedObject(CGXOleViewer* pViewer);

    CGXViewerManager* m_pViewerManager; // owned
    CGXHotSpotButton* m_pButton; // a child of the control
    CGXOleViewer* m_pOpenViewer; // the viewer holding this cell's object, or null
    BOOL m_bSavedFocusLock;
    BOOL m_bActive;
    BOOL m_bModified;
};
