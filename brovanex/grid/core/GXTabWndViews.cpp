// CGXTabWnd: views as panes. A tab window made with a first view fills its parent; more
// views are made as panes under tabs of their own; the tab window's own scroll bars can
// be hidden when its panes scroll themselves.
#include "core/GXTabWnd.h"
#include "fw/app.h"
#include "fw/doctemplate.h"
#include "fw/document.h"
#include "fw/exceptions.h"
#include "fw/frame.h"
#include "fw/view.h"

BOOL CGXTabWnd::CreateWithView(CWnd* pParentWnd, LPCTSTR pszCaption, CCreateContext* pContext,
                               DWORD dwStyle, UINT nID)
{
    // Panes are grids: the program must have started the grid library.
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc))
        AfxThrowNotSupportedException();
    if (pParentWnd == nullptr || !Create(pParentWnd, dwStyle | WS_VISIBLE, nID))
        return FALSE;
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    m_pPaneViewClass = pContext != nullptr ? pContext->m_pNewViewClass : nullptr;
    CWnd* pView = CreateView(m_pPaneViewClass, pszCaption, pContext, GX_IDW_PANE);
    if (pView == nullptr) {
        DestroyWindow();
        return FALSE;
    }
    m_pActivePane = pView;
    m_nPaneId = m_nLastPaneId = GX_IDW_PANE;
    m_bHoldsPanes = TRUE;
    return TRUE;
}

CWnd* CGXTabWnd::CreateView(CRuntimeClass* pViewClass, LPCTSTR pszCaption, CCreateContext* pContext,
                            UINT nID)
{
    if (pViewClass == nullptr || m_pBeam == nullptr)
        return nullptr;
    if (nID == 0)
        nID = ++m_nLastPaneId;
    else if (nID > m_nLastPaneId)
        m_nLastPaneId = nID;

    // Without a context: the document and template of the frame's active view.
    CCreateContext context;
    BOOL bSendInitialUpdate = FALSE;
    if (pContext == nullptr) {
        CFrameWnd* pFrame = GetParentFrame();
        CView* pActive = pFrame != nullptr ? pFrame->GetActiveView() : nullptr;
        context.m_pNewViewClass = pViewClass;
        context.m_pCurrentFrame = pFrame;
        if (pActive != nullptr) {
            context.m_pCurrentDoc = pActive->GetDocument();
            context.m_pLastView = pActive;
            if (context.m_pCurrentDoc != nullptr)
                context.m_pNewDocTemplate = context.m_pCurrentDoc->GetDocTemplate();
        }
        pContext = &context;
        bSendInitialUpdate = TRUE;
    }

    CWnd* pView = nullptr;
    try {
        CObject* pObject = pViewClass->CreateObject();
        if (pObject == nullptr)
            AfxThrowMemoryException();
        pView = dynamic_cast<CWnd*>(pObject);
        if (pView == nullptr) {
            delete pObject;
            return nullptr;
        }
        const DWORD dwStyle = WS_CHILD | (m_pBeam->GetCount() == 0 ? WS_VISIBLE : 0);
        if (!pView->Create(nullptr, nullptr, dwStyle, CalcPaneRect(), this, nID, pContext)) {
            // A window that never came up is not deleted by its own destruction.
            delete pView;
            return nullptr;
        }
    } catch (CMemoryException*) {
        throw;
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    if (bSendInitialUpdate)
        pView->SendMessage(WM_INITIALUPDATE);

    // The tab: its name, the view and, for a view of a multiple-document template, the
    // template's shared menu.
    HMENU hMenu = nullptr;
    if (pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
        hMenu = static_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate)->m_hMenuShared;
    CWnd* pAttached = AttachWnd(pView, pszCaption != nullptr ? pszCaption : "");
    if (pAttached != nullptr && hMenu != nullptr) {
        const int nTab = m_pBeam->FindTab(pView);
        if (nTab >= 0)
            m_pBeam->GetTabInfo(nTab).pUserData = hMenu;
    }
    m_bHoldsPanes = TRUE;
    return pAttached;
}

void CGXTabWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    bShow = bShow ? TRUE : FALSE;
    BOOL bChanged = FALSE;
    auto apply = [&](CScrollBar& bar, BOOL& bVisible) {
        if (bVisible == bShow)
            return;
        bVisible = bShow;
        bChanged = TRUE;
        if (bar.GetSafeHwnd() == nullptr)
            return;
        if (bShow) {
            bar.ShowWindow(SW_SHOW);
        } else {
            bar.ShowWindow(SW_HIDE);
            bar.MoveWindow(CRect(0, 0, 0, 0));
        }
    };
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        apply(m_sbHorz, m_bHScroll);
    if (nBar == SB_VERT || nBar == SB_BOTH)
        apply(m_sbVert, m_bVScroll);
    if (!bChanged)
        return;
    // The sizing box only sits between two shown bars.
    if (m_sbBox.GetSafeHwnd() != nullptr)
        m_sbBox.ShowWindow(m_bHScroll && m_bVScroll ? SW_SHOW : SW_HIDE);
    if (m_bCreated)
        RecalcLayout(nullptr);
}
