// Combo-box cells in a grid window driven by real messages: the button and Alt+Down open the
// list under the cell, a click or Enter in the list chooses, the arrow keys carry the cell's
// text along, Esc closes the list keeping the text and Esc again restores the stored value,
// Tab moves on; what is stored is the text, the completed choice or the index, as the
// cell's kind asks.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXComboBox.h"
#include <gtest/gtest.h>

namespace {
const char* const kFruit = "Apple\nBanana\nCherry";

class ComboBoxCell : public ::testing::Test
{
protected:
    ComboBoxCell() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~ComboBoxCell() override { CGridKeyboard::Dispatch(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void SetCombo(ROWCOL nRow, ROWCOL nCol, WORD nId, const char* pszChoices, const char* pszValue)
    {
        grid().SetStyleRange(
            CGXRange(nRow, nCol, nRow, nCol),
            CGXStyle().SetControl(nId).SetChoiceList(pszChoices).SetValue(pszValue));
    }
    CGXComboBox* Combo() { return dynamic_cast<CGXComboBox*>(grid().GetCurrentCellControl()); }
    CString EditText()
    {
        CString s;
        if (CGXComboBox* p = Combo())
            p->GetWindowText(s);
        return s;
    }
    // A click of the left button at a point of a window, as the system posts it.
    static void Click(HWND hWnd, CPoint point)
    {
        const LPARAM lPoint = MAKELPARAM(point.x, point.y);
        ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
    }
    // Alt+Down to the window with the focus.
    static void AltDown()
    {
        HWND hFocus = ::GetFocus();
        ::PostMessageA(hFocus, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        ::PostMessageA(hFocus, WM_SYSKEYUP, VK_DOWN, 0xE0000001);
        CGridKeyboard::Dispatch();
    }
    CRect ScreenCell(ROWCOL nRow, ROWCOL nCol)
    {
        CRect rect = grid().GetSpannedCellRect(nRow, nCol);
        grid().ClientToScreen(&rect);
        return rect;
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(ComboBoxCell, ButtonOpensTheListUnderTheCellAndAClickChoosesAText)
{
    SetCombo(1, 1, 52517, kFruit, "Apple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    m_w.Capture();
    const CRect rectButton = pCombo->GetButton()->GetRect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    const CRect rectInner = pCombo->CGXEditControl::GetCellRect(1, 1);
    EXPECT_EQ(rectButton.right, rectInner.right - 1);
    EXPECT_EQ(rectButton.Width(), 15);
    Click(grid().m_hWnd, rectButton.CenterPoint());
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CListBox* pList = pCombo->GetListBox();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(::GetFocus(), pList->m_hWnd);
    EXPECT_EQ(pList->GetCount(), 3);
    EXPECT_EQ(pList->GetCurSel(), 0) << "the list opens on the cell's text";
    EXPECT_TRUE(grid().m_bDropDownCell);
    // The pop-up lies under the cell, as tall as three entries and half an entry.
    CRect rectPopup;
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    const CRect rectCell = ScreenCell(1, 1);
    EXPECT_EQ(rectPopup.top, rectCell.bottom);
    const int nItem = pList->GetItemHeight(0);
    EXPECT_EQ(rectPopup.Height(), 3 * nItem + nItem / 2);

    // A click on the third entry chooses it; the list closes and the edit has the focus.
    CRect rectItem;
    pList->GetItemRect(2, &rectItem);
    Click(pList->m_hWnd, rectItem.CenterPoint());
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_FALSE(grid().m_bDropDownCell);
    EXPECT_EQ(::GetFocus(), pCombo->m_hWnd);
    EXPECT_STREQ(EditText(), "Cherry");
    EXPECT_TRUE(pCombo->GetModify());
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Cherry");
}

TEST_F(ComboBoxCell, KeysMoveTheTextAlongAndEnterStoresTheOneBasedIndex)
{
    // One-based index shown as the choice (flags 0x10 | 0x08): value 3 shows Blue.
    SetCombo(1, 1, 52531, "Red\nGreen\nBlue", "3");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    EXPECT_STREQ(EditText(), "Blue");
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CListBox* pList = pCombo->GetListBox();
    EXPECT_EQ(pList->GetCurSel(), 2);
    CGridKeyboard::Press(VK_UP);
    EXPECT_STREQ(EditText(), "Green") << "the cell follows the list at once";
    CGridKeyboard::Press(VK_UP);
    EXPECT_STREQ(EditText(), "Red");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_EQ(::GetFocus(), pCombo->m_hWnd);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
    // Zero-based values (52532) store the index itself.
    SetCombo(2, 1, 52532, "Red\nGreen\nBlue", "0");
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    EXPECT_STREQ(EditText(), "Red");
    AltDown();
    ASSERT_TRUE(Combo()->IsDropDownVisible());
    CGridKeyboard::Press(VK_END);
    CGridKeyboard::Press(VK_RETURN, '\r');
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(2, 1), "2");
}

TEST_F(ComboBoxCell, EscClosesTheListKeepingTheTextAndEscAgainRestoresTheValue)
{
    SetCombo(1, 1, 52517, kFruit, "Apple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBox* pCombo = Combo();
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_STREQ(EditText(), "Banana");
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_TRUE(pCombo->IsActive());
    EXPECT_EQ(::GetFocus(), pCombo->m_hWnd);
    EXPECT_STREQ(EditText(), "Banana");
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_STREQ(EditText(), "Apple");
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Apple");
}

TEST_F(ComboBoxCell, TabInTheOpenListStoresAndMovesToTheNextCell)
{
    SetCombo(1, 1, 52517, kFruit, "Apple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(Combo()->IsDropDownVisible());
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_TAB, '\t');
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nCol, 2u);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Banana");
    CGXComboBox* pOld = dynamic_cast<CGXComboBox*>(grid().GetControl(1, 1));
    ASSERT_NE(pOld, nullptr);
    EXPECT_FALSE(pOld->IsDropDownVisible());
}

TEST_F(ComboBoxCell, TypedTextIsStoredAsTheCellsKindAsks)
{
    struct Case
    {
        WORD nId;
        const char* pszTyped;
        const char* pszStored;
    } const cases[] = {
        {52527, "ba", "Banana"}, // completed to the choice it begins
        {52527, "apple", "Apple"}, // exact match first, the choice's own case
        {52527, "zz", ""}, // matches no choice: nothing is stored
        {52531, "ban", "2"}, // shown as the choice, stored as its one-based index
        {52532, "che", "2"}, // zero-based
        {52532, "zz", ""},         {52517, "zz", "zz"}, // free text
        {52525, "ban", "ban"}, // a zero-based index typed as text is taken as it stands
    };
    for (const Case& c : cases) {
        SetCombo(3, 1, c.nId, kFruit, "");
        ASSERT_TRUE(grid().SetControlTextRowCol(3, 1, c.pszTyped));
        EXPECT_STREQ(grid().GetValueRowCol(3, 1), c.pszStored) << c.nId << " " << c.pszTyped;
    }
    // Typing into the cell: "ba" completes to Banana when stored; a character that begins
    // no choice is refused.
    SetCombo(1, 1, 52527, kFruit, "");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    CGridKeyboard::Type("bx");
    EXPECT_STREQ(EditText(), "b");
    CGridKeyboard::Type("a");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Banana");
}

TEST_F(ComboBoxCell, ValuesShowAsTheirChoices)
{
    SetCombo(1, 1, 52531, "Red\nGreen\nBlue", "3");
    CGXControl* pControl = grid().GetControl(1, 1);
    ASSERT_STREQ(GXControlClassName(pControl), "CGXComboBox");
    const CGXStyle& style = grid().GetCachedCellStyle(1, 1);
    struct Case
    {
        const char* pszValue;
        const char* pszShown;
    } const cases[] = {{"3", "Blue"}, {"1", "Red"}, {"4", ""}, {"0", ""}, {"", ""}};
    for (const Case& c : cases) {
        CString strText = "x";
        ASSERT_TRUE(pControl->FormatDisplayText(strText, 1, 1, c.pszValue, style));
        EXPECT_STREQ(strText, c.pszShown) << c.pszValue;
    }
}

TEST_F(ComboBoxCell, ListNearTheScreensBottomOpensAboveTheCell)
{
    SetCombo(1, 1, 52517, kFruit, "Apple");
    MONITORINFO mi = {sizeof(mi)};
    ASSERT_TRUE(
        ::GetMonitorInfoA(::MonitorFromWindow(grid().m_hWnd, MONITOR_DEFAULTTONEAREST), &mi));
    // The grid's top-level window moved so that row 1 ends 20 pixels above the work area's
    // bottom.
    CWnd* pTop = grid().GetParent();
    const CRect rectCell = ScreenCell(1, 1);
    CRect rectTop;
    pTop->GetWindowRect(&rectTop);
    const int dy = (mi.rcWork.bottom - 20) - rectCell.bottom;
    pTop->SetWindowPos(nullptr, rectTop.left, rectTop.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    AltDown();
    CGXComboBox* pCombo = Combo();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CRect rectPopup;
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    EXPECT_EQ(rectPopup.bottom, ScreenCell(1, 1).top);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
}

TEST_F(ComboBoxCell, PickOnlyCellsChooseByTheTypedCharacter)
{
    SetCombo(1, 1, 52517, "(none)\nApple\nBanana", "Apple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBox* pCombo = Combo();
    pCombo->m_bDropDownList = TRUE;
    m_w.Capture();
    CGridKeyboard::Type("b");
    EXPECT_STREQ(EditText(), "Banana");
    // "(" is a character like any other: it picks the entry it begins.
    CGridKeyboard::Type("(");
    EXPECT_STREQ(EditText(), "(none)");
    CGridKeyboard::Type("z");
    EXPECT_STREQ(EditText(), "(none)") << "a character no entry begins with changes nothing";
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "(none)");
    pCombo->m_bDropDownList = FALSE;
}

TEST_F(ComboBoxCell, TheDownKeyInAPickOnlyCellMovesOnAndPicksNothing)
{
    // Down is the key code of "(": as a key it moves to the next row, never picks "(none)".
    SetCombo(1, 1, 52517, "(none)\nApple\nBanana", "Apple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    pCombo->m_bDropDownList = TRUE;
    m_w.Capture();
    CGridKeyboard::Type("b");
    ASSERT_TRUE(pCombo->IsActive());
    EXPECT_STREQ(EditText(), "Banana");
    CGridKeyboard::Press(VK_DOWN);
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 2u);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Banana");
    // Inactive again: Up comes back without picking either.
    CGridKeyboard::Press(VK_UP);
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 1u);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Banana");
    pCombo->m_bDropDownList = FALSE;
}
