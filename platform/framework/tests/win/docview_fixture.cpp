#include "docview_fixture.h"

RouteTrace& Route()
{
    static RouteTrace trace;
    return trace;
}

UpdateState& Updates()
{
    static UpdateState state;
    return state;
}

namespace {
BOOL Take(RouteLevel level, const char* pszName)
{
    if (!(Route().nTakers & level))
        return FALSE; // pass it on
    Route().strTaker = pszName;
    return TRUE;
}
} // namespace

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)
BEGIN_MESSAGE_MAP(CNoteDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_ROUTE, &CNoteDoc::OnRoute)
END_MESSAGE_MAP()

BOOL CNoteDoc::s_bFailHalfway = FALSE;

void CNoteDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.Write((LPCSTR)m_strText, m_strText.GetLength() / 2);
        if (s_bFailHalfway) {
            ar.Flush(); // the first half reaches the disk
            AfxThrowFileException(CFileException::diskFull);
        }
        ar.Write((LPCSTR)m_strText + m_strText.GetLength() / 2,
                 m_strText.GetLength() - m_strText.GetLength() / 2);
    } else {
        char szBuffer[256];
        UINT nRead = ar.Read(szBuffer, sizeof szBuffer);
        m_strText = CString(szBuffer, (int)nRead);
    }
}

BOOL CNoteDoc::OnRoute(UINT) { return Take(routeDoc, "document"); }

IMPLEMENT_DYNCREATE(CNoteView, CView)
BEGIN_MESSAGE_MAP(CNoteView, CView)
    ON_COMMAND_EX(ID_TEST_ROUTE, &CNoteView::OnRoute)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, &CNoteView::OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, &CNoteView::OnUpdateDisabled)
    ON_COMMAND(ID_TEST_DISABLED, &CNoteView::OnDisabled)
END_MESSAGE_MAP()

int CNoteView::s_nDisabledRuns = 0;

BOOL CNoteView::OnRoute(UINT) { return Take(routeView, "view"); }

void CNoteView::OnUpdateChecked(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Updates().bEnable);
    pCmdUI->SetCheck(Updates().nCheck);
}

void CNoteView::OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

void CNoteView::OnDisabled() { s_nDisabledRuns++; }

IMPLEMENT_DYNCREATE(CShowListDoc, CDocument)
IMPLEMENT_DYNCREATE(CShowListView, CView)

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
    ON_COMMAND_EX(ID_TEST_ROUTE, &CTestChildFrame::OnRoute)
END_MESSAGE_MAP()

BOOL CTestChildFrame::OnRoute(UINT) { return Take(routeChild, "child frame"); }

IMPLEMENT_DYNCREATE(CTestMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_COMMAND_EX(ID_TEST_ROUTE, &CTestMainFrame::OnRoute)
END_MESSAGE_MAP()

BOOL CTestMainFrame::OnRoute(UINT) { return Take(routeMain, "main frame"); }

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_ROUTE, &CTestApp::OnRoute)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, &CWinApp::OnOpenRecentFile)
END_MESSAGE_MAP()

BOOL CTestApp::OnRoute(UINT) { return Take(routeApp, "application"); }

DocViewProgram::DocViewProgram()
{
    Route() = RouteTrace();
    Updates() = UpdateState();
    pNoteTemplate = new CMultiDocTemplate(IDR_TEST_NOTETYPE, RUNTIME_CLASS(CNoteDoc),
                                          RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CNoteView));
    app.AddDocTemplate(pNoteTemplate);
    pShowTemplate =
        new CMultiDocTemplate(IDR_TEST_SHOWTYPE, RUNTIME_CLASS(CShowListDoc),
                              RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CShowListView));
    app.AddDocTemplate(pShowTemplate);
    pMainFrame = new CTestMainFrame;
    if (!pMainFrame->LoadFrame(IDR_TEST_MAINFRAME)) {
        pMainFrame = nullptr;
        return;
    }
    app.m_pMainWnd = pMainFrame;
    pMainFrame->ShowWindow(SW_SHOW);
}

DocViewProgram::~DocViewProgram()
{
    app.CloseAllDocuments(TRUE);
    if (pMainFrame != nullptr && ::IsWindow(pMainFrame->m_hWnd))
        pMainFrame->DestroyWindow();
    PumpPending();
    // The main window's end posted a quit for the pump: take it off the queue.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}
