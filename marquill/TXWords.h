// CTXWordsApp: Marquill's application object. It owns every per-user setting (read from
// the profile at start-up, written at exit), the caption settings, the monitor list, the
// command line's run modes and the document templates; every prompter the program creates
// is configured from it (ApplyPrompterSettings).
//
// The class is implemented in several files, one concern each: TXWords.cpp (start-up,
// exit, commands), TXWordsSettings.cpp (the profile), TXWordsPrompter.cpp (prompter
// configuration and the caption port check), TXWordsMonitors.cpp (monitors and screens),
// TXWordsDirect.cpp (prompting a file from the command line), TXWordsHelp.cpp (help and
// the start-up fallbacks), TXWordsFormats.cpp (script file formats and their dialog);
// the caption setup and the shows add their own files.
#pragma once
#include "framework.h"

#include <map>
#include <string>
#include <vector>

#include "CaptionData.h"
#include "CaptionLineSettings.h"
#include "CommandSwitches.h"
#include "ScriptFormat.h"
#include "SpeedKeys.h"
#include "SplashWnd.h"

// The printer spooler's header names a macro EnumMonitors; the application's operation of
// that name is meant here.
#ifdef EnumMonitors
#undef EnumMonitors
#endif

class CMarquillCmdWnd;
class CShowView;
class CMultiDocTemplate;
class CCmdUI;

// The main window's class, registered by the first instance; a second instance finds the
// first by it.
extern const char kMarquillWindowClass[];

// The one prompter object of the process (null while none exists). Every starter creates
// it, calls ApplyPrompterSettings, sets its callbacks and calls Create; the starter's
// close handler deletes it.
extern CMarquillCmdWnd* g_pPrompter;

// The machine-wide caption data (encoder profiles, replacement characters) is the base
// CCaptionData; the serial line and encoder numbers are the Captioner members below.
class CTXWordsApp : public CWinApp, public CCaptionData
{
public:
    CTXWordsApp();
    ~CTXWordsApp() override;

    BOOL InitInstance() override;
    // Opens through the framework, then tiles the script windows.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    int ExitInstance() override;

    // ---- start-up -------------------------------------------------------------------------
    // True when no other instance runs and the main window class is now registered; an
    // other instance is restored and brought to the front.
    BOOL FirstInstance();
    // Reads Marquill's own switches from the process's command line.
    void ParseSwitches();
    // The same from a given argument list (argv[0]: the program).
    void ParseSwitches(int argc, const char* const* argv);
    // Looks up "Powerpoint.Application"; sets m_bPowerPointAvailable.
    void CheckPowerPoint();
    // Lets the shell open our documents here and registers the templates' file types
    // (the open command names this program).
    void RegisterShellTypes();
    // The documents folder from the environment, created when absent.
    void SetupDocumentsFolder();

    // ---- the profile (TXWordsSettings.cpp) -----------------------------------------------
    // Every setting to its default (the constructor does this, so nothing is ever written
    // uninitialised).
    void SetDefaultSettings();
    // Start-up step 8 and the writes of exit and of the options dialog.
    void LoadSettings();
    void SaveSettings();
    void LoadPrompterSettings();
    void SavePrompterSettings();
    void LoadWindowPlacement();
    void SaveWindowPlacement();
    void LoadCaptionerSettings();
    void SaveCaptionerSettings();
    void LoadScreenSettings();
    void SaveScreenSettings();
    void LoadSpeedKeys();
    void SaveSpeedKeys();
    void LoadPowerPointSettings();
    void SavePowerPointSettings();
    // The reading speed for reading times: never below 60 words a minute.
    int GetReadingSpeed() const;

    // ---- prompter configuration (TXWordsPrompter.cpp) -----------------------------------
    // Copies the settings into the prompter named by g_pPrompter (which must be set), or
    // into the given one.
    void ApplyPrompterSettings();
    void ApplyPrompterSettings(CMarquillCmdWnd* prompter);
    // True when the caption port is present; otherwise says so and returns false.
    bool CheckSerialPort(const CString& port);
    // True when prompting may go on: always with caption output off, else the port check.
    bool CheckCaptionPortBeforePrompting();
    // The numbers of the serial ports the machine has.
    void EnumerateComPorts(std::vector<int>& ports);

