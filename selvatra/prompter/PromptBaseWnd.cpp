// The prompter window: construction with the host's defaults, creation as a window or full
// screen, the set-up of fonts and bitmaps, painting dispatch and the close sequence.
#include "PromptBaseWnd.h"
#include "PrompterOperator.h"

#include "PromptLists.h"
#include <mmsystem.h>

#include "EngineMessages.h"
#include "PromptFaults.h"
#include "SpeedTable.h"

static const char kPrompterClass[] = "_QEL_PROMPTER";

IMPLEMENT_DYNCREATE(CPromptBaseWnd, CWnd)

BEGIN_MESSAGE_MAP(CPromptBaseWnd, CWnd)
    ON_WM_CLOSE()
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_KEYUP()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPromptBaseWnd::CPromptBaseWnd()
{
    memset(&m_logFont, 0, sizeof(m_logFont));
    m_logFont.lfHeight = -48;
    m_logFont.lfWeight = FW_NORMAL;
    m_logFont.lfCharSet = DEFAULT_CHARSET;
    m_logFont.lfQuality = DEFAULT_QUALITY;
    strcpy(m_logFont.lfFaceName, "Arial");
    m_crText = 0;
    m_crBack = 0xFFFFFF;
    m_crPointer = 0x00FF00;
    m_nPointerPosition = 0;
    m_nMarkerType = 1;
    m_nBorder = 15;
    m_bMouseMotion = 0;
    m_bMonoBitmap = 0;
    m_bReverseImage = 0;
    m_bMirrorImage = 0;
    m_bCenterText = 0;
    m_nLineSpacing = 10;
    m_nDefaultSpeed = ps_normal;
    m_bStopWatch = 0;
    m_nStopWatchPosition = 0;
    m_bStopWatchContinuous = 0;
    m_bForegroundScreenActive = 0;
    m_nFGScreenSize = 0;
    m_bFGRightJustified = 0;
    m_bAutoContinue = 0;
    m_bDoBreaks = 1;
    m_bCaptionUpper = 0;
    m_bShowPRMPTCAP = 0;
    m_bPromptBlankPar = 0;
    m_bPromptRightJust = 0;
    m_bPromptROTL = 0;
    m_bPromptContinuous = 0;
    m_nAutoStartMode = 0;
    m_bCloseAtStop = 0;
    m_bBookmarks = 0;
    m_bKeepAllLines = 0;
    m_bTrackParagraph = 0;
    m_bDropPassedScripts = 0;
    m_bScriptHeaders = 0;
    m_bShowPPInst = 0;
    m_bShowBullets = 0;
    m_nDefaultScreen = 0;
    m_nPPX = m_nPPY = m_nPPCx = m_nPPCy = 0;
    m_bPowerPointOn = 0;
    m_bCaptionOn = 0;
    m_nCCPacing = 0;
    m_nCCWPMPacing = 0;
    m_nCCLineLength = 28;
    m_strCCEOL = "\r";
    m_strCCPort = "2";
    m_strCCBaud = "1200";
    m_strCCData = "8";
    m_strCCStop = "1";
    m_strCCParity = "None";
    m_strCCFlow = "NONE";

    m_pfnNextRecord = nullptr;
    m_pfnResetRecords = nullptr;
    m_pfnPromptDone = nullptr;
    m_pfnGetRecord = nullptr;
    m_pfnGetScriptText = nullptr;

    m_hWndParent = nullptr;
    m_pCallbackOwner = nullptr;
    m_nWinType = 0;
    m_nScreens = 0;
    m_rcSecond.SetRectEmpty();
    m_hWndFirst = nullptr;
    m_nTopParagraph = 0;
    m_nScrollTimer = 0;
    m_nClockTimer = 0;

    m_nStep = 1;
    m_nCurrentCy = 70;
    m_bReversed = m_bAtTop = m_bAtBottom = m_bRunning = FALSE;

    m_nLayoutWidth = m_nLayoutHeight = 0;
    m_nLineHeight = 1;
    m_nUsableWidth = 1;
    m_nPointerMargin = 0;
    m_nAveCharWidth = 1;
    m_nCharsPerLine = 1;
    m_nLinesPerScreen = 1;
    m_nReadingOffset = 0;
    m_nLookAhead = 1;
    m_nUpperLimit = m_nLowerLimit = 0;

    m_pRecordList = nullptr;
    m_posPrompter = nullptr;
    m_hMirrorBitmap = nullptr;

    m_evUpdateBitmaps = m_evUpdateScripts = m_evCaption = nullptr;
    m_evBitmapsReady = m_evScriptsUpdated = nullptr;
    m_hBitmapsDone = m_hScriptsDone = m_hCaptionDone = nullptr;
    m_hBitmapThread = m_hScriptThread = m_hCaptionThread = nullptr;
    m_bStopThreads = FALSE;
    m_nSavedPriority = THREAD_PRIORITY_NORMAL;
    m_bPriorityChanged = false;
    m_bLineWorkPaused = false;
    m_bLineWorkBusy = false;

    m_hRefDC = nullptr;
    m_hWndDC = nullptr;
    m_hMemDC = nullptr;
    m_hOldMemBitmap = nullptr;
    m_hFont = nullptr;
    m_hOldFont = nullptr;
    m_nUpdateFlags = 0;
    m_lUpdateRecordId = 0;
    m_posNextForward = m_posNextBackward = nullptr;
    m_nLastCost = 0;
    m_nCostCountdown = 3;
    m_posLastAnnounced = nullptr;
    m_posLastCaptioned = nullptr;
    m_posLastExamined = nullptr;
    m_bDoneForwards = m_bDoneBackwards = false;
    m_nPendingCode = 0;
    m_dScrollRemainder = 0.0;
    m_nCreateWidth = m_nCreateHeight = 0;
    m_bClosed = false;
    m_hPointerBitmap = nullptr;
    m_nPointerBitmapType = 0;
    m_nLineMisses = 0;

    if (!RegisterWindowMessage("MSWHEEL_ROLLMSG"))
        ShowEngineMessage("Failed to Register Mouse Wheel");
    RegisterWindowMessage("MSH_WHEELSUPPORT_MSG");
}

