// CGXMaskControl: an edit cell whose text follows an input mask (user attributes: the mask
// and its prompt). Literal characters are shown and skipped, each editable position takes
// only its class of character and empty positions show the prompt. The cell stores the data
// without literals; two mask-data objects (of a run-time class a derived mask may replace)
// serve the edit window and the drawing of other cells.
#pragma once
#include "controls/GXEditControl.h"

class CGXMaskData;

const WORD GX_IDS_UA_INPUTMASK = 51023;
const WORD GX_IDS_UA_INPUTPROMPT = 51024;

class CGXMaskControl : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXMaskControl)
public:
    CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass = nullptr);
    ~CGXMaskControl() override;

    // Replaces both mask-data objects by new ones of the class (a CGXMaskData).
    void SetMaskDataClass(CRuntimeClass* pMaskDataClass);
    CGXMaskData* GetEditMask() const { return m_pEditMask; }
    // Sets a mask-data object up from a cell style (mask, prompt, maximum length).
    static void SetUpMask(CGXMaskData& data, const CGXStyle& style);
    // The clipboard format of mask data ("GX_MASKDATA").
    static UINT GetClipboardFormat();
    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL GetValue(CString& strValue) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateCellValue() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL GetSelectedEditText(CString& strText) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL CanPasteText(const CString& strText) override;
    DWORD CalcWindowStyle(const CRect& rect, int nLineHeight) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The edit mask and window again from the bound cell's style and value.
    void ReloadMask();
    // The window shows the edit mask's text with the caret (and selection) at positions.
    void ShowMask(int nSelStart, int nSelEnd);
    // The window's selection in positions.
    void GetMaskSel(int& nStart, int& nEnd);
    // The editable position at or after a position (-1: none).
    int EditPosAtOrAfter(int nPos) const;
    // The editable position at or before a position, else the first one.
    int EditPosAtOrBefore(int nPos) const;
    // After a click in the active cell: a caret (no selection) moves to the editable position
    // at or before it.
    void CaretToEditPos();
    // A typed character into the active window at the selection; FALSE when refused (beep).
    BOOL TypeChar(const CString& strChar);
    // Backspace (bBack) or Delete in the active window.
    void DeleteAtCaret(BOOL bBack);
    BOOL HandleMaskKeyDown(UINT nChar);
    BOOL PasteText(const CString& strText, BOOL bMaskData);
    // A copy of the edit mask's state to go back to.
    void SaveMask(CByteArray& state);
    void RestoreMask(const CByteArray& state);
    void Modified();

    CRuntimeClass* m_pMaskDataClass;
    CGXMaskData* m_pEditMask; // owned: the edit window's
    CGXMaskData* m_pDrawMask; // owned: for drawing and checking other cells
    BOOL m_bPastingMaskData;
};
