// The masked edit cell: typed characters, Backspace and Delete, caret keys and clicks, on the
// inactive cell (through the grid) and in the window over the active cell.
#include "controls/GXChild.h"
#include "controls/GXMaskControl.h"
#include "controls/GXMaskData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"

namespace {
BOOL KeyIsDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }
} // namespace

BOOL CGXMaskControl::TypeChar(const CString& strChar)
{
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    if (nStart < nEnd)
        m_pEditMask->DeleteRange(nEnd, nStart);
    const int nPos = EditPosAtOrAfter(nStart);
    int nNext = nPos;
    if (nPos < 0 || !m_pEditMask->InsertAt(nPos, strChar, nNext)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        if (nStart < nEnd) {
            ShowMask(nStart, nStart);
            Modified();
        }
        return FALSE;
    }
    ShowMask(nNext, nNext);
    Modified();
    return TRUE;
}

void CGXMaskControl::DeleteAtCaret(BOOL bBack)
{
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    int nCaret = nStart;
    if (nStart < nEnd) {
        m_pEditMask->DeleteRange(nEnd, nStart);
        nCaret = EditPosAtOrAfter(nStart);
        if (nCaret < 0)
            nCaret = m_pEditMask->PrevEditPos(m_pEditMask->GetLength());
    } else {
        const int nPos = bBack ? m_pEditMask->PrevEditPos(nStart) : EditPosAtOrAfter(nStart);
        if (nPos < 0 || nPos >= m_pEditMask->GetLength())
            return;
        m_pEditMask->DeleteRange(nPos + 1, nPos);
        nCaret = nPos;
    }
    if (nCaret < 0)
        nCaret = 0;
    ShowMask(nCaret, nCaret);
    Modified();
}

BOOL CGXMaskControl::InsertTypedText(LPCTSTR pszText, UINT, UINT)
{
    if (GetSafeHwnd() == nullptr || !IsInit() || IsReadOnly() || pszText == nullptr)
        return FALSE;
    if (!IsActive()) {
        // The first key starts an empty mask: a character the first position refuses is
        // refused before anything changes.
        if (!m_pEditMask->IsNoMaskMode()) {
            const int nFirst = m_pEditMask->NextEditPos(-1);
            CString strFirst = CString(pszText).Left(1);
            if (nFirst < 0 || !m_pEditMask->IsValidChar(nFirst, strFirst)) {
                ::MessageBeep(MB_ICONEXCLAMATION);
                return TRUE;
            }
        }
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        ReloadMask(); // the grid may have changed the cell when editing started
        m_pEditMask->ResetDisplay();
        const int nFirst = EditPosAtOrAfter(0);
        ShowMask(nFirst < 0 ? 0 : nFirst, nFirst < 0 ? 0 : nFirst);
    }
    for (const char* p = pszText; *p != 0; ++p)
        if (!TypeChar(CString(*p, 1)))
            break;
    Refresh();
    return TRUE;
}

BOOL CGXMaskControl::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsActive() || GetSafeHwnd() == nullptr || KeyIsDown(VK_CONTROL))
        return CGXEditControl::KeyDown(nChar, nRepCnt, nFlags);
    switch (nChar) {
    case VK_END:
    case VK_HOME: {
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
        ReloadMask();
        const int nPos = nChar == VK_HOME ? EditPosAtOrAfter(0)
                                          : m_pEditMask->GetEndPos(m_pEditMask->GetLength());
        ShowMask(nPos < 0 ? 0 : nPos, nPos < 0 ? 0 : nPos);
        break;
    }
    case VK_DELETE: {
        CGXGridParam* pParam = Grid()->GetParam();
        if (pParam == nullptr || pParam->m_wClipboardFlags != 0 || IsReadOnly() ||
            KeyIsDown(VK_SHIFT) || !OnDeleteCell() || !OnStartEditing())
            return CGXEditControl::KeyDown(nChar, nRepCnt, nFlags);
        SetActive(TRUE);
        ReloadMask();
        m_pEditMask->ResetDisplay();
        const int nFirst = EditPosAtOrAfter(0);
        ShowMask(nFirst < 0 ? 0 : nFirst, nFirst < 0 ? 0 : nFirst);
        Modified();
        break;
    }
    default:
        return CGXEditControl::KeyDown(nChar, nRepCnt, nFlags);
    }
    RecalcLayout();
    if (!Grid()->BringCellIntoView(GetRow(), GetCol()))
        Refresh();
    return TRUE;
}