CPromptBaseWnd::~CPromptBaseWnd()
{
    // A prompter deleted without having been closed still stops its workers first.
    CloseThreads();
    ReleaseDrawing();
    DeleteParagraphs();
    DeleteRecords();
    CloseCloseCaptioning();
}

// ---- virtual operations with base behaviour ---------------------------------------------

bool CPromptBaseWnd::GetReversed() { return m_bReversed != 0; }
void CPromptBaseWnd::SetReversed(bool reversed) { m_bReversed = reversed; }
void CPromptBaseWnd::SetCurrentCyPos(int cy) { m_nCurrentCy = cy; }
void CPromptBaseWnd::StartStop(bool) { }
LRESULT CPromptBaseWnd::CloseAutoContinue(WPARAM, LPARAM) { return 1; }
void CPromptBaseWnd::OnPromptNow(int, int) { }
void CPromptBaseWnd::OnPromptShow(int) { }
void CPromptBaseWnd::StartClock(CTimeSpan, bool) { }
void CPromptBaseWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
void CPromptBaseWnd::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}
void CPromptBaseWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
}
void CPromptBaseWnd::OnMouseMove(UINT nFlags, CPoint point) { CWnd::OnMouseMove(nFlags, point); }
void CPromptBaseWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonDown(nFlags, point);
}
void CPromptBaseWnd::OnRButtonUp(UINT nFlags, CPoint point) { CWnd::OnRButtonUp(nFlags, point); }
BOOL CPromptBaseWnd::OnEraseBkgnd(CDC*) { return TRUE; }
void CPromptBaseWnd::OnSize(UINT nType, int cx, int cy) { CWnd::OnSize(nType, cx, cy); }

