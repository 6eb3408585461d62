// The application object and the program's main line.
#include "fw/win.h"
#include "handle_map.h"
#include "thread_state.h"

#include <cstdlib>
#include <cstring>
#include <exception>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    m_pszAppName = lpszAppName ? _strdup(lpszAppName) : nullptr;
    m_hInstance = nullptr;
    m_hPrevInstance = nullptr;
    m_lpCmdLine = nullptr;
    m_nCmdShow = SW_SHOWNORMAL;
    m_pszExeName = nullptr;
    m_pszHelpFilePath = nullptr;
    m_pszProfileName = nullptr;
    m_pszRegistryKey = nullptr;
    m_pDocManager = nullptr;
    m_pRecentFileList = nullptr;
    m_nNumPreviewPages = 0;
    m_atomApp = 0;
    m_atomSystemTopic = 0;
    m_hDevMode = nullptr;
    m_hDevNames = nullptr;
    m_dwPromptContext = 0;
    m_bHelpMode = FALSE;
    m_nWaitCursorCount = 0;
    m_hcurWaitCursorRestore = nullptr;
    // The application object runs on the thread that constructs it.
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;

    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_pCurrentWinApp = this;
    fw::CurrentThreadState().pCurrentThread = this;
    SetCurrentHandles();
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    if (m_atomApp != 0)
        ::GlobalDeleteAtom(m_atomApp);
    if (m_atomSystemTopic != 0)
        ::GlobalDeleteAtom(m_atomSystemTopic);
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_pCurrentWinApp == this) {
        pModuleState->m_pCurrentWinApp = nullptr;
        pModuleState->m_lpszCurrentAppName = nullptr;
    }
    fw::ThreadState& state = fw::CurrentThreadState();
    if (state.pCurrentThread == this)
        state.pCurrentThread = nullptr;
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    free((void*)m_pszRegistryKey);
}

void CWinApp::SetCurrentHandles()
{
    if (m_hInstance == nullptr)
        m_hInstance = ::GetModuleHandleA(nullptr);
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = m_hInstance;

    char szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    szPath[nLen < MAX_PATH ? nLen : MAX_PATH - 1] = '\0';
    const char* pszName = strrchr(szPath, '\\');
    pszName = pszName ? pszName + 1 : szPath;
    char szExe[MAX_PATH];
    lstrcpynA(szExe, pszName, MAX_PATH);
    char* pszDot = strrchr(szExe, '.');
    if (pszDot)
        *pszDot = '\0';

    if (m_pszExeName == nullptr)
        m_pszExeName = _strdup(szExe);
    if (m_pszHelpFilePath == nullptr) {
        char szHelp[MAX_PATH + 8];
        lstrcpynA(szHelp, szPath, MAX_PATH);
        char* pszExt = strrchr(szHelp, '.');
        if (pszExt && strchr(pszExt, '\\') == nullptr)
            lstrcpyA(pszExt, ".HLP");
        m_pszHelpFilePath = _strdup(szHelp);
    }
    if (m_pszAppName == nullptr) {
        CString strTitle;
        if (strTitle.LoadString(0xE000 /* AFX_IDS_APP_TITLE */) && !strTitle.IsEmpty())
            m_pszAppName = _strdup(strTitle);
        else
            m_pszAppName = _strdup(m_pszExeName);
    }
    pModuleState->m_lpszCurrentAppName = m_pszAppName;
    if (m_pszProfileName == nullptr) {
        CString strIni(m_pszExeName);
        strIni += ".INI";
        m_pszProfileName = _strdup(strIni);
    }
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr) {
        // Nothing to run for: end as if the main window had closed.
        AfxPostQuitMessage(0);
    }
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND hWndOwner = nullptr;
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
    return AfxShowMessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType, nIDPrompt);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_CURSOR),
                         lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(nIDCursor));
}
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_ICON),
                       lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
{
    return ::LoadIconA(nullptr, MAKEINTRESOURCEA(nIDIcon));
}

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_hCurrentInstanceHandle == nullptr)
        pModuleState->m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
    return pModuleState->m_hCurrentInstanceHandle;
}

LPCSTR AFXAPI AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxOleTerm(FALSE);
    fw::DeleteAllTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        goto InitFailure;
    if (pApp != nullptr && !pApp->InitApplication())
        goto InitFailure;
    if (pThread == nullptr)
        goto InitFailure;
    try {
        if (!pThread->InitInstance()) {
            if (pThread->m_pMainWnd != nullptr)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        } else {
            nReturnCode = pThread->Run();
        }
    } catch (CException* e) {
        // Start-up or shut-down failed outside any window procedure: tell the user.
        char szMessage[512];
        if (!e->GetErrorMessage(szMessage, sizeof szMessage))
            lstrcpyA(szMessage, "Internal application error.");
        AfxMessageBox(szMessage, MB_ICONSTOP);
        e->Delete();
        nReturnCode = -1;
    } catch (const std::exception& e) {
        CString text("Internal application error.\n");
        text += e.what();
        AfxMessageBox(text, MB_ICONSTOP);
        nReturnCode = -1;
    } catch (...) {
        AfxMessageBox("Internal application error.", MB_ICONSTOP);
        nReturnCode = -1;
    }
InitFailure:
    AfxWinTerm();
    return nReturnCode;
}
