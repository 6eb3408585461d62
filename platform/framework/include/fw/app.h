// The application object: one per program, constructed as a global. AfxWinMain (see
// fw/winmain.h) initialises it, calls InitInstance, runs the message pump and ends with
// ExitInstance. It also keeps the application's settings profile in the registry.
#pragma once
#include "fw/thread.h"

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