void CPromptBaseWnd::QueueCaption(CPromptParagraph* p) { OperatorQueueCaption(this, p); }
void CPromptBaseWnd::QueueInstruction(int code, const qelstring& text)
{
    OperatorQueueInstruction(this, code, text);
}
void CPromptBaseWnd::SetupCloseCaptioning() { OperatorAttach(this); }
void CPromptBaseWnd::CloseCloseCaptioning() { OperatorDetach(this); }
void CPromptBaseWnd::OnCaptionWork() { }

void CPromptBaseWnd::KillClocks()
{
    OperatorKillClocks(this);
    if (m_nClockTimer) {
        timeKillEvent(m_nClockTimer);
        m_nClockTimer = 0;
    }
}

void CPromptBaseWnd::FinishedCountDown()
{
    if (m_bAutoContinue)
        StartStop(false);
}

void CPromptBaseWnd::SWClockStart() { OperatorStopWatch(this, true); }
void CPromptBaseWnd::SWClockStop() { OperatorStopWatch(this, false); }

void CPromptBaseWnd::SetFrameInfo(CRect& frame)
{
    const int screen = m_nLayoutHeight > 0 ? m_nLayoutHeight : GetSystemMetrics(SM_CYSCREEN);
    if (screen > 0 && frame.Height() > 0)
        m_logFont.lfHeight = MulDiv(m_logFont.lfHeight, frame.Height(), screen);
}

void CPromptBaseWnd::CloseWindow() { OnClose(); }

void CPromptBaseWnd::HideCursor()
{
    for (int i = 0; i < 11; ++i)
        if (ShowCursor(FALSE) < 0)
            break;
}

void CPromptBaseWnd::ShowCursorAgain()
{
    for (int i = 0; i < 11; ++i)
        if (ShowCursor(TRUE) >= 0)
            break;
}

// ---- creation -----------------------------------------------------------------------------

BOOL CPromptBaseWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                            const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    m_hWndParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_pCallbackOwner = pParentWnd;
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

static bool RegisterPrompterClass(UINT style)
{
    WNDCLASS wc;
    HINSTANCE inst = AfxGetInstanceHandle();
    if (GetClassInfo(inst, kPrompterClass, &wc))
        return true;
    memset(&wc, 0, sizeof(wc));
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = inst;
    wc.lpszClassName = kPrompterClass;
    return AfxRegisterClass(&wc) != FALSE;
}

static HWND MainWindowHandle()
{
    CWnd* main = AfxGetMainWnd();
    return main ? main->GetSafeHwnd() : nullptr;
}

int CPromptBaseWnd::Create(CWnd* parent, CRect rect, WINTYPE type)
{
    m_hWndParent = parent ? parent->GetSafeHwnd() : nullptr;
    m_nWinType = type;
    m_pCallbackOwner = parent;
    if (!RegisterPrompterClass(CS_OWNDC | CS_BYTEALIGNCLIENT))
        return 0;

    DWORD exStyle = 0, style = WS_POPUP | WS_VISIBLE;
    int x = rect.left, y = rect.top, cx = rect.Width(), cy = rect.Height();
    if (type == WINTYPE_WINDOW) {
        style = 0xD0C40000; // WS_POPUP, WS_CHILD, WS_VISIBLE, WS_CAPTION, WS_THICKFRAME
        if (m_nScreens > 1)
            exStyle = WS_EX_TOPMOST;
    } else if (type == WINTYPE_FULLSCREEN) {
        exStyle = WS_EX_TOPMOST;
        cx = rect.right; // the hosts pass the monitor's size in right and bottom
        cy = rect.bottom;
    }
    m_nCreateWidth = cx;
    m_nCreateHeight = cy;
    if (!CreateEx(exStyle, kPrompterClass, "", style, x, y, cx, cy, MainWindowHandle(), nullptr,
                  nullptr))
        return 0;
    // The extended style asked for above is dropped for a window with WS_CHILD in its style;
    // the operator's window in front of a second screen is made topmost now.
    if (type == WINTYPE_WINDOW && m_nScreens > 1)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 1;
}

