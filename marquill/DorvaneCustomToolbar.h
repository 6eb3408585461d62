// The customisable toolbar: a toolbar with button objects (drop-down menus, controls in a
// button's place) that get their own command updates, and an OLE drop target for toolbar
// buttons carried in the clipboard format "CDorvaneCustomToolbarFormat" (copied from
// another toolbar, with their image, or moved within this one). Its buttons can be saved
// to the profile and restored; a saved state that does not read back gives the defaults.
#pragma once
#include "ToolBarButton.h"
#include "fw/oledragdrop.h"

// A dragged toolbar button. Archive: version (1), source toolbar (the button's data word,
// else the source toolbar's resource id), source index, bitmap index, command (4 bytes
// each), state, style (1 byte each), data word, string index (4 bytes each), then the
// button object or null.
class CCustomToolbarDragItem : public CObject
{
    DECLARE_SERIAL(CCustomToolbarDragItem)
public:
    CCustomToolbarDragItem();
    ~CCustomToolbarDragItem() override;
    void Serialize(CArchive& ar) override;

    int m_nVersion;
    DWORD m_dwSourceToolbar;
    int m_nSourceIndex;
    int m_iBitmap;
    int m_idCommand;
    BYTE m_fsState;
    BYTE m_fsStyle;
    DWORD m_dwData;
    int m_iString;
    CToolBarButton* m_pButton; // owned
    BOOL m_bValid; // not stored: set once loaded
};

class CDorvaneCustomToolbar;

// Forwards the drop operations to the toolbar it is registered for.
class CDorvaneOleDropTarget : public COleDropTarget
{
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                           CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                          CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                        DROPEFFECT dropList, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;
};

// The update object of a button of the customisable toolbar.
class CDorvaneCustomToolbarCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override;
    void SetCheck(int nCheck) override;
    void SetText(LPCSTR lpszText) override;

    CToolBarButton* m_pButtonObject = nullptr; // of the button being updated, if any
};

class CDorvaneCustomToolbar : public CToolBar
{
    DECLARE_DYNAMIC(CDorvaneCustomToolbar)
public:
    CDorvaneCustomToolbar();
    ~CDorvaneCustomToolbar() override;

    // Keeps the id and loads the toolbar resource its low word names.
    BOOL LoadToolBar(UINT nIDResource);
    // Replaces the button object of nCommand by a new menu button (menu nMenuID, when
    // not 0); a negative index is looked up. Answers the new object.
    CToolBarButton* SetButtonObject(int nCommand, int nIndex, int nReserved1, int nReserved2,
                                    int nMenuID);
    CToolBarButton* FindButtonObject(int nCommand) const;
    // The private clipboard format (registered once per process).
    static CLIPFORMAT GetClipboardFormat();

    // The drop operations (point in client coordinates).
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave();
    virtual DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point);
    // Start-up of the button objects (WM_INITIALUPDATE); FALSE stops it.
    virtual BOOL OnStartup();

    // The drag of one of this bar's buttons (the drag source): the item goes into the
    // private format and the system's drag loop runs; a button dragged off the bar and
    // dropped nowhere is removed. Answers the effect.
    DROPEFFECT DragButton(int nIndex, COleDropSource* pDropSource = nullptr);
    // The drag item of a button of this bar.
    void MakeDragItem(int nIndex, CCustomToolbarDragItem& item) const;

    // The buttons (and images copied from other bars) in the profile section, and back.
    // Restoring what cannot be read (another version, damaged) gives the default buttons
    // of the toolbar resource and FALSE.
    BOOL SaveState(LPCSTR lpszSection, LPCSTR lpszEntry = "Buttons");
    BOOL RestoreState(LPCSTR lpszSection, LPCSTR lpszEntry = "Buttons");

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Adjacent separators become one, the controls are placed again, the frame lays out.
    void Tidy();

    CDorvaneOleDropTarget m_dropTarget;
    BYTE m_bLeftDuringDrag;
    BYTE m_bCustomising;
    BYTE m_bDraggingFromHere;
    int m_nResourceID;
    CString m_strName;
    CObList m_buttons; // CToolBarButton objects, owned

protected:
    // The button under a client point (the item rectangle widened by a pixel right and
    // down), or -1.
    int HitTestButton(CPoint point) const;
    // Appends image iImage of the source toolbar's bitmap to this bar's; answers the new
    // image's index (-1 when it cannot).
    int CopyImageFrom(UINT nSourceResource, int iImage);
    void RemoveButtonObject(int nCommand);
    void DeleteButtonObjects();
    // Puts the default buttons of the resource back.
    void LoadDefaults();

    // Images this bar took from other bars, in order: (source resource, image).
    struct CopiedImage
    {
        UINT nSourceResource;
        int iImage;
    };
    std::vector<CopiedImage> m_copiedImages;
    int m_nImagesLoaded; // the images of the bar's own bitmap

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
