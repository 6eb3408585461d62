// Windowed tabbed combo cells in a grid window driven by real messages: the cell and the
// combo show the display column of the row whose key is the value, a click in the dropped
// list or a key choice stores the row's key, typing completes from the display column, Esc
// puts the old value back, and text set into the edit keeps only its first field however
// long it is.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXTabbedComboBoxWnd.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const char* const kFruit = "Code\tName\n1\tApple\n2\tBanana\n3\tCherry";

class TabbedComboWnd : public ::testing::Test
{
protected:
    TabbedComboWnd() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~TabbedComboWnd() override { CGridKeyboard::Dispatch(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void SetTable(ROWCOL nRow, WORD nId, const char* pszValue)
    {
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                             CGXStyle()
                                 .SetControl(nId)
                                 .SetChoiceList(kFruit)
                                 .SetValue(pszValue)
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, "0")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TITLE, "1"));
    }
    CGXTabbedComboBoxWnd* Combo()
    {
        return dynamic_cast<CGXTabbedComboBoxWnd*>(grid().GetCurrentCellControl());
    }
    CString Shown(ROWCOL nRow)
    {
        CString s;
        grid().GetControl(nRow, 1)->FormatDisplayText(s, nRow, 1, nullptr,
                                                      grid().GetCachedCellStyle(nRow, 1));
        return s;
    }
    static void AltDown()
    {
        HWND hFocus = ::GetFocus();
        ::PostMessageA(hFocus, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        ::PostMessageA(hFocus, WM_SYSKEYUP, VK_DOWN, 0xE0000001);
        CGridKeyboard::Dispatch();
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(TabbedComboWnd, BothIdsShowTheDisplayColumnAndAClickStoresTheKey)
{
    for (WORD nId : {WORD(52539), WORD(52540)}) {
        SCOPED_TRACE(nId);
        SetTable(1, nId, "2");
        ASSERT_STREQ(GXControlClassName(grid().GetControl(1, 1)), "CGXTabbedComboBoxWnd");
        EXPECT_STREQ(Shown(1), "Banana");
        ASSERT_TRUE(grid().SetCurrentCell(1, 1));
        CGXTabbedComboBoxWnd* pCombo = Combo();
        ASSERT_NE(pCombo, nullptr);
        EXPECT_EQ(pCombo->IsPickOnly(), nId == 52540);
        ASSERT_EQ(pCombo->CComboBox::GetCount(), 3) << "the title line is not a row";
        EXPECT_EQ(pCombo->GetCurSel(), 1);
        m_w.Capture();
        AltDown();
        ASSERT_TRUE(pCombo->GetDroppedState());
        COMBOBOXINFO info = {sizeof(info)};
        ASSERT_TRUE(::GetComboBoxInfo(pCombo->m_hWnd, &info));
        CRect rectItem;
        ASSERT_NE(::SendMessageA(info.hwndList, LB_GETITEMRECT, 0, (LPARAM)&rectItem), LB_ERR);
        const LPARAM lPoint = MAKELPARAM(rectItem.CenterPoint().x, rectItem.CenterPoint().y);
        ::PostMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(info.hwndList, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
        EXPECT_FALSE(pCombo->GetDroppedState());
        CString strText;
        ASSERT_TRUE(pCombo->GetEditText(strText));
        EXPECT_STREQ(strText, "Apple");
        CGridKeyboard::Press(VK_RETURN, '\r');
        EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1") << "the key column is stored";
        EXPECT_STREQ(Shown(1), "Apple");
        ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    }
}

TEST_F(TabbedComboWnd, TypingCompletesAndEscPutsTheOldValueBack)
{
    SetTable(1, 52539, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    AltDown();
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    ASSERT_TRUE(pCombo->GetDroppedState());
    CGridKeyboard::Press(VK_ESCAPE, 0x1B); // closes the list only
    ASSERT_FALSE(pCombo->GetDroppedState());
    ASSERT_TRUE(pCombo->IsActive());
    CEdit* pEdit = pCombo->GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetSel(0, -1);
    CGridKeyboard::Type("c");
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "Cherry");
    int nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1) << "the completed part is selected";
    EXPECT_EQ(nEnd, 6);
    EXPECT_TRUE(pCombo->GetModify());
    CString strValue;
    ASSERT_TRUE(pCombo->GetValue(strValue));
    EXPECT_STREQ(strValue, "3");
    // Esc on the modified cell restores its value.
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
    EXPECT_STREQ(Shown(1), "Apple");
    // Text without a row converts to nothing: nothing is stored in its place.
    CString strTyped = "Durian";
    EXPECT_FALSE(
        grid().GetControl(1, 1)->AcceptsTypedText(strTyped, 1, 1, grid().GetCachedCellStyle(1, 1)));
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
}

TEST_F(TabbedComboWnd, TheEditKeepsTheFirstFieldOfAnyLengthOfText)
{
    SetTable(1, 52539, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    CEdit* pEdit = pCombo->GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    // A first field far longer than any fixed buffer, then a tab and more fields.
    const std::string strHead(600, 'x');
    pEdit->SetWindowText((strHead + "\tkey\tmore").c_str());
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_EQ(std::string((LPCTSTR)strText), strHead);
    pEdit->SetWindowText("Banana\t2");
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "Banana");
}