BOOL CPromptBaseWnd::Create()
{
    WNDCLASS wc;
    HINSTANCE inst = AfxGetInstanceHandle();
    if (!GetClassInfo(inst, kPrompterClass, &wc) &&
        !RegisterPrompterClass(CS_PARENTDC | CS_BYTEALIGNCLIENT))
        return FALSE;
    m_nWinType = WINTYPE_FULLSCREEN;
    m_nCreateWidth = GetSystemMetrics(SM_CXSCREEN);
    m_nCreateHeight = GetSystemMetrics(SM_CYSCREEN);
    return CreateEx(0, kPrompterClass, "", WS_POPUP | WS_VISIBLE, 0, 0, m_nCreateWidth,
                    m_nCreateHeight, MainWindowHandle(), nullptr, nullptr);
}

BOOL CPromptBaseWnd::SetupCreate()
{
    m_pFrame.reset(new DDTagOffBmpInfo);
    m_pRecordList = new CTypedPtrList<CObList, prmptRecord*>;
    m_bStopThreads = FALSE;
    return SetupThreadsAndEvents();
}

int CPromptBaseWnd::FailCreate(const char* what)
{
    // Says what went wrong and leaves nothing running: only started threads are waited for.
    ShowEngineMessage(std::string("The prompter could not start: ") + what);
    m_bClosed = true;
    CloseThreads();
    ReleaseDrawing();
    CloseCloseCaptioning();
    return -1;
}

int CPromptBaseWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!SetupCreate())
        return FailCreate("its worker threads could not be started.");
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return FailCreate("the window could not be created.");

    if (!m_hWndFirst)
        m_hWndFirst = m_hWnd;
    m_hRefDC = ::GetDC(m_hWndFirst);
    // The class keeps one DC per window: taken once, the tick draws through it.
    m_hWndDC = ::GetDC(m_hWnd);

    if (m_bMonoBitmap) {
        m_crText = m_bReverseImage ? RGB(255, 255, 255) : RGB(0, 0, 0);
        m_crBack = m_bReverseImage ? RGB(0, 0, 0) : RGB(255, 255, 255);
        m_crPointer = m_crText;
    }
    if (m_nLineSpacing <= 0)
        m_nLineSpacing = 10;
    m_nDefaultSpeed = ClampSpeedEntry(m_nDefaultSpeed);

    SetupMemoryDC();
    ::GetClientRect(m_hWnd, &m_rcClient);

    // The screen the text is laid out for: the prompter screen for a window, the window itself
    // otherwise (and for a window whose screen rectangle is empty).
    m_nLayoutWidth = lpCreateStruct->cx;
    m_nLayoutHeight = lpCreateStruct->cy;
    if (m_nWinType == WINTYPE_WINDOW && m_rcSecond.Width() > 0 && m_rcSecond.Height() > 0) {
        m_nLayoutWidth = m_rcSecond.Width();
        m_nLayoutHeight = m_rcSecond.Height();
    }
    if (m_nLayoutWidth <= 0)
        m_nLayoutWidth = m_rcClient.Width() > 0 ? m_rcClient.Width() : 1;
    if (m_nLayoutHeight <= 0)
        m_nLayoutHeight = m_rcClient.Height() > 0 ? m_rcClient.Height() : 1;

    SetupFont();
    if (!SetupOffscreenBitmaps())
        return FailCreate("there is not enough memory for its off-screen image of this screen.");
    SetupPhysicalBitmapInformation();
    SetupCloseCaptioning();
    DeleteParagraphs();
    return 0;
}

void CPromptBaseWnd::SetupMemoryDC()
{
    m_hMemDC = CreateCompatibleDC(m_hRefDC);
    SetBkMode(m_hMemDC, TRANSPARENT);
    SetTextColor(m_hMemDC, m_crText);
    SetBkColor(m_hMemDC, m_crBack);
}

