// The window messages a grid window or a grid view hands to its core, in one table: each
// goes to the core's operation; FALSE leaves it to the window's default handling.
#include "core/GXGridMessages.h"
#include "core/GXGridWnd.h"
#include "fw/commdlg.h"
#include "fw/ctrls.h"
#include "fw/dc.h"

#include <commdlg.h>

namespace {
UINT FindReplaceMessage()
{
    static const UINT nMsg = ::RegisterWindowMessageA("commdlg_FindReplace");
    return nMsg;
}

void TakeFocusForClick(CWnd* pWnd)
{
    HWND hFocus = ::GetFocus();
    if (hFocus != pWnd->m_hWnd && !::IsChild(pWnd->m_hWnd, hFocus))
        pWnd->SetFocus();
}
} // namespace

BOOL GXHandleGridMessage(CGXGridCore* pGrid, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& lResult)
{
    CGXGridCore& grid = *pGrid;
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    const UINT nFlags = (UINT)wParam;
    switch (message) {
    case WM_SIZE:
        return grid.HandleSize((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_SETCURSOR:
        if (grid.HandleSetCursor(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam))) {
            lResult = TRUE;
            return TRUE;
        }
        return FALSE;
    case WM_MOUSEMOVE:
        return grid.HandleMouseMove(nFlags, pt);
    case WM_LBUTTONDOWN:
        TakeFocusForClick(pWnd);
        return grid.HandleLButtonDown(nFlags, pt);
    case WM_LBUTTONUP:
        return grid.HandleLButtonUp(nFlags, pt);
    case WM_LBUTTONDBLCLK:
        return grid.HandleLButtonDblClk(nFlags, pt);
    case WM_RBUTTONDOWN:
        TakeFocusForClick(pWnd);
        return grid.HandleRButtonDown(nFlags, pt);
    case WM_RBUTTONUP:
        return grid.HandleRButtonUp(nFlags, pt);
    case WM_RBUTTONDBLCLK:
        return grid.HandleRButtonDblClk(nFlags, pt);
    case WM_MBUTTONDOWN:
        TakeFocusForClick(pWnd);
        return grid.HandleMButtonDown(nFlags, pt);
    case WM_MBUTTONUP:
        return grid.HandleMButtonUp(nFlags, pt);
    case WM_MBUTTONDBLCLK:
        return grid.HandleMButtonDblClk(nFlags, pt);
    case WM_MOUSEACTIVATE:
        return grid.HandleMouseActivate(CWnd::FromHandle((HWND)wParam), LOWORD(lParam),
                                        HIWORD(lParam), lResult);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return grid.DispatchKeyMessage(pWnd, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
    case WM_HSCROLL:
        return grid.HandleHScroll(LOWORD(wParam), HIWORD(wParam),
                                  (CScrollBar*)CWnd::FromHandle((HWND)lParam));
    case WM_VSCROLL:
        return grid.HandleVScroll(LOWORD(wParam), HIWORD(wParam),
                                  (CScrollBar*)CWnd::FromHandle((HWND)lParam));
    case WM_GETDLGCODE:
        lResult =
            (LRESULT)grid.HandleGetDlgCode((UINT)pWnd->DefWindowProc(message, wParam, lParam));
        return TRUE;
    case WM_SETFOCUS:
        lResult = pWnd->DefWindowProc(message, wParam, lParam);
        grid.HandleSetFocus(CWnd::FromHandle((HWND)wParam));
        return TRUE;
    case WM_KILLFOCUS:
        lResult = pWnd->DefWindowProc(message, wParam, lParam);
        grid.HandleKillFocus(CWnd::FromHandle((HWND)wParam));
        return TRUE;
    case WM_SHOWWINDOW:
        lResult = pWnd->DefWindowProc(message, wParam, lParam);
        grid.HandleShowWindow((BOOL)wParam, (UINT)lParam);
        return TRUE;
    case WM_CANCELMODE:
        grid.HandleCancelMode();
        lResult = pWnd->DefWindowProc(message, wParam, lParam);
        return TRUE;
    case WM_TIMER:
        grid.HandleTimer((UINT_PTR)wParam);
        return FALSE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HBRUSH hbr =
            grid.HandleCtlColor(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                message - WM_CTLCOLORMSGBOX);
        if (hbr == nullptr)
            return FALSE;
        lResult = (LRESULT)hbr;
        return TRUE;
    }
    case WM_DESTROY:
        return grid.CloseGridPopup();
    case WM_SYSCOLORCHANGE:
        grid.HandleSysColorChange();
        return FALSE;
    case WM_WININICHANGE:
        grid.HandleWinIniChange((LPCTSTR)lParam);
        return FALSE;
    case GX_WM_CANRENAMETAB:
        lResult = grid.CanRenameTab();
        return TRUE;
    case GX_WM_TABNAMECHANGED:
        grid.OnTabNameChanged((int)wParam);
        lResult = 0;
        return TRUE;
    case GX_WM_CANCHANGEPANE:
        lResult = !grid.CanChangePane((int)wParam);
        return TRUE;
    case GX_WM_PANEENTERED:
        pWnd->SetFocus();
        grid.OnPaneEntered((int)wParam);
        lResult = 0;
        return TRUE;
    case GX_WM_TABWNDRESIZING:
        pWnd->Invalidate();
        lResult = 0;
        return TRUE;
    default:
        if (message == FindReplaceMessage()) {
            // The dialog that notifies: the feature compares it with the one it opened.
            lResult = grid.HandleFindReplace(CFindReplaceDialog::GetNotifier(lParam));
            return TRUE;
        }
        return FALSE;
    }
}
