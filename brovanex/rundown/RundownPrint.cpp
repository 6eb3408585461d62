// CBaseRundownView: printing and previewing the rundown from a copy of its grid, made in a
// print view of its own (CViewPrintPreview) in a frame of its own, so that the user's grid
// is never touched by printing.
#include "RundownView.h"
#include "ViewPrintPreview.h"

#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "fw/app.h"
#include "fw/doctemplate.h"
#include "fw/frame.h"

namespace {
// The print template's resource id: it names no document.
const UINT kPrintTemplateId = 110;
// The header cell that shows the show's name.
const ROWCOL kHeaderNameRow = 1, kHeaderNameCol = 2;

CWnd* ThreadMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->m_pMainWnd : nullptr;
}

void SetThreadMainWnd(CWnd* pWnd)
{
    if (CWinThread* pThread = AfxGetThread())
        pThread->m_pMainWnd = pWnd;
}

CViewPrintPreview* PrintViewOf(CFrameWnd* pFrame)
{
    CView* pView = pFrame != nullptr ? pFrame->GetActiveView() : nullptr;
    if (pView == nullptr && pFrame != nullptr) {
        CWnd* pPane = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
        pView = pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)) ? (CView*)pPane : nullptr;
    }
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CViewPrintPreview))
        ? static_cast<CViewPrintPreview*>(pView)
        : nullptr;
}
} // namespace

void CBaseRundownView::OnSetupPrintTemplate()
{
    if (m_pPrintTemplate != nullptr)
        return;
    // Kept by this view rather than offered to File New: it makes no documents.
    m_pPrintTemplate = new CMultiDocTemplate(kPrintTemplateId, nullptr, RUNTIME_CLASS(CMDIChildWnd),
                                             RUNTIME_CLASS(CViewPrintPreview));
}

CViewPrintPreview* CBaseRundownView::OnSetupPrintFrame()
{
    CWnd* pOldMain = ThreadMainWnd();
    OnSetupPrintTemplate();
    CFrameWnd* pFrame = m_pPrintTemplate->CreateNewFrame(nullptr, nullptr);
    if (pFrame == nullptr)
        return nullptr;
    m_pPrintTemplate->InitialUpdateFrame(pFrame, nullptr, TRUE);
    CViewPrintPreview* pView = PrintViewOf(pFrame);
    if (pView == nullptr) {
        pFrame->DestroyWindow();
        return nullptr;
    }
    pView->m_pOldMainWnd = pOldMain;
    SetThreadMainWnd(pFrame);
    pFrame->SetWindowText("Header/Footer Print Preview");
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    return pView;
}

void CBaseRundownView::OnSetupPrintCopyView(CViewPrintPreview* pPrintView, long)
{
    CopyGridStyle(pPrintView, &m_Grid);
    const ROWCOL nRows = pPrintView->GetRowCount();
    if (nRows > 0)
        pPrintView->FitRowHeights(CGXRange().SetRows(1, nRows), TRUE, 2);
}

void CBaseRundownView::CopyGridStyle(CGXGridCore* pTarget, CGXGridCore* pSource)
{
    const ROWCOL nCols = pSource->GetColCount(), nRows = pSource->GetRowCount();
    pTarget->SetColCount(nCols, 2);
    pTarget->SetRowCount(nRows, 2);
    // The copied heading texts show, not column names. The copy is never undone, and the
    // read-only cells it makes take the styles that follow.
    CGXGridParam* pParam = pTarget->GetParam();
    BOOL bUndo = FALSE, bGuard = FALSE;
    if (pParam != nullptr) {
        pParam->m_bNumberedColHeaders = TRUE;
        bUndo = pParam->m_bUndoEnabled;
        bGuard = pParam->m_bStoreGuard;
        pParam->m_bUndoEnabled = FALSE;
        pParam->m_bStoreGuard = FALSE;
    }
    for (ROWCOL c = 0; c <= nCols; c++) {
        pTarget->SetColWidth(c, c, pSource->GetColWidth(c), nullptr, 0);
        for (ROWCOL r = 0; r <= nRows; r++) {
            CGXStyle style;
            pSource->ComposeStyleRowCol(r, c, &style);
            pTarget->SetStyleRange(CGXRange(r, c, r, c), style, gxCopy, 0, 0);
        }
    }
    if (pParam != nullptr) {
        pParam->m_bUndoEnabled = bUndo;
        pParam->m_bStoreGuard = bGuard;
    }
    // The page header shows the show's name (nothing without one).
    if (CGXProperties* pProp = pTarget->GetProperties()) {
        CGXStyle name;
        name.SetValue(m_strShowName);
        pProp->m_pDataHeader->PutCellStyle(kHeaderNameRow, kHeaderNameCol, &name, gxOverride, 0);
    }
}

void CBaseRundownView::OnFilePrintPreview()
{
    CViewPrintPreview* pView = OnSetupPrintFrame();
    if (pView == nullptr)
        return;
    m_pPrintView = pView;
    OnSetupPrintCopyView(pView, 0);
    // The preview ends in the print view, which puts the main window back and goes.
    pView->OnFilePrintPreview();
}

void CBaseRundownView::OnFilePrint()
{
    CWnd* pOldMain = ThreadMainWnd();
    OnSetupPrintTemplate();
    CFrameWnd* pOther =
        pOldMain != nullptr && pOldMain->IsFrameWnd() ? (CFrameWnd*)pOldMain : nullptr;
    CFrameWnd* pFrame = m_pPrintTemplate->CreateNewFrame(nullptr, pOther);
    if (pFrame == nullptr)
        return;
    m_pPrintTemplate->InitialUpdateFrame(pFrame, nullptr, TRUE);
    CViewPrintPreview* pView = PrintViewOf(pFrame);
    if (pView != nullptr) {
        m_pPrintView = pView;
        pView->m_pOldMainWnd = pOldMain;
        pFrame->ShowWindow(SW_HIDE);
        OnSetupPrintCopyView(pView, 0);
        pView->OnFilePrint();
    }
    // A cancelled dialog ends here as well: the main window back, the frame gone.
    SetThreadMainWnd(pOldMain);
    m_pPrintView = nullptr;
    pFrame->DestroyWindow();
}