void CPromptBaseWnd::SetupFont()
{
    m_hFont = CreateFontIndirect(&m_logFont);
    if (!m_hFont)
        m_hFont = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    m_hOldFont = (HFONT)SelectObject(m_hMemDC, m_hFont);
    TEXTMETRIC tm;
    memset(&tm, 0, sizeof(tm));
    GetTextMetrics(m_hMemDC, &tm);

    m_nLineHeight = (tm.tmExternalLeading + tm.tmHeight) * m_nLineSpacing / 10;
    if (m_nLineHeight < 1)
        m_nLineHeight = 1;
    m_nPointerMargin = m_nPointerPosition ? tm.tmAscent : 0;
    m_nUsableWidth = m_nLayoutWidth - m_nPointerMargin;
    if (m_nUsableWidth < 1)
        m_nUsableWidth = 1;
    m_nAveCharWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 1;
    m_nCharsPerLine = m_nUsableWidth / m_nAveCharWidth;
    m_nLinesPerScreen = m_nLayoutHeight / m_nLineHeight;
    if (m_nLinesPerScreen < 1)
        m_nLinesPerScreen = 1;
    switch (m_nPointerPosition) {
    case 2:
        m_nReadingOffset = m_nLineHeight;
        break;
    case 3:
        m_nReadingOffset = (m_nLinesPerScreen / 4) * m_nLineHeight;
        break;
    case 4:
        m_nReadingOffset = (m_nLinesPerScreen / 2) * m_nLineHeight;
        break;
    default:
        m_nReadingOffset = 0;
        break;
    }
    m_nLookAhead = m_bKeepAllLines ? 0x7FFFF : m_nLinesPerScreen;
    m_nLastCost = 0;
    m_nCostCountdown = 3;
}

bool CPromptBaseWnd::SetupOffscreenBitmaps()
{
    const int lh = m_nLineHeight;
    int lines = m_nLinesPerScreen + ((m_nLayoutHeight % lh) ? 1 : 0) + 1;
    const int band = lines * lh;
    m_nUpperLimit = m_nReadingOffset + lh;
    m_nLowerLimit = m_nReadingOffset + 2 * lh;
    DDTagOffBmpInfo* frame = m_pFrame.get();
    frame->m_nWidth = m_nUsableWidth;
    frame->m_nBand = band;
    frame->m_nHeight = band + lh;
    frame->m_nLineStep = lh;
    frame->m_nBase = 0;
    frame->ClearScriptInfo();
    frame->m_bValid = false;
    if (!PrompterFaultIs(PromptFault::Bitmap))
        frame->m_hBitmap = NewRowBitmap(frame->m_nWidth, frame->m_nHeight, &frame->m_pBits);
    if (!frame->m_hBitmap)
        return false;
    frame->m_nStride = frame->m_nWidth * 4;
    // The ring stays selected in the memory DC: the tick copies from it, the tick alone
    // draws into it.
    m_hOldMemBitmap = SelectObject(m_hMemDC, frame->m_hBitmap);
    // Start from the background so that nothing undefined is ever shown.
    PatBltScreenBitMap(m_hMemDC, 0, frame->m_nHeight, frame->m_nWidth);
    if (m_bMirrorImage)
        m_hMirrorBitmap = NewDisplayBitmap(m_nUsableWidth, m_nLineHeight);
    return true;
}

void CPromptBaseWnd::SetupPhysicalBitmapInformation()
{
    m_layout.hdcRef = nullptr; // layout measures on display-compatible DCs of its own
    m_layout.bCenterText = m_bCenterText;
    m_layout.bRightJust = m_bPromptRightJust;
    m_layout.nLineHeight = m_nLineHeight;
    m_layout.nTextWidth = m_nUsableWidth;
    m_layout.lfBase = m_logFont;
    m_layout.crBack = m_crBack;
}

