// CRichEditCtrl on the system's rich-edit control.
#include "fw/win.h"
#include "fw/richedit.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL PASCAL CRichEditCtrl::LoadRichEditLibrary()
{
    // Loaded once and kept for the life of the process: windows of its class may live
    // until the process ends.
    static const HMODULE hModule = ::LoadLibraryA("riched20.dll");
    return hModule != nullptr;
}

CRichEditCtrl::~CRichEditCtrl() { DestroyWindow(); }

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!LoadRichEditLibrary())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
int CRichEditCtrl::GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
BOOL CRichEditCtrl::GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
void CRichEditCtrl::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, (WPARAM)bModified); }
void CRichEditCtrl::GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
    POINTL pt = {0, 0};
    SendMessage(EM_POSFROMCHAR, (WPARAM)&pt, (LPARAM)lChar);
    return CPoint((int)pt.x, (int)pt.y);
}
void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags)
{
    SendMessage(EM_SETOPTIONS, wOp, (LPARAM)dwFlags);
}
DWORD CRichEditCtrl::GetOptions() const { return (DWORD)SendMessage(EM_GETOPTIONS); }
int CRichEditCtrl::GetLine(int nIndex, LPSTR lpszBuffer) const
{
    return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}
int CRichEditCtrl::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength < (int)sizeof(WORD))
        return 0;
    *(WORD*)lpszBuffer = (WORD)nMaxLength;
    return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const { return (BOOL)SendMessage(EM_CANPASTE, nFormat); }
void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr = {0, 0};
    SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}
void CRichEditCtrl::GetSel(CHARRANGE& cr) const { SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr); }
void CRichEditCtrl::LimitText(long nChars) { SendMessage(EM_EXLIMITTEXT, 0, (LPARAM)nChars); }
long CRichEditCtrl::GetLimitText() const { return (long)SendMessage(EM_GETLIMITTEXT); }
long CRichEditCtrl::LineFromChar(long nIndex) const
{
    return (long)SendMessage(EM_EXLINEFROMCHAR, 0, (LPARAM)nIndex);
}
int CRichEditCtrl::LineIndex(int nLine) const
{
    return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine);
}
int CRichEditCtrl::LineLength(int nLine) const
{
    return (int)SendMessage(EM_LINELENGTH, (WPARAM)nLine);
}
void CRichEditCtrl::LineScroll(int nLines, int nChars)
{
    SendMessage(EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines);
}
void CRichEditCtrl::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)(lpszNewText ? lpszNewText : ""));
}
void CRichEditCtrl::SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr);
}
void CRichEditCtrl::SetSel(CHARRANGE& cr) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMATA& cf) const
{
    cf.cbSize = sizeof cf;
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const
{
    cf.cbSize = sizeof cf;
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}
long CRichEditCtrl::GetEventMask() const { return (long)SendMessage(EM_GETEVENTMASK); }
long CRichEditCtrl::GetTextLength() const { return (long)SendMessage(WM_GETTEXTLENGTH); }
DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    pf.cbSize = sizeof pf;
    return (DWORD)SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&pf);
}
long CRichEditCtrl::GetSelText(LPSTR lpBuf) const
{
    return (long)SendMessage(EM_GETSELTEXT, 0, (LPARAM)lpBuf);
}
CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE cr = {0, 0};
    GetSel(cr);
    CString str;
    int nLen = cr.cpMax > cr.cpMin ? (int)(cr.cpMax - cr.cpMin) : 0;
    // Each character may take two bytes in a multibyte code page.
    LPSTR lpsz = str.GetBuffer(nLen * 2 + 1);
    long nGot = GetSelText(lpsz);
    str.ReleaseBuffer(nGot > 0 ? (int)nGot : 0);
    return str;
}
WORD CRichEditCtrl::GetSelectionType() const { return (WORD)SendMessage(EM_SELECTIONTYPE); }
int CRichEditCtrl::GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
int CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const
{
    if (nLast < 0)
        nLast = (int)GetTextLength();
    if (nLast < nFirst) {
        refString.Empty();
        return 0;
    }
    TEXTRANGEA tr;
    tr.chrg.cpMin = nFirst;
    tr.chrg.cpMax = nLast;
    tr.lpstrText = refString.GetBuffer((nLast - nFirst) * 2 + 1);
    int nGot = (int)SendMessage(EM_GETTEXTRANGE, 0, (LPARAM)&tr);
    refString.ReleaseBuffer(nGot > 0 ? nGot : 0);
    return nGot;
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
    return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, (WPARAM)bSysColor, (LPARAM)cr);
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}
BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, (LPARAM)&cf);
}
DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask)
{
    return (DWORD)SendMessage(EM_SETEVENTMASK, 0, (LPARAM)dwEventMask);
}
BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    pf.cbSize = sizeof pf;
    return (BOOL)SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}
BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth)
{
    return (BOOL)SendMessage(EM_SETTARGETDEVICE, (WPARAM)hDC, (LPARAM)lLineWidth);
}
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly)
{
    return (BOOL)SendMessage(EM_SETREADONLY, (WPARAM)bReadOnly);
}
BOOL CRichEditCtrl::SetAutoURLDetect(BOOL bEnable)
{
    return !(BOOL)SendMessage(EM_AUTOURLDETECT, (WPARAM)bEnable);
}

void CRichEditCtrl::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm)
{
    SendMessage(EM_HIDESELECTION, (WPARAM)bHide, (LPARAM)bPerm);
}
void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF)
{
    REPASTESPECIAL reps = {dvAspect, (DWORD_PTR)hMF};
    SendMessage(EM_PASTESPECIAL, nClipFormat, (LPARAM)&reps);
}
void CRichEditCtrl::RequestResize() { SendMessage(EM_REQUESTRESIZE); }
long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
    return (long)SendMessage(EM_STREAMIN, (WPARAM)nFormat, (LPARAM)&es);
}
long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
    return (long)SendMessage(EM_STREAMOUT, (WPARAM)nFormat, (LPARAM)&es);
}
long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay)
{
    return (long)SendMessage(EM_FORMATRANGE, (WPARAM)bDisplay, (LPARAM)pfr);
}
BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect)
{
    return (BOOL)SendMessage(EM_DISPLAYBAND, 0, (LPARAM)pDisplayRect);
}
long CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const
{
    return (long)SendMessage(EM_FINDTEXTEX, dwFlags, (LPARAM)pFindText);
}
CPoint CRichEditCtrl::PosFromChar(UINT nChar) const { return GetCharPos((long)nChar); }
int CRichEditCtrl::CharFromPos(CPoint pt) const
{
    POINTL ptl = {pt.x, pt.y};
    return (int)SendMessage(EM_CHARFROMPOS, 0, (LPARAM)&ptl);
}

BOOL CRichEditCtrl::Undo() { return (BOOL)SendMessage(EM_UNDO); }
void CRichEditCtrl::Clear() { SendMessage(WM_CLEAR); }
void CRichEditCtrl::Copy() { SendMessage(WM_COPY); }
void CRichEditCtrl::Cut() { SendMessage(WM_CUT); }
void CRichEditCtrl::Paste() { SendMessage(WM_PASTE); }
