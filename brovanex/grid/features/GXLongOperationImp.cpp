#include "features/GXLongOperationImp.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "features/GXExchangeHelpers.h"
#include "fw/frame.h"

namespace {
const int nMaxLevels = 64;

// What each open operation keeps, by nesting level (1 = outermost).
struct LevelState
{
    DWORD dwStart = 0, dwLast = 0;
    CString strText;
    BOOL bHasText = FALSE;
    BOOL bRestoreStatus = TRUE, bShowStatus = TRUE;
    BOOL bMessagesProcessed = FALSE;
};
LevelState g_levels[nMaxLevels + 1];

DWORD Now()
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    return s.pfnClock != nullptr ? s.pfnClock() : ::GetTickCount();
}

int Level() { return GXGetLongOperationState().nLevel; }

LevelState& Current() { return g_levels[std::min(std::max(Level(), 0), nMaxLevels)]; }

BOOL IsDue(LevelState& st)
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    const DWORD dwNow = Now();
    if (!s.bWaitCursor)
        return dwNow - st.dwStart >= s.dwFirstDelay;
    return dwNow - st.dwLast >= s.dwRepeatDelay;
}

BOOL LevelShown()
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    return s.nShownLevel < 0 || Level() <= s.nShownLevel;
}

void SendStatus(const CString& strLine)
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    s.strLastStatus = strLine;
    if (s.hFrame != nullptr && ::IsWindow(s.hFrame))
        ::SendMessageA(s.hFrame, 0x0362 /* WM_SETMESSAGESTRING */, 0, (LPARAM)(LPCSTR)strLine);
}

CString Spinner()
{
    static const char* const apsz[] = {"  -", "  \\", "  |", "  /"};
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    CString str(apsz[s.nSpinner & 3]);
    s.nSpinner = (s.nSpinner + 1) & 3;
    return str;
}

CString Percent(int nPercent)
{
    CString str;
    str.Format(" %3d%%. ", nPercent);
    return str;
}
} // namespace

GXLongOperationSettings& GXGetLongOperationSettings()
{
    static GXLongOperationSettings settings;
    return settings;
}

void GXLongOperationAllowRollback(BOOL bAllow)
{
    GXGetLongOperationSettings().bCanRollback = bAllow;
}

void GXLongOperationSetPercent(int nPercent)
{
    GXGetLongOperationSettings().nPercent = std::min(nPercent, 100);
}

BOOL GXLongOperationRollbackRequested() { return GXGetLongOperationSettings().bRollbackRequested; }

void CGXLongOperationImp::EnterOperation(CGXLongOperation*)
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    GXLongOperationState& st = GXGetLongOperationState();
    const int nParent = st.nLevel;
    ++st.nLevel;
    LevelState& level = Current();
    level = LevelState();
    if (nParent == 0) {
        s.nShownLevel = -1;
        s.nPercent = -1;
        s.bEscSeen = FALSE;
        s.bWaitCursor = FALSE;
        s.bCanCancel = TRUE;
        s.bCanRollback = FALSE;
        level.strText = GXLibraryText(GX_IDS_WORKING);
        level.bHasText = TRUE;
        if (s.hFrame == nullptr || !::IsWindow(s.hFrame)) {
            s.hFrame = nullptr;
            CWnd* pMain = AfxGetMainWnd();
            if (pMain != nullptr && dynamic_cast<CFrameWnd*>(pMain) != nullptr)
                s.hFrame = pMain->GetSafeHwnd();
        }
    } else if (nParent <= nMaxLevels && st.nLevel <= nMaxLevels) {
        level.strText = g_levels[nParent].strText;
        level.bHasText = g_levels[nParent].bHasText;
    }
    s.bCancelled = FALSE;
    s.bRollbackRequested = FALSE;
    level.dwStart = level.dwLast = Now();
}

void CGXLongOperationImp::LeaveOperation(CGXLongOperation* pScope)
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    GXLongOperationState& st = GXGetLongOperationState();
    if (st.nLevel <= 0)
        return;
    const BOOL bRestore = Current().bRestoreStatus;
    FreeStatusText(pScope);
    --st.nLevel;
    if (st.nLevel == 0 && s.bWaitCursor) {
        s.bWaitCursor = FALSE;
        if (CWinApp* pApp = AfxGetApp())
            pApp->EndWaitCursor();
        if (bRestore)
            SendStatus(CString());
    }
}