    // ---- caption setup (TXWordsCaption.cpp) ----------------------------------------------
    // The Captioner members as the caption module takes them, and back.
    CCaptionLineSettings GetCaptionLine() const;
    void SetCaptionLine(const CCaptionLineSettings& line);
    // Close Caption Setup: the sheet on the caption data; OK writes it for the machine.
    void OnCloseCaptionSetup();

    // ---- monitors (TXWordsMonitors.cpp) --------------------------------------------------
    void EnumMonitors();
    void AddMonitor(HMONITOR hMonitor);
    // The monitor rectangle of the prompter screen (see ScreenChoice.h); FALSE when no
    // monitor is known.
    BOOL GetPrompterScreenRect(RECT& rect, bool sameMonitor);
    // A windowed prompter's screen (the monitor it prompts on) and its window (the small
    // foreground screen, or over the main window), chosen for a view at viewRect.
    void GetWindowPrompterRects(const CRect& viewRect, RECT& screen, RECT& window);
    // The saved frame placement as a rectangle.
    RECT GetSavedFrameRect() const;

    // ---- direct prompting (TXWordsDirect.cpp) --------------------------------------------
    // FALSE when no prompter could be started (the run then ends).
    BOOL PromptDirect();
    BOOL PromptDirectFullScreen();
    BOOL PromptDirectInWindow(int mode);
    void EndDirectPrompt();
    // A script file as RTF: RTF files as they are on disk, every other format converted by
    // the rich-text control's readers. Empty when the file cannot be read.
    static std::string LoadScriptAsRtf(const char* path);

    // ---- help and fallbacks (TXWordsHelp.cpp) --------------------------------------------
    // The help file beside the program.
    CString GetHelpFilePath() const;
    // A new, empty script in place of a command-line file that could not be opened.
    void OpenEmptyScript();
    // Start-up's shell command: a new file becomes nothing; a file that cannot be opened
    // gives an empty script. FALSE when another command failed (start-up ends).
    BOOL RunShellCommand(CCommandLineInfo& info);
    // Says what went wrong with a file (or memory) and deletes the exception; without one,
    // the message nIDFallback with lpszExtra after it.
    void ReportFileException(CException* pException, UINT nIDFallback, LPCSTR lpszExtra = nullptr);

