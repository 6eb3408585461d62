// The edit control.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::~CEdit() { DestroyWindow(); }

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
int CEdit::GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
BOOL CEdit::GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
void CEdit::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, (WPARAM)bModified); }
void CEdit::GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}
HLOCAL CEdit::GetHandle() const { return (HLOCAL)SendMessage(EM_GETHANDLE); }
void CEdit::SetHandle(HLOCAL hBuffer) { SendMessage(EM_SETHANDLE, (WPARAM)hBuffer); }

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer) const
{
    return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength <= 0)
        return 0;
    // The first word of the buffer tells the control its size.
    if (nMaxLength < (int)sizeof(WORD)) {
        char szTemp[sizeof(WORD)];
        *(WORD*)szTemp = (WORD)nMaxLength;
        int n = (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)szTemp);
        memcpy(lpszBuffer, szTemp, (size_t)(n < nMaxLength ? n : nMaxLength));
        return n < nMaxLength ? n : nMaxLength;
    }
    *(WORD*)lpszBuffer = (WORD)nMaxLength;
    return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}

int CEdit::GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
char CEdit::GetPasswordChar() const { return (char)SendMessage(EM_GETPASSWORDCHAR); }
UINT CEdit::GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
DWORD CEdit::GetMargins() const { return (DWORD)SendMessage(EM_GETMARGINS); }
void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
CPoint CEdit::PosFromChar(UINT nChar) const
{
    DWORD dw = (DWORD)SendMessage(EM_POSFROMCHAR, nChar);
    return CPoint((short)LOWORD(dw), (short)HIWORD(dw));
}
int CEdit::CharFromPos(CPoint pt) const
{
    return (int)SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}

void CEdit::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
BOOL CEdit::FmtLines(BOOL bAddEOL) { return (BOOL)SendMessage(EM_FMTLINES, (WPARAM)bAddEOL); }
void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, (WPARAM)nChars); }
void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
int CEdit::LineFromChar(int nIndex) const
{
    return (int)SendMessage(EM_LINEFROMCHAR, (WPARAM)nIndex);
}
int CEdit::LineIndex(int nLine) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine); }
int CEdit::LineLength(int nLine) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)nLine); }
void CEdit::LineScroll(int nLines, int nChars)
{
    SendMessage(EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines);
}
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)(lpszNewText ? lpszNewText : ""));
}
void CEdit::SetPasswordChar(char ch) { SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch); }
void CEdit::SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
void CEdit::SetRectNP(LPCRECT lpRect) { SendMessage(EM_SETRECTNP, 0, (LPARAM)lpRect); }
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, (WPARAM)(int)(short)LOWORD(dwSelection),
                (LPARAM)(int)(short)HIWORD(dwSelection));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return (BOOL)SendMessage(EM_SETTABSTOPS, (WPARAM)nTabStops, (LPARAM)rgTabStops);
}
void CEdit::SetTabStops() { SendMessage(EM_SETTABSTOPS); }
BOOL CEdit::SetTabStops(const int& cxEachStop)
{
    return (BOOL)SendMessage(EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return (BOOL)SendMessage(EM_SETREADONLY, (WPARAM)bReadOnly);
}

BOOL CEdit::Undo() { return (BOOL)SendMessage(EM_UNDO); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }
