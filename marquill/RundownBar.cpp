#include "RundownBar.h"

#include "ShowView.h"
#include "TXWords.h"
#include "core/GXTabBeam.h"
#include "fw/doctemplate.h"

CRundownBar::CRundownBar() : m_wndTab(RUNTIME_CLASS(CGXTabBeam)), m_pShowView(nullptr) { }

CRundownBar::~CRundownBar() { }

void CRundownBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CRundownBar::CreateRundown()
{
    CTXWordsApp* app = GetTXWordsApp();
    CDocument* doc = app->NewShowDocument();
    if (doc == nullptr)
        return FALSE;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CShowView);
    context.m_pCurrentDoc = doc;
    context.m_pNewDocTemplate = app->m_pShowTemplate;
    context.m_pCurrentFrame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    app->m_pShowDoc = doc;
    BOOL bCreated = FALSE;
    try {
        bCreated = m_wndTab.CreateWithView(
            this, "Rundown", &context, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, kPaneID);
    } catch (CException* e) {
        e->Delete();
    }
    CWnd* pane = bCreated ? m_wndTab.GetActivePane() : nullptr;
    if (pane == nullptr || !pane->IsKindOf(RUNTIME_CLASS(CShowView))) {
        // A view whose window never came up is not the document's: the document goes.
        app->m_pShowDoc = nullptr;
        if (doc->GetFirstViewPosition() == nullptr) {
            app->m_pShowTemplate->RemoveDocument(doc);
            delete doc;
        }
        return FALSE;
    }
    // The show view is not the main frame's active view: the frame keeps routing to its
    // MDI children and reaches the show view last (CMainFrame::OnCmdMsg).
    CFrameWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->GetActiveView() == pane)
        frame->SetActiveView(nullptr, FALSE);
    // The view scrolls with its own grid: the tab window's bars stay hidden.
    m_wndTab.ShowScrollBar(SB_BOTH, FALSE);
    m_pShowView = static_cast<CShowView*>(pane);
    m_pShowView->SendMessage(WM_INITIALUPDATE);
    m_pShowView->UpdateTabCaption(CString());
    return TRUE;
}

LRESULT CRundownBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CSizingControlBar::WindowProc(message, wParam, lParam);
        if (result == -1)
            return -1;
        CreateRundown();
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = CSizingControlBar::WindowProc(message, wParam, lParam);
        if (m_wndTab.GetSafeHwnd() != nullptr) {
            CRect client;
            GetClientRect(&client);
            client.DeflateRect(4, 4);
            m_wndTab.MoveWindow(&client);
        }
        return result;
    }
    default:
        break;
    }
    return CSizingControlBar::WindowProc(message, wParam, lParam);
}
