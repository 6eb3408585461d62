// CGXRichEditCtrl: the cell control whose value is rich text (RTF). The current cell is
// edited in a system rich-edit window; other cells show their rich text rendered into the
// grid's DC through an auxiliary window. Fonts, colours and alignment applied to a cell
// become formatting inside its rich text.
#pragma once
#include "controls/GXControl.h"
#include "fw/richedit.h"

// Raised while a rich-text cell changes its own windows (loading, pasting, resizing, a
// replayed click), so that its change and size-request handling do not react. One flag for
// the process; scopes nest.
class CGXInternalChange
{
public:
    CGXInternalChange();
    ~CGXInternalChange();
    CGXInternalChange(const CGXInternalChange&) = delete;
    CGXInternalChange& operator=(const CGXInternalChange&) = delete;
    static BOOL IsOn();

private:
    BOOL m_bOld;
};

class CGXRichEditCtrl : public CRichEditCtrl, public CGXControl
{
    GX_DECLARE_CONTROL(CGXRichEditCtrl)
public:
    CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID);
    ~CGXRichEditCtrl() override;

    // The main window (10 x 10, a child of the grid window) and the auxiliary windows.
    virtual BOOL CreateControl(DWORD dwStyle, UINT nID);

    // A style's alignment and font (with colour) as rich-text formats, and back.
    virtual void StyleToFormats(PARAFORMAT& pf, CHARFORMATA& cf, const CGXStyle& style);
    virtual void FormatsToStyle(const PARAFORMAT& pf, const CHARFORMATA& cf, CGXStyle& style);

    CWnd* GetWnd() override { return this; }
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    BOOL GetValue(CString& strValue) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL Store() override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Cut() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    BOOL GetSelectedEditText(CString& strText) override;
    void ReplaceSel(LPCTSTR pszText) override;
    // Find and replace: the edited cell is searched in its window from the selection, other
    // cells in the plain text of their rich text; replacing keeps the formatting around.
    BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSelect) override;
    BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                        UINT nFlags, const CGXStyle* pOldStyle) override;

    // The formatting of a cell read back into style settings: the selection's in the active
    // current cell, else that of the whole rich text. FALSE when none was found.
    BOOL GetCellFormats(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);

    // Rich text in and out of a rich-edit window (EM_STREAMIN / EM_STREAMOUT, RTF).
    static void LoadRtf(CRichEditCtrl& wnd, const CString& strRtf);
    static CString SaveRtf(CRichEditCtrl& wnd);
    // The clipboard format "Rich Text Format", registered once per process.
    static UINT GetRtfClipboardFormat();

    BOOL m_bActive;
    BOOL m_bAutoSize; // the drawn current cell asks to grow with its text
    DWORD m_dwEventMask; // given to the window when it is shown
    DWORD m_dwOptions;

protected:
    enum { nMeasure = 0, nDisplay = 1, nFormat = 2, nSize = 3 };
    // The occurrence of the find text in a rich-edit window from nFrom on (down) or before it
    // (up), by EM_FINDTEXTEX; FALSE when there is none.
    static BOOL FindInWindow(const CRichEditCtrl& wnd, const GXFindReplaceInfo& info, long nFrom,
                             CHARRANGE& found);
    // Every occurrence from nFrom on replaced in the window, each one's own formatting given to
    // its replacement; FALSE when there was none.
    static BOOL ReplaceAllInWindow(CRichEditCtrl& wnd, const GXFindReplaceInfo& info, long nFrom);
    BOOL IsEditingCell(ROWCOL nRow, ROWCOL nCol);
    // Loads rich text into an auxiliary window unless it holds that text already.
    CRichEditCtrl& Aux(int nIndex, const CString& strRtf);
    BOOL HasWindows() const;
    BOOL PassKeyToGrid(UINT nChar) const;
    void DrawActive(CDC* pDC, const CRect& rect, const CGXStyle& style);
    void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    void Activate(BOOL bSelectAll);
    void MarkModified();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nID;
    CRichEditCtrl m_aux[4];
    CString m_strAux[4]; // the rich text last loaded into each auxiliary window
    BOOL m_bNotified; // the grid heard of this edit's first change
    CRect m_rectRequested; // the size the sizing window asked for
    BOOL m_bMeasuring;
};