void CPromptBaseWnd::DeleteOffscreenBitmaps()
{
    DeleteBitmapEntries();
    {
        CSingleLock guard(&m_csLists, TRUE);
        for (POSITION pos = m_lstParagraphs.GetHeadPosition(); pos;)
            ReleaseParagraphBitmap(m_lstParagraphs.GetNext(pos));
    }
    if (m_pFrame) {
        if (m_hMemDC && m_hOldMemBitmap)
            SelectObject(m_hMemDC, m_hOldMemBitmap);
        m_hOldMemBitmap = nullptr;
        if (m_pFrame->m_hBitmap)
            DeleteObject(m_pFrame->m_hBitmap);
        m_pFrame.reset();
    }
    if (m_hMirrorBitmap) {
        DeleteObject(m_hMirrorBitmap);
        m_hMirrorBitmap = nullptr;
    }
}

void CPromptBaseWnd::ReleaseDrawing()
{
    DeleteOffscreenBitmaps();
    if (m_hMemDC) {
        if (m_hOldFont)
            SelectObject(m_hMemDC, m_hOldFont);
        DeleteDC(m_hMemDC);
        m_hMemDC = nullptr;
    }
    if (m_hFont) {
        DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
    if (m_hPointerBitmap) {
        DeleteObject(m_hPointerBitmap);
        m_hPointerBitmap = nullptr;
    }
    if (m_hRefDC) {
        ::ReleaseDC(m_hWndFirst, m_hRefDC);
        m_hRefDC = nullptr;
    }
    if (m_hWndDC) {
        ::ReleaseDC(m_hWnd, m_hWndDC);
        m_hWndDC = nullptr;
    }
}

void CPromptBaseWnd::DeleteParagraphs()
{
    CSingleLock guard(&m_csLists, TRUE);
    // The window of drawn paragraphs refers to them: it goes first.
    m_lstBitmaps.RemoveAll();
    while (!m_lstParagraphs.IsEmpty())
        delete m_lstParagraphs.RemoveHead();
    m_posPrompter = nullptr;
}

void CPromptBaseWnd::DeleteRecords()
{
    if (!m_pRecordList)
        return;
    while (!m_pRecordList->IsEmpty())
        delete m_pRecordList->RemoveHead();
    delete m_pRecordList;
    m_pRecordList = nullptr;
    m_posNextForward = m_posNextBackward = nullptr;
}

// ---- painting -----------------------------------------------------------------------------

void CPromptBaseWnd::OnPaint()
{
    if (m_nWinType == WINTYPE_WINDOW)
        OnFramePaint();
    else
        OnFullWindowPaint();
}

// ---- closing ------------------------------------------------------------------------------

void CPromptBaseWnd::OnClose()
{
    if (m_bClosed)
        return;
    ShutDown(true);
    FinishClose();
}

void CPromptBaseWnd::ShutDown(bool callDone)
{
    m_bClosed = true;
    KillClocks();
    CloseThreads();
    if (callDone && m_pfnPromptDone)
        m_pfnPromptDone(m_pCallbackOwner, m_nTopParagraph);

    ReleaseDrawing();
    DeleteParagraphs();
    // Captions, slide shows and clocks of this window (whether captions came on or not).
    CloseCloseCaptioning();
    ShowCursorAgain();

    m_nTopParagraph = 0;
    m_bMonoBitmap = 0;
    m_posPrompter = nullptr;
    m_posLastAnnounced = nullptr;
    m_posLastExamined = nullptr;
    DeleteRecords();
    m_nScreens = 0;
    m_rcSecond.SetRectEmpty();
    m_nPointerMargin = 0;
}

void CPromptBaseWnd::FinishClose()
{
    // The closing message goes last: a host that deletes the prompter on it finds every
    // thread, timer and port already closed and the window gone.
    HWND parent = m_hWndParent;
    m_hWndParent = nullptr;
    if (m_hWnd)
        DestroyWindow();
    ::PostMessage(parent, WM_PROMPTER_CLOSED, 0, 0); // no parent: the thread's queue
}
