// CGXBCurrencyEdit: a single-line window for money amounts that draws its own text, caret
// and selection; every change of its text goes through its currency format, so it always
// shows a formatted amount. The drop button opens the pop-up calculator.
// CGXCaptiveCurEdit is the same window kept hidden to format text for other cells.
#pragma once
#include "controls/GXBCurrencyFormat.h"
#include "controls/GXBDropEdit.h"

class CGXBCurrencyEdit : public CGXBDropEdit
{
public:
    typedef CGXBCurrencyFormat Format;

    CGXBCurrencyEdit();
    ~CGXBCurrencyEdit() override;

    // Registers the window class "CGXBCurrencyEdit" (once per process).
    static BOOL RegisterClass();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetValue(double d, BOOL bRedraw = TRUE);
    double GetValue() const;
    void SetFormat(const Format& format);
    void GetFormat(Format& format) const;
    const Format& GetFormatRef() const { return *m_pFormat; }
    void SetAlignment(int nAlign);
    int GetAlignment() const;
    void SetReadOnly(BOOL bReadOnly);
    BOOL IsReadOnly() const;
    BOOL SetSel(int nStart, int nEnd);
    // Start -1: none; start 0 with end -1: everything.
    void GetSel(int& nStart, int& nEnd) const
    {
        nStart = m_nSelStart;
        nEnd = m_nSelEnd;
    }
    int GetCaretPos() const { return m_nCaret; }
    CString GetText() const;
    BOOL IsNegative() const { return m_bNegative; }

    void OnButtonClicked() override;
    virtual BOOL OpenCalculator();
    virtual BOOL FilterPaste(CString& strText);
    virtual CMenu* CreateContextMenu();
    virtual void DestroyContextMenu(CMenu* pMenu);
    virtual void DoBackspace();
    virtual void DoDelete();
    virtual void InsertText(LPCTSTR pszText);
    virtual void DrawBackground(CDC* pDC);
    virtual void SaveUndo(LPCTSTR pszText = nullptr, int nCaret = -1);
    virtual void CreateCaretAt(int nPos);
    virtual void HideCaretAndSelection();
    virtual void DrawSeparatorLine(CDC* pDC, int x);
    virtual void ToggleSign();
    virtual void ToggleOverwrite();

    BOOL m_bEntryFromRight;
    BOOL m_bPadOption;

protected:
    // Text geometry.
    CRect GetTextRect();
    int CharFromPoint(CPoint pt);
    int XFromChar(int nPos);
    void MoveCaret(int nPos, BOOL bExtend);
    void NormalizeCaret();
    // Sets the text without parsing (the formatted text of the amount).
    void SetTextRaw(LPCTSTR pszText);
    // Sets text through parsing; FALSE (nothing changed) when it does not parse.
    BOOL SetTextParsed(LPCTSTR pszText);
    // The same without a redraw in between.
    BOOL SetTextParsedQuietly(LPCTSTR pszText);
    // Ends a deletion of digits from strOld: at least one digit stays, the text is parsed
    // and the caret goes behind nDigitsBefore digits (for an amount of 0, as ClearAmount).
    void FinishDigitRemoval(CString strText, int nDigitsBefore, const CString& strOld,
                            int nOldCaret);
    void Reformat();
    virtual void NotifyParent(UINT nCode);
    // A calculator result (C decimal point) as text the format reads.
    CString CalcResultText(LPCTSTR pszResult) const;
    void AfterEdit(const CString& strOld, int nOldCaret);
    BOOL HasSelection() const;
    void SelectionRange(int& nFrom, int& nTo) const;
    void CopySelection();
    void Undo();
    void ClearAmount();
    // The caret at the decimal separator at nSep: behind it when the format has no integer
    // digits.
    int CaretAtSeparator(int nSep) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalcResult(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetReadOnly(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCanUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEmptyUndoBuffer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMargins(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEditUndo();
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    DECLARE_MESSAGE_MAP()

    BOOL m_bNegative;
    BOOL m_bCanUndo;
    BOOL m_bParseOnSetText;
    BOOL m_bRedraw;
    BOOL m_bMouseSelecting;
    BOOL m_bOverwrite;
    CString m_strUndoText;
    int m_nUndoCaret, m_nUndoSelStart, m_nUndoSelEnd;
    double m_dValue; // the magnitude
    Format* m_pFormat; // owned
    HFONT m_hFont;
    int m_nCaret, m_nSelStart, m_nSelEnd;
    int m_nRightMargin, m_nLeftMargin;
    int m_nSelAnchor;
};

class CGXCaptiveCurEdit : public CGXBCurrencyEdit
{
public:
    ~CGXCaptiveCurEdit() override;
};

// Set while a currency edit opens its calculator.
extern BOOL g_bGXCalculatorOpen;
