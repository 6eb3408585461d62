// Check-list combo cells driven by real messages: the cell shows the caption, the list opens
// with the value's bits checked, the space bar toggles, closing by Esc or Enter stores the
// bits (an empty value when none is checked), and entries beyond the value's bits are shown
// but cannot be checked.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXCheckListComboBox.h"
#include <gtest/gtest.h>

namespace {
class CheckListCombo : public ::testing::Test
{
protected:
    CheckListCombo() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~CheckListCombo() override { CGridKeyboard::Dispatch(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXCheckListComboBox* Open(const char* pszChoices, const char* pszValue)
    {
        grid().SetStyleRange(
            CGXRange(1, 1, 1, 1),
            CGXStyle().SetControl(52542).SetChoiceList(pszChoices).SetValue(pszValue));
        if (!grid().SetCurrentCell(1, 1))
            return nullptr;
        auto* pCombo = dynamic_cast<CGXCheckListComboBox*>(grid().GetCurrentCellControl());
        if (pCombo == nullptr)
            return nullptr;
        m_w.Capture();
        const CRect rectButton = pCombo->GetButton()->GetRect();
        const LPARAM lPoint = MAKELPARAM(rectButton.CenterPoint().x, rectButton.CenterPoint().y);
        ::PostMessageA(grid().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(grid().m_hWnd, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
        return pCombo;
    }
    CCheckListBox* List(CGXCheckListComboBox* pCombo)
    {
        return static_cast<CCheckListBox*>(pCombo->GetListBox());
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(CheckListCombo, OpensWithTheValuesBitsAndEscStoresTheChangedChecks)
{
    CGXCheckListComboBox* pCombo = Open("Days\nMon\nTue\nWed", "5");
    ASSERT_NE(pCombo, nullptr);
    CString strShown;
    pCombo->FormatDisplayText(strShown, 1, 1, nullptr, grid().GetCachedCellStyle(1, 1));
    EXPECT_STREQ(strShown, "Days");
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CCheckListBox* pList = List(pCombo);
    ASSERT_EQ(pList->GetCount(), 3);
    EXPECT_EQ(::GetFocus(), pList->m_hWnd);
    EXPECT_EQ(pList->GetCheck(0), 1);
    EXPECT_EQ(pList->GetCheck(1), 0);
    EXPECT_EQ(pList->GetCheck(2), 1);
    // Tue checked by the space bar; Esc closes and keeps the checks.
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_SPACE, ' ');
    EXPECT_EQ(pList->GetCheck(1), 1);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "7");
    EXPECT_EQ(::GetFocus(), grid().m_hWnd);
    EXPECT_FALSE(grid().m_bDropDownCell);
}

TEST_F(CheckListCombo, UncheckingEverythingStoresAnEmptyValue)
{
    CGXCheckListComboBox* pCombo = Open("Days\nMon\nTue\nWed", "5");
    ASSERT_NE(pCombo, nullptr);
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CGridKeyboard::Press(VK_HOME);
    CGridKeyboard::Press(VK_SPACE, ' ');
    CGridKeyboard::Press(VK_END);
    CGridKeyboard::Press(VK_SPACE, ' ');
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "");
}

TEST_F(CheckListCombo, EntriesBeyondTheValuesBitsCannotBeChecked)
{
    CString strChoices = "Many";
    for (int i = 0; i < 33; ++i) {
        CString strEntry;
        strEntry.Format("\nE%d", i);
        strChoices += strEntry;
    }
    CGXCheckListComboBox* pCombo = Open(strChoices, "1073741824"); // bit 30
    ASSERT_NE(pCombo, nullptr);
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CCheckListBox* pList = List(pCombo);
    ASSERT_EQ(pList->GetCount(), 33);
    EXPECT_EQ(pList->GetCheck(30), 1);
    EXPECT_TRUE(pList->IsEnabled(30));
    EXPECT_FALSE(pList->IsEnabled(31));
    EXPECT_FALSE(pList->IsEnabled(32));
    // The last entry: the space bar leaves it unchecked, and the value keeps bit 30 alone.
    CGridKeyboard::Press(VK_END);
    CGridKeyboard::Press(VK_SPACE, ' ');
    EXPECT_EQ(pList->GetCheck(32), 0);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1073741824");
}

TEST_F(CheckListCombo, AClickOnAnEntrysBoxTogglesItAndTheListStaysOpen)
{
    CGXCheckListComboBox* pCombo = Open("Days\nMon\nTue\nWed", "1");
    ASSERT_NE(pCombo, nullptr);
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CCheckListBox* pList = List(pCombo);
    ASSERT_EQ(pList->GetCount(), 3);
    const char* apszNames[] = {"Mon", "Tue", "Wed"}; // the entries by name, without the caption
    for (int i = 0; i < 3; ++i) {
        CString strName;
        pList->GetText(i, strName);
        EXPECT_STREQ(strName, apszNames[i]);
    }
    struct Case
    {
        int nItem;
        int dx; // from the item's left edge: 4 lies on the box, beyond the box is the text
        int nChecksAfter; // bits of the checks after the click
    } const cases[] = {{1, 4, 3}, {2, 60, 3}, {0, 4, 2}, {2, 4, 6}};
    for (const Case& c : cases) {
        CRect rectItem;
        pList->GetItemRect(c.nItem, &rectItem);
        const LPARAM lPoint = MAKELPARAM(rectItem.left + c.dx, rectItem.CenterPoint().y);
        ::PostMessageA(pList->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(pList->m_hWnd, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
        ASSERT_TRUE(pCombo->IsDropDownVisible()) << c.nItem << " " << c.dx;
        int nChecks = 0;
        for (int i = 0; i < 3; ++i)
            if (pList->GetCheck(i) == 1)
                nChecks |= 1 << i;
        EXPECT_EQ(nChecks, c.nChecksAfter) << c.nItem << " " << c.dx;
    }
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1") << "stored only when the list closes";
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "6");
}
