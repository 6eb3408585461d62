// CGXComboBox: an edit cell with a drop-down button at its right edge; the button (or
// Alt+Down) opens the style's choices in a borderless pop-up list under the cell. The flag
// word decides what is stored: the text, the text completed to a choice, or the chosen
// entry's index (shown as the index or as the choice's text). CGXGridCombo is the pop-up
// window, CGXComboListBox the list inside it, which reports choices, cancels, keyboard
// moves and focus loss to the combo's edit window with the private messages below.
#pragma once
#include "controls/GXChild.h"
#include "controls/GXEditControl.h"
#include "fw/listbox.h"

// Private messages from the list to the combo box's edit window.
const UINT WM_GX_LBOX_SELECT = WM_USER + 965; // 0x7AD: an entry was chosen
const UINT WM_GX_LBOX_CANCEL = WM_USER + 976; // 0x7B8: close; lParam: keep the cell active
const UINT WM_GX_LBOX_SELCHANGE = WM_USER + 987; // 0x7C3: the keyboard moved the selection
const UINT WM_GX_LBOX_KILLFOCUS = WM_USER + 988; // 0x7C4: the list lost the focus

// Flag word of the combo box.
const UINT GX_CBF_MATCHCHOICE = 0x01; // text completed to a choice; others are invalid
const UINT GX_CBF_TEXT = 0x02; // free text
const UINT GX_CBF_ZEROBASED = 0x04; // the value is the entry's zero-based index
const UINT GX_CBF_ONEBASED = 0x08; // the value is the entry's index + 1
const UINT GX_CBF_DISPLAYCHOICE = 0x10; // the cell shows the choice, stores its index

// The drop-down arrow of the combo cells (CGXComboBox and its kinds).
class CGXComboBoxButton : public CGXButton
{
public:
    explicit CGXComboBoxButton(CGXControl* pComposite) : CGXButton(pComposite) { }
    // Drawn pressed while the mouse holds it; in an inactive cell only as DrawnInactive says.
    void Draw(CDC* pDC, BOOL bActive) override;

protected:
    // TRUE when the combo asks for the button in cells that are not active, too.
    virtual BOOL DrawnInactive() const;
};

// Draws the face, edge and arrow of a combo button (shared by the combo cells' buttons).
void GXDrawComboButton(CDC* pDC, const CRect& rect, BOOL bSunken, BOOL bPressed);

// The pop-up frame of the list: a topmost tool window on the desktop. It colours the list
// and passes the list's notifications on to the owner (the combo's edit window).
class CGXGridCombo : public CWnd
{
public:
    CGXGridCombo(CWnd* pOwner, CWnd* pIgnored, const CRect& rect);
    ~CGXGridCombo() override;

    void SetListBox(CListBox* pListBox) { m_pListBox = pListBox; }
    CListBox* GetListBox() const { return m_pListBox; }
    void SetColors(COLORREF crText, COLORREF crBack);
    HBRUSH GetBackBrush() const
    {
        return m_bColorsSet ? (HBRUSH)m_brBack.GetSafeHandle() : nullptr;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CListBox* m_pListBox; // owned: deleted with the pop-up
    CWnd* m_pOwner;
    BOOL m_bColorsSet;
    CBrush m_brBack;
    COLORREF m_crText, m_crBack;
};

// A drop-down list's WM_ERASEBKGND: fills it with the brush its parent gives list boxes;
// FALSE (nothing done) when the parent gives none.
BOOL GXEraseWithParentListBrush(CWnd* pList, HDC hDC);

// TRUE when hWnd is hParent or one of its children (FALSE when either is null).
BOOL GXIsWindowOrChild(HWND hWnd, HWND hParent);

// The text height of a style's font on the grid's window (0 while the grid has no window).
int GXMeasureStyleTextHeight(CGXGridCore* pGrid, const CGXStyle& style);

// The list inside the pop-up: turns clicks and keys into the private messages.
class CGXComboListBox : public CListBox
{
public:
    explicit CGXComboListBox(CWnd* pOwner);

