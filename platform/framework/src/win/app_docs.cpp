// CWinApp's document services: the templates and the document manager, File New and
// Open, saving every document, the recent-file list, the command line, printer
// defaults, help and the wait cursor.
#include "fw/win.h"

#include <ole2.h>

#include <cstdlib>

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    if (m_pDocManager != nullptr)
        return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog,
                                               pTemplate);
    CDocManager manager; // no templates: all files
    return manager.DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

// --- recent files and standard settings -------------------------------------------------------

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU != 0) {
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)nMaxMRU);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", (int)m_nNumPreviewPages);
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() ||
        (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    // A file that no longer opens leaves the list.
    if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

// --- the command line and the shell ------------------------------------------------------------

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    ParseCommandLine(rCmdInfo, __argc, __argv);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; i++) {
        LPCSTR pszParam = argv[i];
        BOOL bFlag = FALSE;
        if (pszParam[0] == '-' || pszParam[0] == '/') {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i + 1 == argc);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Print and end: the document prints through its view's direct print.
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;
    case CCommandLineInfo::FileDDE:
        m_nCmdShow = SW_HIDE; // the shell's DDE command will show it
        return TRUE;
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return TRUE;
}

void CWinApp::EnableShellOpen()
{
    if (m_atomApp == 0)
        m_atomApp = ::GlobalAddAtomA(m_pszExeName);
    if (m_atomSystemTopic == 0)
        m_atomSystemTopic = ::GlobalAddAtomA("system");
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->RegisterShellFileTypes(bCompat);
}

void CWinApp::UnregisterShellFileTypes()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->UnregisterShellFileTypes();
}

BOOL CWinApp::OnDDECommand(LPSTR lpszCommand)
{
    return m_pDocManager != nullptr && m_pDocManager->OnDDECommand(lpszCommand);
}

// --- printer defaults ---------------------------------------------------------------------------

void CWinApp::SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld)
{
    if (bFreeOld) {
        if (m_hDevNames != nullptr && m_hDevNames != hDevNames)
            ::GlobalFree(m_hDevNames);
        if (m_hDevMode != nullptr && m_hDevMode != hDevMode)
            ::GlobalFree(m_hDevMode);
    }
    m_hDevNames = (HGLOBAL)hDevNames;
    m_hDevMode = (HGLOBAL)hDevMode;
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (!bForceDefaults && m_hDevNames != nullptr)
        return;
    // The system's default printer, asked without showing anything.
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (::PrintDlgA(&pd))
        SelectPrinter(pd.hDevNames, pd.hDevMode);
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    UpdatePrinterSelection(m_hDevNames == nullptr);
    if (m_hDevNames == nullptr)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc)
{
    UpdatePrinterSelection(FALSE);
    if (m_hDevNames == nullptr)
        return FALSE;
    DEVNAMES* pDevNames = (DEVNAMES*)::GlobalLock(m_hDevNames);
    DEVMODEA* pDevMode = m_hDevMode != nullptr ? (DEVMODEA*)::GlobalLock(m_hDevMode) : nullptr;
    HDC hDC = ::CreateDCA((LPCSTR)pDevNames + pDevNames->wDriverOffset,
                          (LPCSTR)pDevNames + pDevNames->wDeviceOffset,
                          (LPCSTR)pDevNames + pDevNames->wOutputOffset, pDevMode);
    if (pDevMode != nullptr)
        ::GlobalUnlock(m_hDevMode);
    ::GlobalUnlock(m_hDevNames);
    return hDC != nullptr && dc.Attach(hDC);
}

// --- help -----------------------------------------------------------------------------------------

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    HWND hWnd = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (!::WinHelpA(hWnd, m_pszHelpFilePath, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWinApp::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    // The HTML Help control is loaded when first asked for.
    typedef HWND(WINAPI * HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HtmlHelpProc pfnHtmlHelp = [] {
        HMODULE hModule = ::LoadLibraryA("hhctrl.ocx");
        return hModule != nullptr ? (HtmlHelpProc)(void*)::GetProcAddress(hModule, "HtmlHelpA")
                                  : nullptr;
    }();
    HWND hWnd = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (pfnHtmlHelp == nullptr ||
        (pfnHtmlHelp(hWnd, m_pszHelpFilePath, nCmd, dwData) == nullptr && nCmd != 0x000F))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWinApp::OnHelp() { WinHelp(0, HELP_CONTENTS); }
void CWinApp::OnHelpIndex() { WinHelp(0, HELP_INDEX); }
void CWinApp::OnHelpFinder() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnHelpUsing() { WinHelp(0, HELP_HELPONHELP); }

// --- wait cursor and the 3D look ------------------------------------------------------------------

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore != nullptr ? m_hcurWaitCursorRestore
                                                       : ::LoadCursor(nullptr, IDC_ARROW));
    }
}

// The system draws its controls in 3D itself: nothing to switch on.
BOOL CWinApp::Enable3dControls() { return TRUE; }
BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }
void CWinApp::SetDialogBkColor(COLORREF, COLORREF) { }

CWaitCursor::CWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(0);
}

// --- OLE ----------------------------------------------------------------------------------------------

namespace {
thread_local int t_nOleInit = 0; // OleInitialize calls to undo on this thread
} // namespace

BOOL AFXAPI AfxOleInit()
{
    HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr))
        return FALSE;
    t_nOleInit++;
    return TRUE;
}

void AFXAPI AfxOleTerm(BOOL)
{
    while (t_nOleInit > 0) {
        t_nOleInit--;
        ::OleUninitialize();
    }
}

void AFXAPI AfxEnableControlContainer()
{
    // The system's controls are contained as they are: nothing to set up.
}
