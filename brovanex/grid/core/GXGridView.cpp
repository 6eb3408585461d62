// CGXView and CGXGridView: the grid as a document view.
#include "core/GXGridView.h"
#include "core/GXGridMessages.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXPrintDevice.h"
#include "fw/appservices.h"
#include "fw/ctrls.h"
#include "fw/dc.h"
#include "fw/document.h"
#include "fw/splitter.h"
#include "fw/stdids.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXView, CView)
IMPLEMENT_DYNCREATE(CGXGridView, CGXView)

namespace {
// The tab window's questions to its panes.
const UINT kCanRenameTab = 0x790;
const UINT kTabNameChanged = 0x791;
const UINT kTabWndResizing = 0x7CB;

// The parent when it is one of the library's frames of grids (a tab window).
CWnd* GridParentOf(const CWnd* pWnd)
{
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr)
        return nullptr;
    const CPtrList& classes = GXGetLibraryState().m_gridParentClasses;
    for (POSITION pos = classes.GetHeadPosition(); pos != nullptr;)
        if (pParent->IsKindOf(static_cast<CRuntimeClass*>(classes.GetNext(pos))))
            return pParent;
    return nullptr;
}
} // namespace

// CGXView.

BEGIN_MESSAGE_MAP(CGXView, CView)
    ON_COMMAND(ID_FILE_PRINT_SETUP, &CGXView::OnFilePrintSetup)
    ON_MESSAGE(kCanRenameTab, &CGXView::OnCanRenameTab)
    ON_MESSAGE(kTabNameChanged, &CGXView::OnTabNameChanged)
END_MESSAGE_MAP()

CGXView::CGXView() : m_bOwnPrintDevice(FALSE), m_pPrintDevice(nullptr) { }

CGXView::~CGXView()
{
    if (m_bOwnPrintDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = nullptr;
}

void CGXView::SetPrintDevice(CGXPrintDevice* pDevice, BOOL bOwn)
{
    if (m_bOwnPrintDevice && m_pPrintDevice != pDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = pDevice;
    m_bOwnPrintDevice = bOwn;
}

void CGXView::OnInitialUpdate()
{
    if (m_bOwnPrintDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = nullptr;
    m_bOwnPrintDevice = FALSE;
    CView::OnInitialUpdate();
}

BOOL CGXView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CWaitCursor wait;
    if (pInfo != nullptr)
        pInfo->SetMaxPage(0xFFFF); // the pages are known only while printing
    return PreparePrinting(pInfo);
}

BOOL CGXView::PreparePrinting(CPrintInfo* pInfo)
{
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState().m_pPrintDeviceImp;
    // Without the print-device feature (or a device of the view's own) the framework runs
    // the print dialog.
    if (pImp == nullptr || m_pPrintDevice == nullptr)
        return pInfo != nullptr && DoPreparePrinting(pInfo);
    if (!pImp->DoPreparePrinting(this, m_pPrintDevice, pInfo))
        return FALSE;
    OnPrinterChanged();
    return TRUE;
}

void CGXView::OnPrinterChanged() { }

void CGXView::OnFilePrintSetup()
{
    CWaitCursor wait;
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState().m_pPrintDeviceImp;
    if (pImp != nullptr && m_pPrintDevice != nullptr) {
        if (pImp->RunPrintSetupDialog(m_pPrintDevice) == IDOK)
            OnPrinterChanged();
    }
}

CScrollBar* CGXView::GetScrollBarCtrl(int nBar) const
{
    const DWORD dwStyle = GetStyle();
    if ((nBar == SB_VERT && (dwStyle & WS_VSCROLL)) || (nBar == SB_HORZ && (dwStyle & WS_HSCROLL)))
        return nullptr;
    if (CWnd* pParent = GridParentOf(this)) {
        CWnd* pBar = pParent->GetDlgItem(nBar == SB_VERT ? 0xEA10 : 0xEA00);
        return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CScrollBar))
            ? static_cast<CScrollBar*>(pBar)
            : nullptr;
    }
    return CView::GetScrollBarCtrl(nBar);
}

LRESULT CGXView::OnCanRenameTab(WPARAM, LPARAM) { return TRUE; }
LRESULT CGXView::OnTabNameChanged(WPARAM, LPARAM) { return 0; }

// CGXGridView.

BEGIN_MESSAGE_MAP(CGXGridView, CGXView)
    ON_WM_PAINT()
    ON_COMMAND(ID_EDIT_COPY, &CGXGridView::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CGXGridView::OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_CUT, &CGXGridView::OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CGXGridView::OnUpdateEditCut)
    ON_COMMAND(ID_EDIT_PASTE, &CGXGridView::OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CGXGridView::OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_UNDO, &CGXGridView::OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CGXGridView::OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_REDO, &CGXGridView::OnEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &CGXGridView::OnUpdateEditRedo)
    ON_COMMAND(ID_EDIT_FIND, &CGXGridView::OnEditFind)
    ON_COMMAND(ID_EDIT_REPLACE, &CGXGridView::OnEditReplace)
    ON_COMMAND(ID_EDIT_REPEAT, &CGXGridView::OnEditRepeat)