    // ---- script file formats (TXWordsFormats.cpp) ----------------------------------------
    // The filter list of the script file dialogs from the format string table.
    ScriptFormatFilter GetScriptFormatFilter(bool openDialog) const;
    // The script file dialog: the title from nIDSTitle, the formats as its filter (an open
    // dialog starts on the remembered format and remembers the one chosen). pFilterIndex:
    // in and out, the format's index in the full table. TRUE when a file was chosen.
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          int* pFilterIndex = nullptr);
    // Offers the script formats in the document manager's file dialogs (from the format
    // strings) and installs the program's format detection.
    void RegisterScriptFormats();
    // The script template (with or without the slide-show commands) and its document
    // manager; the main frame. FALSE when the frame cannot be made.
    void AddScriptTemplate();
    BOOL CreateMainFrame();

    // ==== members =========================================================================
    // Monitors.
    std::map<HMONITOR, MONITORINFOEXA> m_Monitors;
    BOOL m_bMultipleMonitors;
    RECT m_rcVirtualDesktop;
    int m_nMonitorCount;

    // Section "Application": the main frame's placement (width and height, not edges).
    int m_nWindowState;
    int m_nAppLeft, m_nAppTop, m_nAppWidth, m_nAppHeight;

    // Section "Prompter".
    LOGFONT m_lfPrompter;
    COLORREF m_crFontColor, m_crBackColor, m_crPointerColor;
    int m_nSpeedProgramming; // armed by "Program Prompter Speeds"
    SpeedKeyTable m_SpeedKeys; // section "SpeedKeys"
    int m_SpeedKeyIndex[kSpeedKeyCount];
    int m_nPointerPosition, m_nMarkerType, m_nBorder, m_bMouseMotion, m_bMonoBitmap, m_bCenterText;
    int m_bShowPPInst, m_bShowBullets, m_nDefaultScreen, m_nPPX, m_nPPY, m_nPPCx, m_nPPCy;
    int m_bStopWatch, m_nStopWatchPosition, m_bStopWatchContinuous;
    int m_bForegroundScreenActive, m_nFGScreenSize, m_bFGRightJustified;
    int m_bRemoveBlanks, m_bReverseImage, m_bMirrorImage, m_bHas1mbVideo;
    int m_nDefaultSpeed;
    int m_bDoBreaks, m_bAutoContinue, m_bShowBreakTime, m_bDoCaption;
    int m_bPowerPointAvailable;
    int m_nLineSpacing;
    int m_bShowCCAP, m_bShowPRMPTCAP, m_bUseCentiseconds;
    int m_bPromptBlankPar, m_bPromptRightJust, m_bPromptROTL, m_bPromptContinous;
    int m_nFontSize;

    // Section "Captioner".
    int m_nCaptionWPM;
    CString m_strCCData, m_strCCStop, m_strCCParity, m_strCCPort, m_strCCBaud, m_strCCFlow;
    CString m_strEncoderBOL, m_strEncoderEOL, m_strEncoderReset, m_strEncoderInit;
    int m_nWrap, m_nPacing, m_nWPMPacing;

    // Screens and reading speed.
    int m_bDualScreen, m_bWindowPrompter;
    int m_nPrompterScreen; // a monitor handle's value; used with more than two monitors
    int m_nReadingSpeed; // section "User", words a minute

    // Documents and shows.
    CMultiDocTemplate* m_pScriptTemplate;
    CMultiDocTemplate* m_pShowTemplate;
    CWnd* m_pRundownTabWnd; // set by the rundown bar
    CString m_strUpdatedScriptPath; // a saved or closed script, for the show view (0x40B)
    CString m_strUpdatedScriptERT;

    // The command line.
    bool m_bDirectPrompt;
    CString m_strCmdLineFile;
    int m_nAutoStartMode; // -1 not given, 1 SA, 2 SN
    int m_nStartSpeed; // the digit after SA/SN, -1 when not given
    int m_nLoopMode; // -1 not given, 2 TC, 1 TL, 0 TN
    int m_nExitCode; // a direct run that could not prompt ends with a non-zero code

    int m_bPrompting; // a prompter run is in progress
    int m_bMaximizeWindows = 0; // document windows open maximised
    CString m_strHelpPath, m_strDocumentsFolder;
    CWnd* m_pButtonBarWnd; // kept by the main frame for the script views
    CWnd* m_pStatusBarWnd;
    int m_nFilterIndex; // remembered filter of the script open dialog
    int m_bMetric; // the user's locale measures in metric units
    int m_bShellOpen; // the start-up's shell command is a file open
    bool m_bSettingsLoaded; // the profile was read: only then is it written back
    bool m_bOleInitialized;
    CSplashWnd m_splash; // shown behind the prompter for the whole of a direct run

protected:
public:
    // Commands (public so that tests and the frame's menus reach them alike).
    void OnResetPrompterSpeeds();
    void OnLoop();
    void OnUpdateLoop(CCmdUI* pCmdUI);
    void OnHelpTopics();
    void OnAppAbout();
    void OnPrompterFont();
    void OnGeneralOptions();

    // ---- shows (TXWordsShows.cpp) --------------------------------------------------------
    // The show template (show document, child frame, show view).
    void AddShowTemplate();
    // A new show document made by the show template (its new-document step run); null
    // when it could not be made.
    CDocument* NewShowDocument();
    // A new show document with its one show view, a child of pParent; kept as the show
    // document.
    CShowView* CreateShowView(CWnd* pParent, UINT nID);
    // The show document's first view; null before the rundown exists.
    CShowView* GetShowView() const;
    void OnShowNew();
    void OnShowOpen();
    void OnShowSave();
    void OnShowSaveAs();
    void OnShowClose();
    void OnUpdateShowOpenOnly(CCmdUI* pCmdUI);
    CDocument* m_pShowDoc = nullptr; // the show's document, made with the rundown

protected:
    DECLARE_MESSAGE_MAP()
};

// The application object (the program's theApp; a test's own instance).
inline CTXWordsApp* GetTXWordsApp() { return static_cast<CTXWordsApp*>(AfxGetApp()); }
