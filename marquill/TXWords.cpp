// Start-up, exit and the application-wide commands of Marquill.
#include "TXWords.h"

#include <algorithm>

#include "BrovanexModule.h"
#include "MarquillCmdWnd.h"
#include "controls/GXControlFactory.h"
#include "core/GXStartup.h"
#include "MarquillResource.h"

const char kMarquillWindowClass[] = "MarquillClass";

namespace {
// Whether this instance registered the main window class (and so unregisters it).
bool g_bRegisteredWindowClass = false;
} // namespace

BEGIN_MESSAGE_MAP(CTXWordsApp, CWinApp)
    ON_COMMAND(IDM_RESET_PROMPTER_SPEEDS, &CTXWordsApp::OnResetPrompterSpeeds)
    ON_COMMAND(IDM_LOOP, &CTXWordsApp::OnLoop)
    ON_UPDATE_COMMAND_UI(IDM_LOOP, &CTXWordsApp::OnUpdateLoop)
    ON_COMMAND(IDM_CC_SETUP, &CTXWordsApp::OnCloseCaptionSetup)
    ON_COMMAND(ID_HELP_INDEX, &CTXWordsApp::OnHelpTopics)
    ON_COMMAND(ID_HELP, &CTXWordsApp::OnHelpTopics)
    ON_COMMAND(ID_DEFAULT_HELP, &CTXWordsApp::OnHelpTopics)
    ON_COMMAND(ID_APP_ABOUT, &CTXWordsApp::OnAppAbout)
    ON_COMMAND(IDM_PROMPTER_FONT, &CTXWordsApp::OnPrompterFont)
    ON_COMMAND(IDM_GENERAL_OPTIONS, &CTXWordsApp::OnGeneralOptions)
    ON_COMMAND(IDM_SHOW_NEW, &CTXWordsApp::OnShowNew)
    ON_COMMAND(IDM_SHOW_OPEN, &CTXWordsApp::OnShowOpen)
    ON_COMMAND(IDM_SHOW_SAVE, &CTXWordsApp::OnShowSave)
    ON_COMMAND(IDM_SHOW_SAVE_AS, &CTXWordsApp::OnShowSaveAs)
    ON_COMMAND(IDM_SHOW_CLOSE, &CTXWordsApp::OnShowClose)
    ON_UPDATE_COMMAND_UI(IDM_SHOW_SAVE, &CTXWordsApp::OnUpdateShowOpenOnly)
    ON_UPDATE_COMMAND_UI(IDM_SHOW_SAVE_AS, &CTXWordsApp::OnUpdateShowOpenOnly)
    ON_UPDATE_COMMAND_UI(IDM_SHOW_CLOSE, &CTXWordsApp::OnUpdateShowOpenOnly)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, &CWinApp::OnOpenRecentFile)
END_MESSAGE_MAP()

CTXWordsApp::CTXWordsApp()
    : CWinApp("Marquill"), m_bMultipleMonitors(FALSE), m_rcVirtualDesktop {0, 0, 0, 0},
      m_nMonitorCount(0), m_nSpeedProgramming(0), m_bPowerPointAvailable(0),
      m_pScriptTemplate(nullptr), m_pShowTemplate(nullptr), m_pRundownTabWnd(nullptr),
      m_bDirectPrompt(false), m_nAutoStartMode(-1), m_nStartSpeed(-1), m_nLoopMode(-1),
      m_nExitCode(0), m_bPrompting(0), m_pButtonBarWnd(nullptr), m_pStatusBarWnd(nullptr),
      m_nFilterIndex(1), m_bMetric(0), m_bShellOpen(0), m_bSettingsLoaded(false),
      m_bOleInitialized(false)
{
    for (int i = 0; i < kSpeedKeyCount; ++i)
        m_SpeedKeyIndex[i] = i;
    // Every setting starts at its profile default, so nothing is ever written uninitialised.
    SetDefaultSettings();
    char measure[4] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, sizeof measure))
        m_bMetric = measure[0] == '0';
}

CTXWordsApp::~CTXWordsApp()
{
    // The show template is the application's own (File New does not offer it).
    delete m_pShowTemplate;
}

BOOL CTXWordsApp::FirstInstance()
{
    HWND hWnd = ::FindWindowA(kMarquillWindowClass, nullptr);
    if (hWnd != nullptr) {
        HWND hPopup = ::GetLastActivePopup(hWnd);
        if (::IsIconic(hWnd))
            ::ShowWindow(hWnd, SW_RESTORE);
        ::SetForegroundWindow(hPopup);
        g_bRegisteredWindowClass = false;
        return FALSE;
    }
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDI_MARQUILL));
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kMarquillWindowClass;
    if (!::RegisterClassA(&wc))
        return FALSE;
    g_bRegisteredWindowClass = true;
    return TRUE;
}

void CTXWordsApp::ParseSwitches() { ParseSwitches(__argc, __argv); }

void CTXWordsApp::ParseSwitches(int argc, const char* const* argv)
{
    CommandSwitches switches;
    ::ParseSwitches(switches, argc, argv);
    m_bDirectPrompt = switches.direct;
    m_strCmdLineFile = switches.file.c_str();
    m_nAutoStartMode = switches.autoStart;
    m_nStartSpeed = switches.speedDigit;
    m_nLoopMode = switches.loopMode;
}

void CTXWordsApp::CheckPowerPoint()
{
    CLSID clsid;
    m_bPowerPointAvailable =
        SUCCEEDED(::CLSIDFromProgID(L"Powerpoint.Application", &clsid)) ? 1 : 0;
}

