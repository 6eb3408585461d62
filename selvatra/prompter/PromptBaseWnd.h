// The prompter window engine: the host contract (settings and callbacks), the record and
// script paragraph lists, line layout, the off-screen bitmaps, the worker threads, painting,
// scrolling and the paragraph events at the reading line.
#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "fw/win.h"
#include "PromptDefs.h"
#include "PromptLayout.h"
#include "PromptLists.h"
#include "CloseCaption.h"
#include "SelvatraApi.h"

struct OperatorParts;

class SELVATRA_API CPromptBaseWnd : public CWnd
{
    DECLARE_DYNCREATE(CPromptBaseWnd)

public:
    CPromptBaseWnd();
    virtual ~CPromptBaseWnd();

    // ---- virtual operations, in slot order --------------------------------------------
    virtual bool GetReversed();
    virtual void SetReversed(bool reversed);
    virtual void SetCurrentCyPos(int cy);
    virtual void StartStop(bool stop);
    virtual LRESULT CloseAutoContinue(WPARAM, LPARAM);
    virtual void OnPromptNow(int record, int paragraph);
    virtual void OnPromptShow(int row);
    virtual tagScriptInfo* CheckScriptParagraph(int cy, int step, bool reversed,
                                                DDTagOffBmpInfo* bitmap);
    virtual void StartClock(CTimeSpan length, bool showLtHy);
    virtual BOOL Create();
    virtual void CheckBreak(POSITION paragraph);
    virtual void CheckInstruction(POSITION paragraph, bool reversed);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnPaint();
    virtual void OnClose();

    // The framework's seven-argument creation, recording the parent as the owner.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr) override;

    // The window itself, of the given type, over rect (type 3: right and bottom are the size).
    int Create(CWnd* parent, CRect rect, WINTYPE type);

    // Calls the virtual OnClose directly (used for the second prompter).
    void CloseWindow();

    void FinishedCountDown();
    // The caption replacement map (PrompterOperator.cpp); call before Create.
    void SetCCMap(std::list<std::pair<char, char>>* pairs);
    void SWClockStart();
    void SWClockStop();
    void UpdatePromptScript(long recordId);
    void UpdatePromptRundown(bool);
    // Scales the font height by the ratio of a frame's height to the screen height.
    void SetFrameInfo(CRect& frame);

    // ---- public settings: written by the host between construction and Create ------------
    LOGFONT m_logFont;
    COLORREF m_crText;
    COLORREF m_crBack;
    COLORREF m_crPointer;
    int m_nPointerPosition; // 0 none, 1 top line, 2 second line, 3 quarter, 4 half way
    int m_nMarkerType; // 1 full, 2 narrow, 3 small, 4 arrow
    int m_nBorder;
    int m_bMouseMotion;
    int m_bMonoBitmap;
    int m_bReverseImage;
    int m_bMirrorImage;
    int m_bCenterText;
    int m_nLineSpacing; // tenths; 10 is single spacing
    int m_nDefaultSpeed; // speed-table entry used at start
    int m_bStopWatch;
    int m_nStopWatchPosition;
    int m_bStopWatchContinuous;
    int m_bForegroundScreenActive;
    int m_nFGScreenSize;
    int m_bFGRightJustified;
    int m_bAutoContinue;
    int m_bDoBreaks;
    int m_bCaptionUpper;
    int m_bShowPRMPTCAP;
    int m_bPromptBlankPar;
    int m_bPromptRightJust;
    int m_bPromptROTL;
    BYTE m_bPromptContinuous;
    int m_nAutoStartMode; // 0 off, 1 auto-start, 2 auto-start with only Esc active
    BYTE m_bCloseAtStop;
    BYTE m_bBookmarks;
    int m_bKeepAllLines;
    int m_bTrackParagraph;
    BYTE m_bDropPassedScripts;
    int m_bScriptHeaders;
    int m_bShowPPInst;
    int m_bShowBullets;
    int m_nDefaultScreen;
    int m_nPPX, m_nPPY, m_nPPCx, m_nPPCy;
    int m_bPowerPointOn;
    int m_bCaptionOn;
    // Caption line and encoder settings.
    int m_nCCPacing;
    int m_nCCWPMPacing;
    int m_nCCLineLength;
    CString m_strCCBOL, m_strCCEOL, m_strCCReset, m_strCCInit;
    CString m_strCCPort, m_strCCBaud, m_strCCData, m_strCCStop, m_strCCParity, m_strCCFlow;
    CCharReplaceMap m_ccMap;

