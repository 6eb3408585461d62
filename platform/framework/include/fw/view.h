// CView: a window that shows a document inside a frame, and CCreateContext, what a
// template hands to a new frame so it makes its view on the right document. The
// printing virtuals are the hooks of the framework's printing and print preview.
#pragma once
#include "fw/wnd.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;
class CSplitterWnd;
class CPreviewView;
struct CPrintInfo;
struct CPrintPreviewState;

struct FW_API CCreateContext
{
    CCreateContext();
    CRuntimeClass* m_pNewViewClass; // the view to make
    CDocument* m_pCurrentDoc; // the document it shows
    CDocTemplate* m_pNewDocTemplate; // the template of a new frame
    CView* m_pLastView; // the view a new frame copies (Window New)
    CFrameWnd* m_pCurrentFrame; // the frame the new one is modelled on
};

class FW_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual BOOL IsSelected(const CObject* pDocItem) const;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Called once the frame is built (WM_INITIALUPDATE): OnUpdate(null, 0, null).
    virtual void OnInitialUpdate();
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // The document changed (UpdateAllViews): repaints by default.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    // Printing and preview.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo); // OnDraw by default
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);

    // The splitter window this view is a pane of, if any.
    static CSplitterWnd* PASCAL GetParentSplitter(const CWnd* pWnd, BOOL bAnyState);

    // Routes to the view, then its document (and the document's template).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override; // views are deleted with their window
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    CDocument* m_pDocument;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

protected:
    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};
