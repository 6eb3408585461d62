// CGXCheckListComboBox: a combo cell whose drop-down is a list of check boxes. The first line
// of the choice list is the caption every cell shows; each further line is an entry standing
// for one bit of the cell's numeric value (the first entry bit 0). The checks are taken into
// the cell whenever the list closes. Only the first 31 entries have a bit (the value stays a
// positive long); further entries are shown but cannot be checked.
#pragma once
#include "controls/GXComboBox.h"

// The check-list inside the pop-up: reports to the combo box like CGXComboListBox.
class CGXCheckListComboLBox : public CCheckListBox
{
public:
    explicit CGXCheckListComboLBox(CWnd* pOwner);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bKeyDown;
    BOOL m_bMouseDown;
    CWnd* m_pOwner;
    int m_nSelAtKeyDown;
    BOOL m_bAlnumKey;
};

class CGXCheckListComboBox : public CGXComboBox
{
    GX_DECLARE_CONTROL(CGXCheckListComboBox)
public:
    CGXCheckListComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID);

    // Entries beyond this count are shown unchecked and cannot be checked.
    static const int nMaxCheckEntries = 31;

    CListBox* CreateListBox(CWnd* pPopup, UINT nID) override;
    void FillListBox(CListBox* pListBox) override;
    void SetValueFromListBox(CListBox* pListBox) override;

    BOOL Store() override;
    BOOL GetValue(CString& strValue) override;
    BOOL FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                           const CGXStyle& style) override;
    BOOL AcceptsTypedText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                          const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Char(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL InsertTypedText(LPCTSTR pszText, UINT nRepCnt, UINT nFlags) override;
    DWORD CalcWindowStyle(const CRect& rect, int nLineHeight) override;

    int GetEntryCount() const { return m_nCount; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnListBoxSelect() override;
    LRESULT OnListBoxCancel(BOOL bKeepActive) override;
    LRESULT OnListBoxSelChange() override { return 0; }
    LRESULT OnListBoxKillFocus() override;
    // Closes the list, taking the checks into the cell.
    LRESULT CloseList();

    int m_nCount; // entries in the open list
};
