#include "ChildFrame.h"

#include "TXWords.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
END_MESSAGE_MAP()

CChildFrame::CChildFrame() : m_bOverwrite(0) { }

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app && app->m_bMaximizeWindows)
        cs.style |= WS_MAXIMIZE | WS_VISIBLE;
    return CMDIChildWnd::PreCreateWindow(cs);
}
