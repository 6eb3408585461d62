// A small multiple-document program for the document, frame and modal tests: a note
// template and a show template on one MDI frame, with a command that each level of the
// routing may take or pass on.
#pragma once
#include "docview_test_res.h"
#include "fw_test_support.h"

#include <string>

// Which levels take ID_TEST_ROUTE (the others pass it on), and who took it last.
struct RouteTrace
{
    unsigned nTakers = 0;
    std::string strTaker;
};
enum RouteLevel { routeView = 1, routeDoc = 2, routeChild = 4, routeMain = 8, routeApp = 16 };
RouteTrace& Route();

// The update state of ID_TEST_CHECKED and ID_TEST_DISABLED.
struct UpdateState
{
    BOOL bEnable = TRUE;
    int nCheck = 1;
};
UpdateState& Updates();

class CNoteDoc : public CDocument
{
    DECLARE_DYNCREATE(CNoteDoc)
public:
    CString m_strText;
    static BOOL s_bFailHalfway; // the next store throws after writing part of the text
    void Serialize(CArchive& ar) override;
    BOOL OnRoute(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};

class CNoteView : public CView
{
    DECLARE_DYNCREATE(CNoteView)
public:
    void OnDraw(CDC*) override { }
    int m_nInitialUpdates = 0;
    void OnInitialUpdate() override
    {
        m_nInitialUpdates++;
        CView::OnInitialUpdate();
    }
    BOOL OnRoute(UINT nID);
    void OnUpdateChecked(CCmdUI* pCmdUI);
    void OnUpdateDisabled(CCmdUI* pCmdUI);
    void OnDisabled();
    static int s_nDisabledRuns;

protected:
    DECLARE_MESSAGE_MAP()
};

class CShowListDoc : public CDocument
{
    DECLARE_DYNCREATE(CShowListDoc)
};

class CShowListView : public CView
{
    DECLARE_DYNCREATE(CShowListView)
public:
    void OnDraw(CDC*) override { }
};

class CTestChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CTestChildFrame)
public:
    BOOL OnRoute(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};

class CTestMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CTestMainFrame)
public:
    BOOL OnRoute(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("Rundown Test") { }
    BOOL OnRoute(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};

// The program: an application with both templates and its main frame, made for one
// test and taken down after it.
class DocViewProgram
{
public:
    DocViewProgram();
    ~DocViewProgram();

    CTestApp app;
    CMultiDocTemplate* pNoteTemplate;
    CMultiDocTemplate* pShowTemplate;
    CTestMainFrame* pMainFrame;
};