void CTXWordsApp::RegisterShellTypes()
{
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);
    // The document manager's own registration, once more with the same types.
    if (m_pDocManager)
        m_pDocManager->RegisterShellFileTypes(TRUE);
}

void CTXWordsApp::SetupDocumentsFolder()
{
    char profile[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("userprofile", profile, sizeof profile);
    if (length > 0 && length < sizeof profile)
        m_strDocumentsFolder = CString(profile) + "\\personal\\Marquill";
    else
        m_strDocumentsFolder = "c:\\My Documents\\Marquill";
    if (::GetFileAttributesA(m_strDocumentsFolder) == INVALID_FILE_ATTRIBUTES)
        ::CreateDirectoryA(m_strDocumentsFolder, nullptr);
}

BOOL CTXWordsApp::InitInstance()
{
    // 1. One instance per desktop.
    if (!FirstInstance())
        return FALSE;
    // 2. Our own switches, then the standard parse (its shell command runs at step 15).
    ParseSwitches();
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // 3. The splash, up while the editor starts (gone when start-up returns).
    CSplashWnd startSplash;
    if (!m_bDirectPrompt)
        startSplash.Show();
    // 4. OLE, control containment and the 3D look.
    if (FAILED(::OleInitialize(nullptr))) {
        AfxMessageBox("OLE INIT FAILED");
        return FALSE;
    }
    m_bOleInitialized = true;
    AfxEnableControlContainer();
    Enable3dControls();
    // 5. Slide-show instructions only where the presentation program is installed.
    CheckPowerPoint();
    // 6. Brovanex's grid library (with its resources), then this program's own copy.
    GridInit();
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    // 7. The profile, the help file and a recent-file list of four.
    SetRegistryKey("QEL\\Television\\Apps");
    m_strHelpPath = GetHelpFilePath();
    LoadStdProfileSettings(4);
    // 8. Settings.
    LoadSettings();

    // 9. Direct prompting: no editor; the prompter is the main window.
    if (m_bDirectPrompt) {
        if (m_nStartSpeed >= 0)
            m_nDefaultSpeed = std::min(std::max(m_nStartSpeed, 0), kSpeedKeyCount - 1);
        if (m_nAutoStartMode == 2)
            m_nLoopMode = 2;
        if (m_nLoopMode == 0 || m_nLoopMode == 1)
            m_bPromptContinous = m_nLoopMode;
        else if (m_nLoopMode == 2)
            m_bPromptContinous = 0;
        m_splash.Show(); // stays behind the prompter for the whole run
        if (!PromptDirect()) {
            // Nothing to prompt on: end the run instead of waiting with no window.
            m_nExitCode = 2;
            return FALSE;
        }
        return TRUE;
    }

    // 10. The script template (its document manager first).
    AddScriptTemplate();
    // 12. The shell opens our documents in this program.
    RegisterShellTypes();
    // 13. Monitors, 14. the main frame.
    EnumMonitors();
    if (!CreateMainFrame())
        return FALSE;
    // 15. The shell command.
    if (!RunShellCommand(cmdInfo))
        return FALSE;
    // 16. The documents folder.
    SetupDocumentsFolder();
    // 17. The script formats of the file dialogs.
    RegisterScriptFormats();
    return TRUE;
}

int CTXWordsApp::ExitInstance()
{
    if (m_bDirectPrompt)
        EndDirectPrompt();
    m_splash.Hide();
    if (g_bRegisteredWindowClass) {
        ::UnregisterClassA(kMarquillWindowClass, AfxGetInstanceHandle());
        g_bRegisteredWindowClass = false;
    }
    // A direct run writes nothing; neither does a run that never read the profile (a second
    // instance must not overwrite the first one's settings with defaults).
    if (!m_bDirectPrompt && m_bSettingsLoaded)
        SaveSettings();
    else {
        // Nor the recent files, which the framework's exit would write.
        delete m_pRecentFileList;
        m_pRecentFileList = nullptr;
    }
    if (m_bOleInitialized) {
        ::OleUninitialize();
        m_bOleInitialized = false;
    }
    const int code = CWinApp::ExitInstance();
    return m_nExitCode ? m_nExitCode : code;
}

BOOL CTXWordsApp::PreTranslateMessage(MSG* pMsg)
{
    // The prompter window cannot be moved or sized while it is up.
    if (g_pPrompter && g_pPrompter->GetSafeHwnd() && pMsg->hwnd == g_pPrompter->GetSafeHwnd()) {
        switch (pMsg->message) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_NCLBUTTONDOWN:
        case WM_SIZING:
        case WM_MOVING:
            return TRUE;
        }
    }
    return CWinApp::PreTranslateMessage(pMsg);
}

void CTXWordsApp::OnResetPrompterSpeeds()
{
    m_SpeedKeys = DefaultSpeedKeys();
    SaveSpeedKeys();
}

void CTXWordsApp::OnLoop() { m_bPromptContinous = m_bPromptContinous ? 0 : 1; }

void CTXWordsApp::OnUpdateLoop(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bPromptContinous ? 1 : 0);
}

CDocument* CTXWordsApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    CDocument* pDocument = CWinApp::OpenDocumentFile(lpszFileName);
    if (m_pMainWnd && m_pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        ::SendMessageA(static_cast<CMDIFrameWnd*>(m_pMainWnd)->m_hWndMDIClient, WM_MDITILE, 0, 0);
    return pDocument;
}