END_MESSAGE_MAP()

CGXGridView::CGXGridView()
    : CGXGridCore(nullptr, nullptr, FALSE), m_pSplitter(nullptr), m_bSyncRows(TRUE),
      m_bSyncCols(TRUE), m_nSavedTopRow(0), m_nSavedLeftCol(0), m_bKillingFocus(FALSE)
{ }

CGXGridView::~CGXGridView() = default;

void CGXGridView::OnInitialUpdate()
{
    // 1. Bind the core to the view and its document.
    m_pWindow = this;
    m_pOwnerDoc = GetDocument();
    m_bInView = TRUE;

    // 2. A parent splitter that splits dynamically.
    m_pSplitter = nullptr;
    if (CSplitterWnd* pSplitter = CView::GetParentSplitter(this, TRUE))
        if (pSplitter->GetStyle() & 1)
            m_pSplitter = pSplitter;

    // 3. Both bars: the splitter's or the tab window's (12), else the view's own (10).
    const int nMode = m_pSplitter != nullptr || IsInGridParentWindow()
        ? GX_SBMODE_LASTUSEFUL | GX_SBMODE_RANGEONLY
        : GX_SBMODE_LASTUSEFUL | GX_SBMODE_AUTO;
    SetScrollBarPolicy(SB_BOTH, nMode);

    // 4. The core, then the view's own first update.
    InitializeGrid();
    CGXView::OnInitialUpdate();

    // 5. The print device: the parameter object's (made there once), shared by its views.
    if (m_pPrintDevice == nullptr && m_pGridParam != nullptr) {
        if (m_pGridParam->GetPrintDevice() == nullptr)
            m_pGridParam->AttachPrintDevice(new CGXPrintDevice, TRUE);
        SetPrintDevice(m_pGridParam->GetPrintDevice(), FALSE);
    }

    // 6. A pane of a splitter starts where its neighbours are.
    int nRow = 0, nCol = 0;
    if (m_pSplitter != nullptr && m_pSplitter->IsChildPane(this, &nRow, &nCol)) {
        CWnd* pOrigin = m_pSplitter->GetPane(0, 0);
        if (pOrigin != nullptr && pOrigin != this &&
            pOrigin->IsKindOf(RUNTIME_CLASS(CGXGridView))) {
            if (nRow >= 1) {
                auto* pAbove = static_cast<CGXGridView*>(m_pSplitter->GetPane(0, nCol));
                if (pAbove != nullptr && pAbove != this &&
                    pAbove->IsKindOf(RUNTIME_CLASS(CGXGridView))) {
                    m_nTopRow = pAbove->m_nTopRow;
                    m_nLeftCol = pAbove->m_nLeftCol;
                    m_bSyncRows = FALSE;
                    pAbove->m_nSavedTopRow = pAbove->m_nSavedLeftCol = 0;
                }
            }
            if (nCol >= 1) {
                auto* pLeft = static_cast<CGXGridView*>(m_pSplitter->GetPane(nRow, 0));
                if (pLeft != nullptr && pLeft != this &&
                    pLeft->IsKindOf(RUNTIME_CLASS(CGXGridView))) {
                    m_nTopRow = pLeft->m_nTopRow;
                    if (nRow == 0)
                        m_nLeftCol = pLeft->m_nLeftCol;
                    m_bSyncCols = FALSE;
                    pLeft->m_nSavedTopRow = pLeft->m_nSavedLeftCol = 0;
                }
            }
        }
    }

    // 7. The scroll bars.
    RefreshScrollBars();

    // 8. Hints between the document's views of a shared parameter object.
    LinkToDocument();
}

void CGXGridView::LinkToDocument()
{
    if (m_pOwnerDoc == nullptr || m_pGridParam == nullptr || m_bOwnParam)
        return;
    m_bDocumentLinked = TRUE;
    int nHighest = -1;
    BOOL bTaken = FALSE;
    for (POSITION pos = m_pOwnerDoc->GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = m_pOwnerDoc->GetNextView(pos);
        if (pView == this || pView == nullptr || !pView->IsKindOf(RUNTIME_CLASS(CGXGridView)))
            continue;
        auto* pOther = static_cast<CGXGridView*>(pView);
        if (!pOther->m_bDocumentLinked)
            continue;
        if (pOther->m_pGridParam == m_pGridParam) {
            m_nHintId = pOther->m_nHintId;
            return;
        }
        nHighest = std::max(nHighest, pOther->m_nHintId);
        bTaken |= pOther->m_nHintId == m_nHintId;
    }
    if (bTaken)
        m_nHintId = nHighest + 1;
}