    // ---- host callbacks ------------------------------------------------------------------
    PFN_NEXTRECORD m_pfnNextRecord;
    PFN_RESETRECORDS m_pfnResetRecords;
    PFN_PROMPTDONE m_pfnPromptDone;
    PFN_GETRECORD m_pfnGetRecord;
    PFN_GETSCRIPTTEXT m_pfnGetScriptText;

    // ---- window and run state ------------------------------------------------------------
    HWND m_hWndParent; // target of WM_PROMPTER_CLOSED
    void* m_pCallbackOwner; // first argument of every callback
    int m_nWinType;
    int m_nScreens;
    CRect m_rcSecond;
    HWND m_hWndFirst; // the window whose DC is the reference DC
    int m_nTopParagraph; // host paragraph number at the reading line
    UINT m_nScrollTimer;
    UINT m_nClockTimer;

    // Scrolling state.
    int m_nStep;
    int m_nCurrentCy;
    BYTE m_bReversed;
    BYTE m_bAtTop;
    BYTE m_bAtBottom;
    BYTE m_bRunning;

    // ---- layout metrics (set up at creation) --------------------------------------------
    int m_nLayoutWidth, m_nLayoutHeight; // the screen the text is laid out for
    int m_nLineHeight;
    int m_nUsableWidth;
    int m_nPointerMargin;
    int m_nAveCharWidth;
    int m_nCharsPerLine;
    int m_nLinesPerScreen;
    int m_nReadingOffset;
    int m_nLookAhead;
    int m_nUpperLimit, m_nLowerLimit;
    PromptLayoutSettings m_layout;

    // ---- records and paragraphs ----------------------------------------------------------
    CTypedPtrList<CObList, prmptRecord*>* m_pRecordList;
    CTypedPtrList<CObList, CPromptParagraph*> m_lstParagraphs;
    POSITION m_posPrompter; // paragraph at the reading position
    CTypedPtrList<CObList, prmptCBitmap*> m_lstBitmaps; // rendered paragraphs near the display

    // ---- the off-screen frame (user-interface thread) ------------------------------------
    // One ring of lines, one frame tall, that the window shows a band of.
    std::unique_ptr<DDTagOffBmpInfo> m_pFrame;
    HBITMAP m_hMirrorBitmap; // one line, for lines drawn flipped by the tick itself

    DDTagOffBmpInfo* CurrentOffBmp() const { return m_pFrame.get(); }

    // ---- threads and events --------------------------------------------------------------
    // Made by OnCreate and closed by CloseThreads, both on the user-interface thread. The
    // line thread (m_hBitmapThread) draws paragraph images ahead of the display and asks the
    // script thread for more scripts; the caption thread belongs to the caption writer.
    HANDLE m_evUpdateBitmaps, m_evUpdateScripts, m_evCaption;
    HANDLE m_evBitmapsReady, m_evScriptsUpdated;
    HANDLE m_hBitmapsDone, m_hScriptsDone, m_hCaptionDone;
    HANDLE m_hBitmapThread, m_hScriptThread, m_hCaptionThread;
    BYTE m_bStopThreads;
    int m_nSavedPriority;
    bool m_bPriorityChanged;

    // The line thread's hand-over. The tick only raises m_bLinesWanted; the scroll timer's
    // thread (or the tick, after drawing a line itself) wakes the line thread through
    // WakeLineWork. m_lineWorkGate guards the three flags below it.
    std::atomic<bool> m_bLinesWanted {false};
    std::mutex m_lineWorkGate;
    bool m_bLineWorkPaused; // jumps, re-reads and the close keep the line thread idle
    bool m_bLineWorkBusy; // a piece of work is under way (m_evBitmapsReady clear)

    // ---- operations used by the command window and the tests ------------------------------
    bool SetupThreadsAndEvents();
    void CloseThreads();
    void UpdatePromptScripts(UINT flags, long recordId);

