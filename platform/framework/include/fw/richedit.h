// CRichEditCtrl: the system's rich-edit control (version 2 and later, the narrow
// "RichEdit20A" class). Create loads the control's library once per process. Not part of
// fw/win.h: the system header defines names (ST_UNICODE ...) that clash with others.
#pragma once
#include "fw/wnd.h"

#include <richedit.h>

class FW_API CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    ~CRichEditCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Loads the control's library; FALSE when the system has none.
    static BOOL PASCAL LoadRichEditLibrary();

    BOOL CanUndo() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    CPoint GetCharPos(long lChar) const;
    void SetOptions(WORD wOp, DWORD dwFlags);
    DWORD GetOptions() const;
    int GetLine(int nIndex, LPSTR lpszBuffer) const;
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    BOOL CanPaste(UINT nFormat = 0) const;
    void GetSel(long& nStartChar, long& nEndChar) const;
    void GetSel(CHARRANGE& cr) const;
    void LimitText(long nChars = 0);
    long GetLimitText() const;
    long LineFromChar(long nIndex) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetRect(LPCRECT lpRect);
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    DWORD GetDefaultCharFormat(CHARFORMATA& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    long GetEventMask() const;
    long GetTextLength() const;
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    long GetSelText(LPSTR lpBuf) const;
    CString GetSelText() const;
    WORD GetSelectionType() const;
    int GetFirstVisibleLine() const;
    int GetTextRange(int nFirst, int nLast, CString& refString) const;

    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    BOOL SetDefaultCharFormat(CHARFORMATA& cf);
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    BOOL SetWordCharFormat(CHARFORMATA& cf);
    DWORD SetEventMask(DWORD dwEventMask);
    BOOL SetParaFormat(PARAFORMAT& pf);
    BOOL SetTargetDevice(HDC hDC, long lLineWidth);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL SetAutoURLDetect(BOOL bEnable = TRUE);

    void EmptyUndoBuffer();
    void HideSelection(BOOL bHide, BOOL bPerm);
    void PasteSpecial(UINT nClipFormat, DWORD dvAspect = 0, HMETAFILE hMF = nullptr);
    void RequestResize();
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    // Renders (bDisplay) or measures the range of *pfr; returns the first character
    // that did not fit. A null pfr frees the control's formatting cache.
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
    BOOL DisplayBand(LPRECT pDisplayRect);
    long FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const;
    CPoint PosFromChar(UINT nChar) const;
    int CharFromPos(CPoint pt) const;

    BOOL Undo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};
