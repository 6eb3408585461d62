// The second prompter.
#include "SecondPrompter.h"

#include "MarquillCmdWnd.h"

IMPLEMENT_DYNCREATE(CFullPromptBaseWnd, CPromptBaseWnd)
IMPLEMENT_DYNCREATE(CFullPromptCmdWnd, CFullPromptBaseWnd)

void CFullPromptCmdWnd::InitSecondPrompter(const CMarquillCmdWnd* first)
{
    // Callbacks: all five, but only the first window reports the end.
    m_pfnNextRecord = first->m_pfnNextRecord;
    m_pfnResetRecords = first->m_pfnResetRecords;
    m_pfnGetRecord = first->m_pfnGetRecord;
    m_pfnGetScriptText = first->m_pfnGetScriptText;
    m_pfnPromptDone = nullptr;

    // Text and layout.
    m_logFont = first->m_logFont;
    m_bMonoBitmap = first->m_bMonoBitmap;
    m_crText = first->m_crText;
    m_crBack = first->m_crBack;
    m_crPointer = first->m_crPointer;
    m_nPointerPosition = first->m_nPointerPosition;
    m_nMarkerType = first->m_nMarkerType;
    m_nBorder = first->m_nBorder;
    m_bCenterText = first->m_bCenterText;
    m_nLineSpacing = first->m_nLineSpacing;
    m_bShowPPInst = first->m_bShowPPInst;
    m_bShowBullets = first->m_bShowBullets;
    m_bMirrorImage = first->m_bMirrorImage;
    m_bReverseImage = first->m_bReverseImage;
    m_bPromptBlankPar = first->m_bPromptBlankPar;
    m_bPromptRightJust = first->m_bPromptRightJust;
    m_bPromptROTL = first->m_bPromptROTL;
    m_bPromptContinuous = first->m_bPromptContinuous;
    m_bScriptHeaders = first->m_bScriptHeaders;
    m_bKeepAllLines = first->m_bKeepAllLines;
    m_bBookmarks = first->m_bBookmarks;
    m_bCaptionUpper = first->m_bCaptionUpper;

    // Run settings.
    m_nDefaultSpeed = first->m_nDefaultSpeed;
    m_bMouseMotion = first->m_bMouseMotion;
    m_nAutoStartMode = first->m_nAutoStartMode;
    m_bCloseAtStop = first->m_bCloseAtStop;
    m_bAutoContinue = first->m_bAutoContinue;
    m_bDoBreaks = first->m_bDoBreaks;
    m_bStopWatch = first->m_bStopWatch;
    m_nStopWatchPosition = first->m_nStopWatchPosition;
    m_bStopWatchContinuous = first->m_bStopWatchContinuous;

    // Caption settings except pacing, flow and the map (it never sends captions).
    m_nCCLineLength = first->m_nCCLineLength;
    m_strCCBOL = first->m_strCCBOL;
    m_strCCEOL = first->m_strCCEOL;
    m_strCCReset = first->m_strCCReset;
    m_strCCInit = first->m_strCCInit;
    m_strCCPort = first->m_strCCPort;
    m_strCCBaud = first->m_strCCBaud;
    m_strCCData = first->m_strCCData;
    m_strCCStop = first->m_strCCStop;
    m_strCCParity = first->m_strCCParity;

    m_bTrackParagraph = 0;
    m_bForegroundScreenActive = 0;
    m_nFGScreenSize = 0;
    m_bFGRightJustified = 0;
    m_bCaptionOn = 0;
    m_bPowerPointOn = 0;
    m_hWndFirst = first->m_hWnd;
}

void CFullPromptCmdWnd::OnPromptNow(int record, int paragraph)
{
    SetupInitialScript(record);
    if (paragraph == 0) {
        m_bAtTop = TRUE;
        m_posPrompter = m_lstParagraphs.GetHeadPosition();
    } else {
        InitializePrompterParagraphPosition(paragraph);
    }
    BuildPrompterBitMapList();
    BuildOffStageBitmap(m_posPrompter);
    Invalidate(TRUE);
    UpdateWindow();
}

void CFullPromptCmdWnd::OnPromptShow(int row)
{
    const int start = BuildPrmptRecordList(row, m_pRecordList);
    SetupInitialScripts(start);
    if (m_posPrompter == m_lstParagraphs.GetHeadPosition())
        m_bAtTop = TRUE;
    BuildPrompterBitMapList();
    BuildOffStageBitmap(m_posPrompter);
    Invalidate(TRUE);
    UpdateWindow();
}

tagScriptInfo* CFullPromptCmdWnd::CheckScriptParagraph(int cy, int, bool, DDTagOffBmpInfo* bitmap)
{
    // No checks: markers, breaks, captions and instructions act in the first window.
    if (!bitmap)
        return nullptr;
    for (POSITION pos = bitmap->m_lstScript.GetHeadPosition(); pos;) {
        tagScriptInfo* info = bitmap->m_lstScript.GetNext(pos);
        if (info->m_nTop <= cy && cy <= info->m_nBottom) {
            // Kept current, so mirrored jumps by paragraph number start from here.
            if (info->m_posParagraph)
                m_posPrompter = info->m_posParagraph;
            return info;
        }
    }
    return nullptr;
}

LRESULT CFullPromptCmdWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The second screen takes no input: keys, mouse, cursor and focus are swallowed.
    if (message == WM_KEYDOWN || message == WM_KEYUP ||
        (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) || message == WM_SETCURSOR ||
        message == WM_SETFOCUS || message == WM_SYSKEYDOWN || message == WM_SYSCHAR)
        return 0;
    return CFullPromptBaseWnd::WindowProc(message, wParam, lParam);
}

CPromptBaseWnd* NewSecondPrompter(CMarquillCmdWnd* first, CWnd* parent, CRect rect)
{
    CFullPromptCmdWnd* second = new CFullPromptCmdWnd;
    second->InitSecondPrompter(first);
    second->m_rcScreen = rect;
    if (!second->CPromptBaseWnd::Create(parent, rect, WINTYPE_SECOND)) {
        delete second;
        return nullptr;
    }
    return second;
}