    int BuildPrmptRecordList(int row, CTypedPtrList<CObList, prmptRecord*>* list);
    long SetupInitialScript(int record, int paragraph = 0);
    long SetupInitialScripts(int row);
    int SendPromptScript(bool forward);
    bool GetShowScript(void* owner, long id, qelstring& text);
    void InitializePrompterParagraphPosition(int paragraph);
    void UpdateParagraphList();
    void DoUpdatePromptScripts(UINT flags, long recordId);
    prmptRecord* FindPrmptRecord(long id);
    POSITION GetPromptRecordPosition(int number);
    void SetPromptingRecord(long id);

    POSITION FindTopOfScript(POSITION pos);
    POSITION FindBottomOfScript(POSITION pos);
    POSITION FindNextBkMk(POSITION pos);
    POSITION FindPrevBkMk(POSITION pos);
    void PromptParagraph(POSITION pos);
    // Navigation searches on this window's own paragraph list (also run on the second screen).
    void NavigateTopOfScript();
    void NavigateBottomOfScript();
    void NavigatePrevScript();
    void NavigateNextScript();
    int NavigateNextBkMk();
    int NavigatePrevBkMk();
    void NavigateToNumber(int number);

    POSITION BuildPrompterBitMapList();
    void BuildOffStageBitmap(POSITION pos);
    // Moves the frame by lines in direction dir (1 forwards), putting in only the new lines.
    void ShiftFrame(int dir, int lines);
    void UpdateBitMaps();

    void ScrollNow(int step, bool reversed, int& cy, bool& atTop, bool& atBottom);
    void SetupScroll(int step, bool reversed, int& cy, bool& atTop, bool& atBottom);
    // Copies the frame's rows top to bottom of the client area to dc.
    void DrawFrame(HDC dc, int top, int bottom);

    // Keeps the line thread idle and waits until it and the script thread are (serving sent
    // messages); the next BuildOffStageBitmap lets them run again.
    void WaitForWorkersIdle();
    void ResumeLineWork();
    // Wakes the line thread when lines are wanted and it is idle (any thread).
    void WakeLineWork();
    // The line thread's last act of each piece of work.
    void LineWorkDone();
    // Waits for an event on the user-interface thread while serving messages sent to it.
    static void WaitServingSentMessages(HANDLE h);

    // The paragraph a script-information entry refers to (null for blank lines).
    CPromptParagraph* ParagraphAt(POSITION pos) const;

    // The record that is being prompted (null when none).
    prmptRecord* GetPromptingRecord();

    static void HideCursor();
    static void ShowCursorAgain();

protected:
    // Hooks the caption, clock, slide-show and second-screen components fill in.
    virtual void QueueCaption(CPromptParagraph* paragraph);
    virtual void QueueInstruction(int code, const qelstring& text);
    virtual void KillClocks();
    virtual void SetupCloseCaptioning();
    virtual void CloseCloseCaptioning();

public:
    // The caption thread's work, run each time m_evCaption is signalled.
    virtual void OnCaptionWork();

protected:
    // The close sequence up to (not including) the destruction of the window and the
    // closing message, and that last step.
    void ShutDown(bool callDone);
    void FinishClose();

    // Creation steps.
    BOOL SetupCreate();
    void SetupMemoryDC();
    void SetupFont();
    bool SetupOffscreenBitmaps();
    void SetupPhysicalBitmapInformation();
    void DeleteOffscreenBitmaps();
    // The frame, the paragraph images, the DCs and the font.
    void ReleaseDrawing();
    // Reports why creation failed, stops what was started and returns -1 for OnCreate.
    int FailCreate(const char* what);
    void DeleteParagraphs();
    void DeleteRecords();

    // Script loading.
    int PromptScript(prmptRecord* record, bool forward, int flags);
    int PromptBreak(prmptRecord* record, bool forward, int flags);
    int PromptEndOfShow(prmptRecord* record, bool forward);
    int AddScript(prmptScript* script, bool forward);
    int InsertScript(prmptScript* script, POSITION position, bool forward);
    int LayoutParagraph(CPromptParagraph* paragraph, HDC hdc);
    // The script's text as formatted runs (RTF or plain), with the prompter's settings.
    prmptFormatedPtrList* BuildRuns(const std::string& text, int flags, CTimeSpan length);

