// CGXComboBoxWnd: a cell edited with a real combo-box window of the library's "GXCOMBOBOX"
// class, editable (52528) or pick-only (52529). Inactive cells are drawn as text with a
// drop-down button; the current cell, once active, lays the combo window over the cell. The
// value is the choice's text or, with an index base, the chosen entry's index plus the base.
// CGXComboEditPart is the combo's edit child, subclassed to route focus and keys to the cell.
#pragma once
#include "controls/GXChild.h"
#include "controls/GXComboBox.h"
#include "controls/GXStatic.h"
#include "fw/combobox.h"
#include "fw/edit.h"
#include "fw/gdi.h"

#include <memory>
#include <vector>

class CGXComboBoxWnd;

// The drop-down arrow of the windowed combo cells.
class CGXComboBoxWndButton : public CGXComboBoxButton
{
public:
    explicit CGXComboBoxWndButton(CGXControl* pComposite) : CGXComboBoxButton(pComposite) { }

protected:
    BOOL DrawnInactive() const override;
};

class CGXComboEditPart : public CEdit
{
public:
    CGXComboEditPart() = default;
    ~CGXComboEditPart() override = default;
    void SetOwnerControl(CGXComboBoxWnd* pControl) { m_pControl = pControl; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CGXComboBoxWnd* m_pControl = nullptr;
};

class CGXComboBoxWnd : public CComboBox, public CGXStatic
{
    GX_DECLARE_CONTROL(CGXComboBoxWnd)
public:
    explicit CGXComboBoxWnd(CGXGridCore* pGrid);
    ~CGXComboBoxWnd() override;

    // Creates the combo window (hidden, empty) on the grid window with the style and id.
    virtual BOOL CreateControl(DWORD dwStyle, UINT nID);

    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWnd() override { return this; }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetEditText(CString& strText) override;
    void SetEditText(const CString& strText) override;
    BOOL GetValue(CString& strValue) override;
    void SetValue(LPCTSTR pszValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState = 0) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags) override;
    BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChildButtonClicked(CGXChild* pChild) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    BOOL Copy() override { return CGXStatic::Copy(); }
    BOOL Paste() override { return CGXStatic::Paste(); }
    BOOL Cut() override { return CGXStatic::Cut(); }
    // Find and replace (string combos only): the active cell's text from its selection, any
    // other cell's display text; the occurrence found is selected in the edited cell.
    BOOL FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSelect) override;
    BOOL GetSelectedEditText(CString& strText) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol) override;

    // A key-down while the control owns the focus: TRUE when it went to the grid or was
    // handled here, FALSE when the combo window handles it.
    virtual BOOL KeyHook(UINT nChar, UINT nRepCnt, UINT nFlags);

    BOOL IsPickOnly() const { return m_editPart.GetSafeHwnd() == nullptr; }
    CGXComboBoxWndButton* GetButton() const { return m_pButton; }
    CEdit* GetEditPart() { return m_editPart.GetSafeHwnd() != nullptr ? &m_editPart : nullptr; }

    int m_nFrameWidth;
    BOOL m_bFillWithChoiceList;
    BOOL m_bWantArrowKeys;
    CGXComboBoxWndButton* m_pButton; // owned by the child list
    int m_nIndexValue; // -1: the value is the choice's text; else the index base
    BOOL m_bDispChoice;
    BOOL m_bDropDownOnClick;
    BOOL m_bDrawButtonOnlyInCurrentCell;
    BOOL m_bDrawButtonAlways;
    BOOL m_bExtraMargin;
    BOOL m_bHasStrings;

protected:
    // A combo whose edit child is subclassed by the given window object (owned).
    CGXComboBoxWnd(CGXGridCore* pGrid, CGXComboEditPart* pEditPart);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Starts editing when inactive (FALSE when refused or read-only for typing).
    BOOL Activate();
    // Opens the list of the active cell's window (laid out first).
    void DropDown();
    // Puts back the selection or text saved when the list dropped (a read-only cell).
    void RestoreSaved();
    void SaveState();
    int TextHeight(const CGXStyle& style);
    // Characters whose key-down went to the grid go there too.
    virtual BOOL RouteGridChar(UINT nChar, LPARAM lParam);
    // An owner-drawn combo's cell other than the edited one: the entry the value names, drawn
    // by DrawItem into the cell's text rectangle (nothing for an empty value or no such entry).
    void DrawOwnerDrawnCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                            const CGXStyle& style, const CGXStyle* pStandardStyle);
    // The cell is the one edited in the combo window.
    BOOL IsEditingCell(ROWCOL nRow, ROWCOL nCol);
    // The selection in the edited text (a pick-only combo's kept one), within the text.
    void GetTextSel(const CString& strText, int& nStart, int& nEnd);
    // Selects in the edited text; kept for the window's next layout too.
    void SetTextSel(int nStart, int nEnd);
    // ValidateText for a cell of the given style: an index cell that shows its choices takes
    // only text naming one (or no text).
    BOOL IsValidTextFor(const CString& strText, const CGXStyle* pStyle);

    BOOL m_bActive, m_bModified;
    int m_nSelStart, m_nSelEnd; // kept selection of the edit part
    COLORREF m_crHighlightText;
    BOOL m_bDropPending;
    int m_nTextHeight;
    CFont m_font;
    int m_nSavedSel;
    CString m_strSavedText;
    COLORREF m_crBack;
    std::unique_ptr<CGXComboEditPart> m_pEditPartOwned;
    CGXComboEditPart& m_editPart; // the edit child's window object
    std::vector<CString> m_choiceLines; // the entries filled from the choice list

    friend class CGXComboEditPart;
};
