// The date-time cell control: a date-time window that edits the current cell and a static
// control for every other cell. Two captive windows, never shown, parse, lay out and draw
// the values of cells that are not edited, so an inactive cell shows exactly the fields
// the live window would. Values are stored as the user's date text or, when asked, as the
// DATE number.
#pragma once
#include "controls/GXBDateTimeCtrl.h"
#include "controls/GXStatic.h"

class CGXStylesMap;

// The user attributes of date-time cells.
#define GX_IDS_UA_DATENOEDIT 51034
#define GX_IDS_UA_DATEMIN 51035
#define GX_IDS_UA_DATEMAX 51036
#define GX_IDS_UA_DATEVALIDMODE 51037
#define GX_IDS_UA_DATEFORMATTYPE 51038
#define GX_IDS_UA_CUSTOMFORMAT 51039
#define GX_IDS_UA_DATEAUTOADVANCE 51044

class CGXDateTimeCtrl : public CGXBDateTimeCtrl, public CGXStatic
{
    GX_DECLARE_CONTROL(CGXDateTimeCtrl)
public:
    CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nID, DWORD dwStyle);
    ~CGXDateTimeCtrl() override;

    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    // Reads a cell value: date text (COleDateTime's reading), else a whole number text
    // within the DATE range. FALSE for anything else, also for text that only starts with
    // a number.
    static BOOL ParseValue(LPCTSTR pszText, COleDateTime& value);
    // Gives a window the format a style asks for (51038, 51039) and its no-edit mask.
    static void ApplyFormat(CGXBDateTimeCtrl& wnd, const CGXStyle& style);
    // The value as the cell stores it: date text, or the DATE number to full precision.
    CString FormatValue(const COleDateTime& value) const;

    void SetStoreAsNumber(BOOL bNumber) { m_bStoreAsNumber = bNumber; }
    BOOL GetStoreAsNumber() const { return m_bStoreAsNumber; }
    CGXCaptiveDateTimeCtrl& GetCaptive() { return m_wndCaptive; }
    // Creates the live and captive windows in the grid window when missing.
    BOOL CreateWindows();
    // Activates the bound cell for editing (TRUE when it is active).
    BOOL Activate();

    // CGXControl.
    CWnd* GetWnd() override { return this; }
    CRuntimeClass* GetWndRuntimeClass() override;
    void SetActive(BOOL bActive) override { m_bActive = bActive; }
    BOOL IsActive() override { return m_bActive; }
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override { return IsModified(); }
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL GetValue(CString& strValue) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL GetStyleText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strText) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    BOOL WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                        UINT nFlags, const CGXStyle* pOldStyle) override;
    BOOL ValidateCellValue() override;
    BOOL Copy() override;
    BOOL CanPaste() override;
    BOOL Paste() override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void Hide() override;
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSelect) override;
    BOOL GetSelectedEditText(CString& strText) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol) override;

    // Whether a field shows the find text: a number field when the text is that number
    // (its digits, leading zeros aside), a list field when its item starts with the text.
    static BOOL GadgetMatches(const CGXBDTGadget* pGadget, const GXFindReplaceInfo& info);
    // The field of a window that shows the find text, from nFrom on in the search's
    // direction; -1 when there is none.
    static int FindGadgetMatch(const CGXBDateTimeCtrl& wnd, const GXFindReplaceInfo& info,
                               int nFrom);

    // CGXBDateTimeCtrl.
    BOOL ValidateValue(const COleDateTime& value) override;
    void NotifyChange() override;

protected:
    // Loads the window from a style: no-edit mask, format, value, range, auto-advance.
    void LoadFromStyle(const CGXStyle& style);
    // The fallback of an unparsable value: today for the date formats, else 30 December
    // 1899, both at midnight.
    COleDateTime DefaultValue() const;
    BOOL IsCellReadOnly();
    void ForwardToGrid(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // The bound cell is edited in the live window.
    BOOL IsEditingCell(ROWCOL nRow, ROWCOL nCol);
    // The field of the edited cell that the last search left current, else null.
    CGXBDTGadget* FoundGadget();
    // A cell's text with each of its fields that shows the find text replaced (the field
    // nOnly alone when it is not -1), read back as the value the cell stores. FALSE when no
    // field changed or the text is no date.
    BOOL ReplaceInGadgets(const CGXBDateTimeCtrl& wnd, const GXFindReplaceInfo& info,
                          LPCTSTR pszReplace, int nOnly, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style, CString& strValue);

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    UINT m_nControlID;
    DWORD m_dwWndStyle;
    BOOL m_bActive;
    BOOL m_bEmpty; // Delete emptied the cell while it was edited
    CGXCaptiveDateTimeCtrl m_wndCaptive;
    CGXCaptiveDateTimeCtrl m_wndCaptive2;
    CFont m_font;
    CString m_strFindText;
    CString m_strSeparator;
    ROWCOL m_nFindRow, m_nFindCol; // the cell whose current field the last search found
    BOOL m_bStoreAsNumber;
    BOOL m_bDateFormat;
};
