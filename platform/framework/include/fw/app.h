// The application object: one per program, constructed as a global. AfxWinMain (see
// fw/winmain.h) initialises it, calls InitInstance, runs the message pump and ends with
// ExitInstance. It also keeps the application's settings profile in the registry.
#pragma once
#include "fw/collections.h"
#include "fw/thread.h"

class CDC;
class CPrintDialog;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;
class CCommandLineInfo;

class FW_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName; // title: the constructor's name, else the exe's name
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCSTR m_pszExeName; // the program file's name without folder and extension
    LPCSTR m_pszHelpFilePath;
    LPCSTR m_pszProfileName; // the profile's name: AppName (registry) or <exe>.INI
    LPCSTR m_pszRegistryKey; // null: the profile is an .INI file

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    // Every message box the application shows comes here (AfxMessageBox included).
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;

    // The profile. With a registry key set, values live under
    // HKEY_CURRENT_USER\Software\<RegistryKey>\<ProfileName>\<Section>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey(); // the caller closes it; null on failure
    HKEY GetSectionKey(LPCSTR lpszSection); // created when absent; the caller closes it
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null entry removes the whole section; a null value removes the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // *ppData is new[]'d for the caller to delete[]; FALSE (and null) when absent.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Fills the handles and names from the module (AfxWinInit calls it).
    void SetCurrentHandles();

    // --- documents (fw/doctemplate.h) ---------------------------------------------------
    CDocManager* m_pDocManager; // made by the first AddDocTemplate when none is set
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // Asks each modified document to save (through its SaveModified); FALSE when the
    // user cancelled or a save failed.
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    // The file dialog of File Open and Save As, with the templates' filters.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);

    // --- recent files and the standard profile settings ------------------------------------
    CRecentFileList* m_pRecentFileList;
    // Reads the recent-file list (section "Recent File List", entries "File1" ...) with
    // room for nMaxMRU files (0: no list) and the preview page count.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    UINT m_nNumPreviewPages;

    // --- the command line and the shell ---------------------------------------------------
    // The program's own arguments (__argv), or the given ones (argv[0] is the program).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo, int argc, const char* const* argv);
    // Carries out the parsed shell command (new, open, print ...); FALSE when it failed.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Lets the shell open documents in this instance (by DDE or a new instance).
    void EnableShellOpen();
    // Registers each template's file type under the current user's classes
    // (Software\Classes): the type, its extension, its icon and the open and print verbs.
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();
    virtual BOOL OnDDECommand(LPSTR lpszCommand);
    ATOM m_atomApp;
    ATOM m_atomSystemTopic;

    // --- printer defaults ------------------------------------------------------------------
    HGLOBAL m_hDevMode;
    HGLOBAL m_hDevNames;
    BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
    void SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld = TRUE);
    BOOL CreatePrinterDC(CDC& dc);
    void UpdatePrinterSelection(BOOL bForceDefaults);
    // Runs a print or print-setup dialog on the application's printer and keeps the
    // printer chosen there.
    INT_PTR DoPrintDialog(CPrintDialog* pPD);

    // --- help ----------------------------------------------------------------------------
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void HtmlHelp(DWORD_PTR dwData, UINT nCmd = 0x000F);
    DWORD m_dwPromptContext; // the help context of the message box on screen
    BOOL m_bHelpMode; // Shift+F1 help mode is on

    // --- wait cursor and controls ------------------------------------------------------------
    // nCode 1 begins, -1 ends, 0 restores the wait cursor (calls nest).
    virtual void DoWaitCursor(int nCode);
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
    // The 3D look is the system's own: kept so start-up code reads as written.
    BOOL Enable3dControls();
    BOOL Enable3dControlsStatic();
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192),
                          COLORREF clrCtlText = RGB(0, 0, 0));

    // --- the standard commands (put them in the program's message map) -----------------------
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnHelp();
    afx_msg void OnHelpIndex();
    afx_msg void OnHelpFinder();
    afx_msg void OnHelpUsing();
    afx_msg void OnContextHelp();

protected:
    DECLARE_MESSAGE_MAP()
};

FW_API CWinApp* AFXAPI AfxGetApp();
FW_API CWnd* AFXAPI AfxGetMainWnd();
FW_API HINSTANCE AFXAPI AfxGetInstanceHandle();
FW_API LPCSTR AFXAPI AfxGetAppName();

FW_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nCmdShow);
FW_API void AFXAPI AfxWinTerm();
// The program's main line: init, InitInstance, Run (or ExitInstance when init failed).
FW_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                             int nCmdShow);