    // Forgets the key and mouse state (a kept list that is shown again).
    void ResetState();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bKeyDown;
    BOOL m_bMouseDown;
    CWnd* m_pOwner;
    int m_nKeyDownCount;
    int m_nSelAtKeyDown;
    BOOL m_bAlnumKey;
};

class CGXComboBox : public CGXEditControl
{
    GX_DECLARE_CONTROL(CGXComboBox)
public:
    CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags);
    ~CGXComboBox() override;

    // The pop-up and its list.
    virtual CGXGridCombo* CreateDropDownWnd(CWnd* pOwner, const CRect& rect);
    virtual CListBox* CreateListBox(CWnd* pPopup, UINT nID);
    virtual void ShowDropDown(BOOL bShow);
    virtual BOOL IsDropDownVisible();
    virtual void SetValueFromListBox(CListBox* pListBox);
    virtual void FillListBox(CListBox* pListBox);
    virtual void GetDropDownRect(CRect& rect, const CRect& rectCell);
    virtual void DestroyDropDownWnd(CGXGridCombo* pPopup);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void Reset() override;
    void SetActive(BOOL bActive) override;
    BOOL Store() override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem = nullptr,
                      const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle, BOOL bHeight) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetValue(CString& strValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    void ReplaceSel(LPCTSTR pszText) override;
    void OnScrollMessage(UINT nMessage) override;
    BOOL OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, LRESULT& lResult) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChildButtonClicked(CGXChild* pChild) override;
    void PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXGridCombo* GetDropDownWnd() const { return m_pDropDownWnd; }
    CListBox* GetListBox() const
    {
        return m_pDropDownWnd != nullptr ? m_pDropDownWnd->GetListBox() : nullptr;
    }
    CGXComboBoxButton* GetButton() const { return m_pButton; }
    UINT GetFlags() const { return m_nFlags; }

    // Looks a text up among the style's choices (exact first, else the first it begins,
    // without case): the choice's index and text, or -1.
    int MatchChoice(const CGXStyle& style, LPCTSTR pszText, CString& strChoice);

    BOOL m_bFillWithChoiceList;
    BOOL m_bDrawButtonOnlyInCurrentCell;
    BOOL m_bDrawButtonAlways;
    UINT m_nFlags;
    DWORD m_dwListBoxStyle; // 0: WS_VSCROLL | LBS_NOTIFY
    BOOL m_bDropDownList;
    BOOL m_bButtonFitsText;
    CGXComboBoxButton* m_pButton; // owned by the child list
    UINT m_nListBoxID;
    CGXGridCombo* m_pDropDownWnd; // owned; null while the list is closed
    CFont m_font; // the list's font while it is open
    int m_nTextHeight;
    int m_nButtonMargin;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The private messages and the opening key, handled by the edit window.
    virtual LRESULT OnListBoxSelect();
    virtual LRESULT OnListBoxCancel(BOOL bKeepActive);
    virtual LRESULT OnListBoxSelChange();
    virtual LRESULT OnListBoxKillFocus();
    // Alt+Down: starts editing, activates and opens the list.
    BOOL OpenByKey();
    // The value a text converts to under the flag word (TRUE: a conversion applied).
    BOOL ConvertTextToValue(const CGXStyle& style, CString& strText);
    // The text height of the style's font, measured once per bound cell.
    int TextHeight(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Destroys the pop-up with the focus-change lock held.
    void DestroyPopup();
    // Closes the open list: takes its selection into the cell (unless the cell is read-only),
    // destroys the pop-up and tells the grid; TRUE when the focus was in the list. The
    // caller holds the grid's ignore-focus switch over this and the focus move after it.
    BOOL CloseListTakingChoice();

    BOOL m_bStoringValue; // Store writes a value already converted
};
