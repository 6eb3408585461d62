// Print preview. CView::DoPrintPreview puts the application's main frame into preview: the
// frame's menu, bars and view give way to the preview bar (AFX_IDD_PREVIEW_TOOLBAR) and a
// CPreviewView, which draws the print view's pages scaled, one or two side by side, pages
// on with Next and Prev (and Page Down, Page Up), zooms in with Zoom In or a click of the
// magnifier and out again, prints (closing the preview first) and closes back to the
// frame as it was (Close, Esc, or closing the frame).
#pragma once
#include "fw/print.h"
#include "fw/view.h"

#include <map>

class CDialogBar;
class CFrameWnd;

// What the frame gives up during a preview, to be given back when it ends.
struct FW_API CPrintPreviewState
{
    CPrintPreviewState();
    UINT nIDMainPane; // the frame's pane (view or MDI client) that the preview hides
    HMENU hMenu; // the frame's menu
    DWORD dwStates; // unused: kept for views written against the layout
    CView* pViewActiveOld; // the frame's active view before
    BOOL(CALLBACK* lpfnCloseProc)(CFrameWnd* pFrameWnd); // closing the frame ends the preview
    HACCEL hAccelTable; // the frame's accelerators
};

class FW_API CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    enum ZoomState { ZOOM_OUT = 0, ZOOM_MIDDLE = 1, ZOOM_IN = 2 };

    // Prepares printing of pPrintView for the preview (its OnPreparePrinting and
    // OnBeginPrinting); FALSE when it cannot preview.
    virtual BOOL SetPrintView(CView* pPrintView);
    // Shows nPage (and the next one in two-page mode) at nZoom.
    void SetCurrentPage(UINT nPage, BOOL bClearRatios);
    void SetZoomState(UINT nNewState, UINT nPage, CPoint point);

    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetZoomState() const { return m_nZoomState; }
    UINT GetPagesShown() const { return m_nPages; }
    // Where page i (0: the first shown) is drawn, in client coordinates; empty when the
    // page is not shown.
    CRect GetPageRect(UINT nIndex) const;
    // The page nPage as recorded on the page device (made when first needed); null when
    // the document has no such page.
    HENHMETAFILE GetPageImage(UINT nPage);
    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo; }
    CPageDevice* GetPageDevice() const { return m_pPageDevice; }
    CDialogBar* GetToolBar() const { return m_pToolBar; }

    void OnDraw(CDC* pDC) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CView* m_pOrigView; // the view the preview started from
    CView* m_pPrintView; // the view whose pages show
    CPrintPreviewState* m_pPreviewState;
    CDialogBar* m_pToolBar;

    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

protected:
    // Page nPage exists: drawn when first asked, the view may find it has fewer pages.
    BOOL PageExists(UINT nPage);
    // The last page when the view told it (or found it), else 0xFFFF.
    UINT LastPage() const;
    void FreePages();
    // Scale of the page in screen pixels per page-device unit * 1000 for a zoom state.
    int ScaleFor(UINT nZoom) const;
    void UpdateScrollBars();
    void ScrollTo(CPoint pt);

    CPrintInfo* m_pPreviewInfo;
    CPageDevice* m_pPageDevice; // what pages are recorded on
    BOOL m_bOwnPageDevice;
    std::map<UINT, HENHMETAFILE> m_pageImages; // pages recorded so far
    UINT m_nCurrentPage;
    UINT m_nPages; // shown side by side: 1 or 2
    UINT m_nZoomState;
    UINT m_nLastPageFound; // 0 until a page past the end was met
    CPoint m_ptScroll; // the zoomed page's top-left shown at the client's top-left
    HCURSOR m_hMagnifyCursor;

    DECLARE_MESSAGE_MAP()
};