    // Paragraph images and the frame.
    void RenderParagraph(CPromptParagraph* paragraph);
    void ReleaseParagraphBitmap(CPromptParagraph* paragraph);
    void DeleteBitmapEntries();
    PromptLineRef NextLine(PromptLineRef ref);
    PromptLineRef PrevLine(PromptLineRef ref);
    void DrawOneLine(HDC hdc, tagFormatedLine* line, int row, HBITMAP mirror);
    void ComposeLine(DDTagOffBmpInfo* info, PromptLineRef ref, int row, bool atTop);
    void BuildOSBitmap(DDTagOffBmpInfo* info, POSITION pos);
    void RenderWindow(PromptLineRef top, PromptLineRef bottom, int above, int below);
    void CopyFrame(HDC dc, int x, int y, int srcTop, int height);
    void StretchFrame(HDC dc, int x, int width, int clientHeight);
    int StretchMode() const;
    COLORREF BackgroundColour() const;
    void PatBltScreenBitMap(HDC hdc, int top, int height, int width);
    void OnFullWindowPaint();
    void OnFramePaint();
    void DrawPointer(HDC hdc, const RECT& client);

    // Markers.
    bool CheckTopOfPrompter(int cy, tagScriptInfo* info, int step, bool reversed);
    void ExamineAtReadingLine(int cy, tagScriptInfo* info, int step, bool reversed);
    void CheckStartStop(int cy, tagScriptInfo* info, int step, bool reversed);
    bool DoTopOfPrompterCaptioning(tagScriptInfo* info);
    bool DoTopOfPrompterInstruction(tagScriptInfo* info, bool reversed);
    void DoTopOfPrompterScript(tagScriptInfo* info, bool reversed);
    bool DoTopOfPrompterBreak(tagScriptInfo* info, bool reversed);

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

public:
    // Internals shared with the worker threads.
    HDC m_hRefDC;
    HDC m_hWndDC; // the window's own DC (its class keeps one): the tick draws here
    HDC m_hMemDC; // the frame's ring is selected here (user-interface thread)
    HGDIOBJ m_hOldMemBitmap;
    HFONT m_hFont;
    HFONT m_hOldFont;
    CRect m_rcClient;
    CCriticalSection m_csLists; // guards the paragraph and record lists between threads
    // The script thread's request: written by the line thread before it signals the script
    // thread, read by the script thread; m_evScriptsUpdated keeps the two apart.
    UINT m_nUpdateFlags;
    long m_lUpdateRecordId;
    POSITION m_posNextForward; // next record to load forwards
    POSITION m_posNextBackward; // next record to load backwards
    int m_nLastCost;
    // The clock the host's text fetches are timed by (milliseconds); tests drive their own.
    std::function<DWORD()> m_fetchClock = [] { return ::GetTickCount(); };
    int m_nCostCountdown;
    POSITION m_posLastAnnounced;
    POSITION m_posLastCaptioned;
    // The paragraph last examined at the reading line, with one done flag per direction
    // (user-interface thread).
    POSITION m_posLastExamined;
    bool m_bDoneForwards, m_bDoneBackwards;
    // A slide-show instruction held back for the next text paragraph: written by whichever
    // thread loads scripts (the user-interface thread at a start or jump, the script thread
    // otherwise; never both at once).
    int m_nPendingCode;
    std::string m_strPendingText;
    // Fractional pixels carried between ticks in a window of type 1 (user-interface thread).
    double m_dScrollRemainder;
    // The operator's parts: caption writer, slide-show thread ownership and clock displays
    // (PrompterOperator.cpp; user-interface thread).
    std::unique_ptr<OperatorParts> m_pOperator;
    int m_nCreateWidth, m_nCreateHeight;
    bool m_bClosed;
    PromptLineRef m_renderTop, m_renderBottom; // the frame's first and last lines (lists lock)
    HBITMAP m_hPointerBitmap; // the pointer, recoloured (user-interface thread)
    int m_nPointerBitmapType;
    LONG m_nLineMisses; // lines the tick drew itself (not ready)
};
