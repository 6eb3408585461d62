// The application's show commands: they act on the first view of the show document, the
// one show view that lives in the rundown bar.
#include "TXWords.h"

#include "ChildFrame.h"
#include "MarquillResource.h"
#include "ShowDoc.h"
#include "ShowView.h"

void CTXWordsApp::AddShowTemplate()
{
    // Not offered by File New: shows are made by the show commands alone.
    if (m_pShowTemplate == nullptr)
        m_pShowTemplate =
            new CMultiDocTemplate(IDR_MAINFRAME_MENU, RUNTIME_CLASS(CShowDoc),
                                  RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CShowView));
}

CDocument* CTXWordsApp::NewShowDocument()
{
    AddShowTemplate();
    CDocument* doc = m_pShowTemplate->CreateNewDocument();
    if (doc != nullptr)
        doc->OnNewDocument();
    return doc;
}

CShowView* CTXWordsApp::CreateShowView(CWnd* pParent, UINT nID)
{
    CDocument* doc = NewShowDocument();
    if (doc == nullptr)
        return nullptr;
    CShowView* view = new CShowView;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CShowView);
    context.m_pCurrentDoc = doc;
    context.m_pNewDocTemplate = m_pShowTemplate;
    CRect rect;
    pParent->GetClientRect(&rect);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, pParent, nID, &context)) {
        // A view whose window failed is not yet the document's: free both.
        delete view;
        m_pShowTemplate->RemoveDocument(doc);
        delete doc;
        return nullptr;
    }
    view->SendMessage(WM_INITIALUPDATE);
    m_pShowDoc = doc;
    return view;
}

CShowView* CTXWordsApp::GetShowView() const
{
    // The document goes with its view (when the main frame closes): it must still be one of
    // the show template's.
    bool alive = false;
    if (m_pShowDoc != nullptr && m_pShowTemplate != nullptr)
        for (POSITION pos = m_pShowTemplate->GetFirstDocPosition(); pos != nullptr;)
            alive = alive || m_pShowTemplate->GetNextDoc(pos) == m_pShowDoc;
    if (!alive)
        return nullptr;
    POSITION pos = m_pShowDoc->GetFirstViewPosition();
    CView* view = pos != nullptr ? m_pShowDoc->GetNextView(pos) : nullptr;
    return view != nullptr && view->IsKindOf(RUNTIME_CLASS(CShowView))
        ? static_cast<CShowView*>(view)
        : nullptr;
}

void CTXWordsApp::OnShowNew()
{
    if (CShowView* view = GetShowView())
        view->OnNewShow();
}

void CTXWordsApp::OnShowOpen()
{
    if (CShowView* view = GetShowView())
        view->OnOpenShow();
}

void CTXWordsApp::OnShowSave()
{
    if (CShowView* view = GetShowView())
        view->OnSaveShow();
}

void CTXWordsApp::OnShowSaveAs()
{
    if (CShowView* view = GetShowView())
        view->OnSaveShowAs();
}

void CTXWordsApp::OnShowClose()
{
    if (CShowView* view = GetShowView())
        view->CloseShow(MB_YESNOCANCEL);
}

void CTXWordsApp::OnUpdateShowOpenOnly(CCmdUI* pCmdUI)
{
    CShowView* view = GetShowView();
    pCmdUI->Enable(view != nullptr && view->m_bShowOpen);
}