void CGXGridView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!m_pLibState->m_bLockFocusChange)
        HandleActivation(bActivate);
    CGXView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CGXGridView::OnDraw(CDC* pDC) { PaintGrid(pDC); }

void CGXGridView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) { CGXGridCore::OnPrepareDC(pDC, pInfo); }

void CGXGridView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A document that changed as a whole (loaded, reverted) tells its views without a hint:
    // they repaint. Hints of other kinds pass the update-hint feature by.
    if (pHint == nullptr) {
        CGXView::OnUpdate(pSender, lHint, pHint);
        return;
    }
    // A view not linked to its document (its grid is its own) takes no other view's hints.
    if (m_bDocumentLinked)
        DispatchUpdateHint(reinterpret_cast<CGXGridHint*>(pHint));
}

BOOL CGXGridView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CWaitCursor wait;
    if (pInfo != nullptr) {
        pInfo->SetMaxPage(0xFFFF);
        if (pInfo->m_pPD != nullptr) {
            pInfo->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
            pInfo->m_pPD->m_pd.hInstance = AfxGetInstanceHandle();
        }
    }
    return PreparePrinting(pInfo);
}

void CGXGridView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridCore::OnBeginPrinting(pDC, pInfo);
}

void CGXGridView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridCore::OnEndPrinting(pDC, pInfo);
}

void CGXGridView::OnPrint(CDC* pDC, CPrintInfo* pInfo) { CGXGridCore::OnPrint(pDC, pInfo); }

CScrollBar* CGXGridView::GetScrollBarCtrl(int nBar) const
{
    return CGXView::GetScrollBarCtrl(nBar);
}

BOOL CGXGridView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HandleCommand(wParam, lParam))
        return TRUE;
    return CGXView::OnCommand(wParam, lParam);
}

BOOL CGXGridView::PreTranslateMessage(MSG* pMsg)
{
    if (HandlePreTranslateMessage(pMsg))
        return TRUE;
    return CGXView::PreTranslateMessage(pMsg);
}

void CGXGridView::OnPaint()
{
    if (!m_bInitialized) {
        ValidateRect(nullptr); // nothing to draw before the first update
        return;
    }
    CPaintDC dc(this);
    OnPrepareDC(&dc, nullptr);
    OnDraw(&dc);
}

LRESULT CGXGridView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (message != WM_PAINT && message != WM_NCDESTROY &&
        DispatchToPlugins(message, wParam, lParam, &lResult))
        return lResult;
    if (m_bInitialized) {
        switch (message) {
        case WM_PAINT:
        case WM_ERASEBKGND:
            break;
        case WM_KILLFOCUS:
            lResult = DefWindowProc(message, wParam, lParam);
            m_bKillingFocus = TRUE;
            HandleKillFocus(CWnd::FromHandle((HWND)wParam));
            m_bKillingFocus = FALSE;
            return lResult;
        case kTabWndResizing:
            if (wParam == 0)
                Invalidate();
            return 0;
        case WM_MOUSEACTIVATE:
            // The view's frame activation first, then the grid's own answer.
            lResult = CGXView::WindowProc(message, wParam, lParam);
            {
                LRESULT lGrid = lResult;
                if (HandleMouseActivate(CWnd::FromHandle((HWND)wParam), LOWORD(lParam),
                                        HIWORD(lParam), lGrid))
                    return lGrid;
            }
            return lResult;
        default:
            if (GXHandleGridMessage(this, this, message, wParam, lParam, lResult))
                return lResult;
            break;
        }
    }
    if (message == WM_ERASEBKGND)
        return TRUE;
    return CGXView::WindowProc(message, wParam, lParam);
}

// Edit commands.

void CGXGridView::OnEditCopy() { Copy(); }
void CGXGridView::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(CanCopy()); }
void CGXGridView::OnEditCut() { Cut(); }
void CGXGridView::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(CanCut()); }
void CGXGridView::OnEditPaste() { Paste(); }
void CGXGridView::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanPaste()); }
void CGXGridView::OnEditUndo() { Undo(); }
void CGXGridView::OnUpdateEditUndo(CCmdUI* pCmdUI) { UpdateUndoMenu(pCmdUI); }
void CGXGridView::OnEditRedo() { Redo(); }
void CGXGridView::OnUpdateEditRedo(CCmdUI* pCmdUI) { UpdateRedoMenu(pCmdUI); }
void CGXGridView::OnEditFind() { ShowFindReplaceDialog(TRUE); }
void CGXGridView::OnEditReplace() { ShowFindReplaceDialog(FALSE); }

void CGXGridView::OnEditRepeat()
{
    CGXAbstractGridFindReplaceImp* pImp = FindReplaceImp();
    if (pImp == nullptr || !pImp->OnEditRepeat(this))
        OnTextNotFound(nullptr);
}