void CGXLongOperationImp::FreeStatusText(CGXLongOperation*)
{
    LevelState& level = Current();
    level.strText.Empty();
    level.bHasText = FALSE;
}

void CGXLongOperationImp::SetStatusText(CGXLongOperation* pScope, LPCTSTR pszText, BOOL)
{
    FreeStatusText(pScope);
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    if (s.nShownLevel >= 0 && Level() > s.nShownLevel + 1)
        return;
    LevelState& level = Current();
    level.strText = pszText != nullptr ? pszText : "";
    level.bHasText = TRUE;
}

BOOL CGXLongOperationImp::NeedMessages(CGXLongOperation* pScope)
{
    LevelState& level = Current();
    if (!IsDue(level))
        return FALSE;
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    if (level.bShowStatus && LevelShown())
        SendStatus(level.strText + (s.nPercent >= 0 ? Percent(s.nPercent) : Spinner()));
    ProcessMessages(pScope);
    level.dwLast = Now();
    return TRUE;
}

BOOL CGXLongOperationImp::DoMessages(CGXLongOperation* pScope, BOOL& bCanceled)
{
    bCanceled = FALSE;
    LevelState& level = Current();
    if (!IsDue(level))
        return FALSE;
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    if (level.bShowStatus && LevelShown()) {
        CString strLine = level.strText;
        if (s.nPercent >= 0)
            strLine += Percent(s.nPercent);
        if (s.bCanCancel)
            strLine += "   " + GXLibraryText(GX_IDS_CANCEL_HINT);
        if (s.nPercent < 0)
            strLine += Spinner();
        SendStatus(strLine);
    }
    ProcessMessages(pScope);
    if (s.bCanCancel && s.bEscSeen && !s.bCancelled) {
        if (s.bConfirmCancel && s.bCanRollback) {
            switch (AfxMessageBox(GXLibraryText(GX_IDS_CANCEL_OR_ROLLBACK),
                                  MB_ABORTRETRYIGNORE | MB_ICONQUESTION)) {
            case IDABORT:
                s.bCancelled = TRUE;
                break;
            case IDRETRY:
                s.bCancelled = TRUE;
                s.bRollbackRequested = TRUE;
                break;
            default:
                break;
            }
        } else if (s.bConfirmCancel) {
            if (AfxMessageBox(GXLibraryText(GX_IDS_CANCEL_QUESTION), MB_YESNO | MB_ICONQUESTION) ==
                IDYES)
                s.bCancelled = TRUE;
        } else {
            s.bCancelled = TRUE;
            s.bRollbackRequested = s.bCanRollback;
        }
        s.bEscSeen = FALSE;
    }
    bCanceled = s.bCancelled;
    level.dwLast = Now();
    return TRUE;
}

void CGXLongOperationImp::ProcessMessages(CGXLongOperation*)
{
    GXLongOperationSettings& s = GXGetLongOperationSettings();
    LevelState& level = Current();
    if (!level.bMessagesProcessed) {
        level.bMessagesProcessed = TRUE;
        if (!s.bWaitCursor) {
            if (CWinApp* pApp = AfxGetApp())
                pApp->BeginWaitCursor();
            s.bWaitCursor = TRUE;
        }
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        const UINT m = msg.message;
        if (m == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_CANCEL))
            s.bEscSeen = TRUE;
        if ((m >= WM_KEYFIRST && m <= 0x108) || (m >= WM_MOUSEFIRST && m <= 0x209) ||
            (m >= 0xA0 && m <= 0xA9) || m == WM_COMMAND) {
            ::PeekMessageA(&msg, msg.hwnd, m, m, PM_REMOVE); // input is dropped
            continue;
        }
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            break;
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam); // for the loop that owns it
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (CWinThread* pThread = AfxGetThread())
        for (LONG lIdle = 0; pThread->OnIdle(lIdle); ++lIdle) {
        }
}

void GXImplementLongOperation()
{
    GXInstallProcessFeature<CGXLongOperationImp>(GXGetLibraryState().m_pLongOperationImp);
}
