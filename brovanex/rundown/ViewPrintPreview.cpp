#include "ViewPrintPreview.h"

#include "fw/app.h"
#include "fw/frame.h"
#include "fw/preview.h"
#include "fw/print.h"

IMPLEMENT_DYNCREATE(CViewPrintPreview, CGXGridView)

BEGIN_MESSAGE_MAP(CViewPrintPreview, CGXGridView)
END_MESSAGE_MAP()

CViewPrintPreview::CViewPrintPreview() : m_pOldMainWnd(nullptr) { }

CViewPrintPreview::~CViewPrintPreview() { }

void CViewPrintPreview::OnFilePrintPreview() { CView::OnFilePrintPreview(); }

void CViewPrintPreview::OnFilePrint() { CView::OnFilePrint(); }

BOOL CViewPrintPreview::OnPreparePrinting(CPrintInfo* pInfo)
{
    return CGXGridView::OnPreparePrinting(pInfo);
}

void CViewPrintPreview::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridCore::OnBeginPrinting(pDC, pInfo);
}

void CViewPrintPreview::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridCore::OnPrepareDC(pDC, pInfo);
    CGXGridCore::OnPrint(pDC, pInfo);
}

void CViewPrintPreview::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridView::OnEndPrinting(pDC, pInfo);
}

void CViewPrintPreview::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point,
                                          CPreviewView* pView)
{
    CGXGridView::OnEndPrintPreview(pDC, pInfo, point, pView);
    CWnd* pOldMain = m_pOldMainWnd;
    CFrameWnd* pFrame = GetParentFrame();
    if (pOldMain != nullptr && ::IsWindow(pOldMain->m_hWnd)) {
        pOldMain->ShowWindow(SW_SHOW);
        if (CWinThread* pThread = AfxGetThread())
            pThread->m_pMainWnd = pOldMain;
    }
    // The frame takes this view with it: nothing of this object is used after.
    if (pFrame != nullptr && pFrame != pOldMain)
        pFrame->DestroyWindow();
}

void CViewPrintPreview::OnDraw(CDC*) { }

// ---- CMyProperties ------------------------------------------------------------------------

IMPLEMENT_SERIAL(CMyProperties, CGXProperties, 0)

CMyProperties::CMyProperties() : m_nTokenW(AddToken("$W")), m_nTokenT(AddToken("$T")) { }

CString CMyProperties::SubstTokenText(int nToken, CString& strRest)
{
    if (nToken == m_nTokenW)
        return RUNDOWN_TOKEN_W_TEXT;
    if (nToken == m_nTokenT)
        return "Testing Tokens";
    return CGXProperties::SubstTokenText(nToken, strRest);
}