void CGXMaskControl::CaretToEditPos()
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return;
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    if (nStart == nEnd) {
        const int nPos = EditPosAtOrBefore(nStart);
        ShowMask(nPos, nPos);
    }
}

BOOL CGXMaskControl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    const BOOL bResult = CGXEditControl::LButtonUp(nFlags, point, nHitState);
    CaretToEditPos();
    return bResult;
}

BOOL CGXMaskControl::LButtonDblClk(UINT nFlags, CPoint point)
{
    const BOOL bResult = CGXEditControl::LButtonDblClk(nFlags, point);
    CaretToEditPos();
    return bResult;
}

BOOL CGXMaskControl::HandleMaskKeyDown(UINT nChar)
{
    // TRUE: handled here.
    if (!IsInit() || !IsActive() || KeyIsDown(VK_CONTROL))
        return FALSE;
    const BOOL bShift = KeyIsDown(VK_SHIFT);
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    const int nLength = m_pEditMask->GetLength();
    switch (nChar) {
    case VK_DELETE:
        if (bShift && nStart < nEnd) {
            Cut(); // empties the clipboard first through Copy
            return TRUE;
        }
        if (IsReadOnly())
            return FALSE;
        DeleteAtCaret(FALSE);
        return TRUE;
    case VK_HOME:
        if (bShift) {
            SetSel(m_pEditMask->PositionsToBytes(nEnd), 0);
        } else {
            const int nPos = EditPosAtOrAfter(0);
            ShowMask(nPos < 0 ? 0 : nPos, nPos < 0 ? 0 : nPos);
        }
        return TRUE;
    case VK_END:
        if (bShift) {
            SetSel(m_pEditMask->PositionsToBytes(nStart), m_pEditMask->PositionsToBytes(nLength));
        } else {
            const int nPos = m_pEditMask->GetEndPos(nLength);
            ShowMask(nPos, nPos);
        }
        return TRUE;
    case VK_LEFT: {
        if (bShift)
            return FALSE;
        int nPos = nStart - 1;
        while (nPos > 0 && m_pEditMask->IsLiteral(nPos))
            --nPos;
        if (nPos < 0 || m_pEditMask->IsLiteral(nPos))
            return FALSE; // nothing editable before: the grid moves on
        ShowMask(nPos, nPos);
        return TRUE;
    }
    case VK_RIGHT: {
        if (bShift || nEnd >= nLength)
            return FALSE;
        int nPos = nEnd + 1;
        while (nPos < nLength && m_pEditMask->IsLiteral(nPos))
            ++nPos;
        ShowMask(nPos, nPos);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

LRESULT CGXMaskControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (HandleMaskKeyDown((UINT)wParam))
            return 0;
        break;
    case WM_CHAR: {
        const UINT nChar = (UINT)wParam;
        if (!IsInit() || !IsActive())
            break;
        if (nChar == VK_RETURN || nChar == '\n')
            return 0; // never inserted
        if (KeyIsDown(VK_CONTROL) && nChar < 32) {
            switch (nChar) {
            case 0x03:
                Copy();
                return 0;
            case 0x16:
                Paste();
                return 0;
            case 0x18:
                Cut();
                return 0;
            default:
                break;
            }
            break;
        }
        if (nChar == VK_BACK) {
            if (IsReadOnly())
                break;
            DeleteAtCaret(TRUE);
            return 0;
        }
        if (nChar < 32 || IsReadOnly())
            break;
        CString strChar;
        if (GXGetDoubleByteChar(nChar, strChar, m_bLeadByte, m_cLeadByte) && strChar.IsEmpty())
            return 0;
        TypeChar(strChar);
        return 0;
    }
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_CLEAR:
        if (IsActive() && !IsReadOnly())
            DeleteAtCaret(FALSE);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        return 0; // the window's undo knows nothing of the mask
    case WM_LBUTTONDOWN: {
        const LRESULT lResult = CGXEditControl::WindowProc(message, wParam, lParam);
        if (IsInit() && IsActive()) {
            int nStart = 0, nEnd = 0;
            GetMaskSel(nStart, nEnd);
            if (nStart == nEnd) {
                const int nPos = EditPosAtOrBefore(nStart);
                ShowMask(nPos, nPos);
            }
        }
        return lResult;
    }
    default:
        break;
    }
    return CGXEditControl::WindowProc(message, wParam, lParam);
}
