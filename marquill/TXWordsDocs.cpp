// The script template, its document manager and the main frame.
#include "TXWords.h"

#include "ChildFrame.h"
#include "MainFrame.h"
#include "MarquillResource.h"
#include "ScriptDoc.h"
#include "ScriptView.h"
#include "richtext/TXDocManager.h"

void CTXWordsApp::AddScriptTemplate()
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CTXDocManager;
    m_pScriptTemplate = new CMultiDocTemplate(
        m_bPowerPointAvailable ? IDR_SCRIPTTYPE_PP : IDR_SCRIPTTYPE, RUNTIME_CLASS(CTXWordsDoc),
        RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CMyTXWordsView));
    AddDocTemplate(m_pScriptTemplate);
}

BOOL CTXWordsApp::CreateMainFrame()
{
    CMainFrame* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME_MENU, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete frame;
        return FALSE;
    }
    m_pMainWnd = frame;
    frame->RestorePlacement();
    return TRUE;
}
