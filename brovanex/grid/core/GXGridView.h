// CGXView: a view that owns or shares a print device and runs the print dialogs through
// the process-wide print-device feature. CGXGridView: the grid as a document view, also
// as a pane of a splitter or a tab window; the core is bound to the view at its first
// update.
#pragma once
#include "core/GXGridCore.h"
#include "fw/view.h"

class CGXPrintDevice;
class CSplitterWnd;

class CGXView : public CView
{
    DECLARE_DYNAMIC(CGXView)
protected:
    CGXView();

public:
    ~CGXView() override;

    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    // The print dialog for the view's print device (through the print-device feature when
    // there is one); FALSE when it was cancelled.
    virtual BOOL PreparePrinting(CPrintInfo* pInfo);
    // Told when the user chose another printer or changed its settings.
    virtual void OnPrinterChanged();
    CScrollBar* GetScrollBarCtrl(int nBar) const override;

    void SetPrintDevice(CGXPrintDevice* pDevice, BOOL bOwn = TRUE);
    CGXPrintDevice* GetPrintDevice() const { return m_pPrintDevice; }

    BOOL m_bOwnPrintDevice;
    CGXPrintDevice* m_pPrintDevice;

protected:
    afx_msg void OnFilePrintSetup();
    afx_msg LRESULT OnCanRenameTab(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTabNameChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CGXGridView : public CGXView, public CGXGridCore
{
    DECLARE_DYNCREATE(CGXGridView)
public:
    CGXGridView();
    ~CGXGridView() override;

    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A view that shares its document's parameter object (one it does not own) sends and
    // takes update hints, so the document's views of that object stay in step; views of
    // the same object get the same hint id, views of other objects other ids. Called at the
    // first update.
    void LinkToDocument();

    // The splitter the view is a pane of, when it splits dynamically.
    CSplitterWnd* m_pSplitter;
    // Cleared when the pane took its first row (column) from a neighbour at its first update.
    BOOL m_bSyncRows, m_bSyncCols;
    // The pane's saved scroll positions (reset when a neighbour copied them).
    ROWCOL m_nSavedTopRow, m_nSavedLeftCol;
    BOOL m_bKillingFocus; // set while the view handles WM_KILLFOCUS

protected:
    afx_msg void OnPaint();
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditCut();
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnEditRepeat();
    DECLARE_MESSAGE_MAP()
};
