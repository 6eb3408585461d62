// Tabbed combo cells driven by real messages: the cell shows the display column of the row
// whose key is its value, the list opens with the titles in a header right under the cell,
// a click chooses a row and its key is stored, typing completes from the display column;
// column widths and the one-time sort come from the cell's attributes.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "TabbedComboTestSupport.h"
#include "controls/GXTabbedComboBox.h"
#include "core/GXChoiceList.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const char* const kFruit = "Code\tName\n1\tApple\n2\tBanana";

class TabbedCombo : public ::testing::Test
{
protected:
    TabbedCombo() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~TabbedCombo() override { CGridKeyboard::Dispatch(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void SetTable(ROWCOL nRow, const char* pszChoices, const char* pszValue)
    {
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                             CGXStyle()
                                 .SetControl(52541)
                                 .SetChoiceList(pszChoices)
                                 .SetValue(pszValue)
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, "0")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TITLE, "1"));
    }
    CGXTabbedComboBox* Combo()
    {
        return dynamic_cast<CGXTabbedComboBox*>(grid().GetCurrentCellControl());
    }
    CString EditText()
    {
        CString s;
        if (CGXTabbedComboBox* p = Combo())
            p->GetWindowText(s);
        return s;
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

TEST_F(TabbedCombo, ShowsTheDisplayColumnAndStoresTheChosenRowsKey)
{
    SetTable(1, kFruit, "2");
    CString strShown;
    CGXControl* pControl = grid().GetControl(1, 1);
    ASSERT_STREQ(GXControlClassName(pControl), "CGXTabbedComboBox");
    pControl->FormatDisplayText(strShown, 1, 1, nullptr, grid().GetCachedCellStyle(1, 1));
    EXPECT_STREQ(strShown, "Banana");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBox* pCombo = Combo();
    EXPECT_STREQ(EditText(), "Banana");
    m_w.Capture();
    HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    ::PostMessageA(hFocus, WM_SYSKEYUP, VK_DOWN, 0xE0000001);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CListBox* pList = pCombo->GetListBox();
    ASSERT_EQ(pList->GetCount(), 2) << "the title line is not a row";
    EXPECT_EQ(pList->GetCurSel(), 1);
    // The header with the titles right under the cell, the list under the header.
    CGXTabbedLBoxHeader* pHeader = pCombo->GetHeader();
    ASSERT_NE(pHeader, nullptr);
    ASSERT_TRUE(pHeader->IsWindowVisible());
    EXPECT_STREQ(GXGetTabbedItem(pHeader->GetTitles(), 1), "Code");
    EXPECT_STREQ(GXGetTabbedItem(pHeader->GetTitles(), 2), "Name");
    CRect rectHeader, rectPopup;
    pHeader->GetWindowRect(&rectHeader);
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    EXPECT_EQ(rectHeader.top, ScreenCell(1, 1).bottom);
    EXPECT_EQ(rectPopup.top, rectHeader.bottom);
    // A click on Apple: the cell shows Apple and stores its key.
    CRect rectItem;
    pList->GetItemRect(0, &rectItem);
    const LPARAM lPoint = MAKELPARAM(rectItem.CenterPoint().x, rectItem.CenterPoint().y);
    ::PostMessageA(pList->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::PostMessageA(pList->m_hWnd, WM_LBUTTONUP, 0, lPoint);
    CGridKeyboard::Dispatch();
    EXPECT_FALSE(pCombo->IsDropDownVisible());
    EXPECT_FALSE(pHeader->IsWindowVisible());
    EXPECT_STREQ(EditText(), "Apple");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
    // The kept list opens again on the new value.
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    EXPECT_EQ(pCombo->GetListBox(), pList);
    EXPECT_EQ(pList->GetCurSel(), 0);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
}

TEST_F(TabbedCombo, TypingCompletesFromTheDisplayColumn)
{
    SetTable(1, kFruit, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    CGridKeyboard::Type("b");
    m_w.Capture();
    CGridKeyboard::Type("a");
    EXPECT_STREQ(EditText(), "Banana");
    int nStart = 0, nEnd = 0;
    Combo()->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 2) << "the completed part is selected";
    EXPECT_EQ(nEnd, 6);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "2");
    // Pasted or programmatic text converts by prefix; a text no row shows is refused.
    EXPECT_TRUE(grid().SetControlTextRowCol(2, 1, "x")); // an edit cell: any text
    SetTable(2, kFruit, "1");
    EXPECT_TRUE(grid().SetControlTextRowCol(2, 1, "ban"));
    EXPECT_STREQ(grid().GetValueRowCol(2, 1), "2");
    EXPECT_FALSE(grid().SetControlTextRowCol(2, 1, "cherry"));
    EXPECT_STREQ(grid().GetValueRowCol(2, 1), "2");
}

TEST_F(TabbedCombo, EscPutsTheOldValueBackShownByItsDisplayColumn)
{
    SetTable(1, kFruit, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    CGridKeyboard::Type("b");
    m_w.Capture();
    CGridKeyboard::Type("a");
    EXPECT_STREQ(EditText(), "Banana");
    ASSERT_TRUE(Combo()->GetModify());
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(Combo()->GetModify());
    EXPECT_STREQ(EditText(), "Apple");
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
}

TEST_F(TabbedCombo, AListThatFitsUnderTheCellOnlyWithoutItsHeaderOpensAboveIt)
{
    SetTable(1, kFruit, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    auto open = [&]() {
        m_w.Capture();
        ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        CGridKeyboard::Dispatch();
    };
    // Opened where there is room: the header under the cell and the list under it.
    open();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    ASSERT_NE(pCombo->GetHeader(), nullptr);
    CRect rectPopup, rectHeader;
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    pCombo->GetHeader()->GetWindowRect(&rectHeader);
    ASSERT_EQ(rectPopup.top, rectHeader.bottom);
    const int nList = rectPopup.Height(), nHeader = rectHeader.Height();
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    ASSERT_FALSE(pCombo->IsDropDownVisible());
    // The grid's window moved so that under the cell there is room for the list and half
    // the header.
    CRect rectDesk, rectTop;
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    CWnd* pTop = grid().GetParent();
    pTop->GetWindowRect(&rectTop);
    const int dy = (rectDesk.bottom - nList - nHeader / 2) - ScreenCell(1, 1).bottom;
    pTop->SetWindowPos(nullptr, rectTop.left, rectTop.top + dy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CGridKeyboard::Dispatch();
    const CRect rectCell = ScreenCell(1, 1);
    ASSERT_LE(rectCell.bottom + nList, rectDesk.bottom) << "the list alone fits under the cell";
    open();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    pCombo->GetHeader()->GetWindowRect(&rectHeader);
    EXPECT_EQ(rectPopup.Height(), nList);
    EXPECT_EQ(rectPopup.bottom, rectCell.top) << "the list right above the cell";
    EXPECT_EQ(rectHeader.bottom, rectPopup.top) << "the header right above the list";
    EXPECT_LE(rectPopup.bottom, rectDesk.bottom);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
}

TEST_F(TabbedCombo, AListWiderThanTheCellNearTheDesktopsRightEdgeEndsWithTheCell)
{
    SetTable(1, kFruit, "1");
    grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                         CGXStyle().SetUserAttribute(GX_IDS_UA_TABLIST_COLWIDTHS, "100 100"),
                         gxOverride);
    // The grid's window moved so that cell (1, 1) ends 30 pixels left of the desktop's edge.
    CRect rectDesk, rectTop;
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    CWnd* pTop = grid().GetParent();
    pTop->GetWindowRect(&rectTop);
    pTop->SetWindowPos(nullptr, rectTop.left + (rectDesk.right - 30) - ScreenCell(1, 1).right,
                       rectTop.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    m_w.Capture();
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    const CRect rectCell = ScreenCell(1, 1);
    CRect rectPopup, rectHeader;
    pCombo->GetDropDownWnd()->GetWindowRect(&rectPopup);
    EXPECT_GE(rectPopup.Width(), 200) << "as wide as its columns";
    EXPECT_EQ(rectPopup.right, rectCell.right) << "moved left onto the desktop";
    ASSERT_NE(pCombo->GetHeader(), nullptr);
    pCombo->GetHeader()->GetWindowRect(&rectHeader);
    EXPECT_EQ(rectHeader.left, rectPopup.left);
    EXPECT_EQ(rectHeader.right, rectPopup.right);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->IsDropDownVisible());
}

TEST_F(TabbedCombo, ColumnWidthsAndTheOneTimeSortComeFromTheAttributes)
{
    struct Case
    {
        const char* pszText;
        std::vector<int> widths;
    } const cases[] = {
        {"40,,60", {40, 60}},
        {"", {}},
        {" 7 x 8;9", {7, 8, 9}},
        {"abc", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GXParseColumnWidths(c.pszText), c.widths) << c.pszText;

    grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                         CGXStyle()
                             .SetControl(52541)
                             .SetChoiceList("Code\tName\n3\tCherry\n1\tApple\n2\tBanana")
                             .SetValue("2")
                             .SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1")
                             .SetUserAttribute(GX_IDS_UA_TABLIST_TITLE, "1")
                             .SetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL, "1")
                             .SetUserAttribute(GX_IDS_UA_TABLIST_COLWIDTHS, "40,,60"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    const CGXStyle& style = grid().GetCachedCellStyle(1, 1);
    CString strList = style.GetChoiceList(), strLine;
    GXExtractLine(strList, strLine);
    EXPECT_STREQ(strLine, "Code\tName");
    GXExtractLine(strList, strLine);
    EXPECT_STREQ(strLine, "1\tApple");
    EXPECT_STREQ(style.GetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL).GetValue(), "-1");
    m_w.Capture();
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    CGXTabbedComboBox* pCombo = Combo();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    ASSERT_GE(pCombo->GetColumnRights().size(), 2u);
    EXPECT_EQ(pCombo->GetColumnRights()[0], 40);
    EXPECT_EQ(pCombo->GetColumnRights()[1], 100);
    EXPECT_EQ(pCombo->GetListBox()->GetCurSel(), 1) << "Banana, after sorting";
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}

TEST_F(TabbedCombo, LongDisplayTextsAreComparedWhole)
{
    // Two rows whose display texts share their first 200 characters.
    const CString strCommon(std::string(200, 'x').c_str());
    const CString strChoices = "Code\tName\n7\t" + strCommon + "A\n8\t" + strCommon + "B";
    SetTable(1, strChoices, "8");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_STREQ(EditText(), strCommon + "B");
    m_w.Capture();
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(Combo()->IsDropDownVisible());
    CGridKeyboard::Press(VK_UP);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(EditText(), strCommon + "A") << "the whole text is taken";
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "7");
    EXPECT_TRUE(grid().SetControlTextRowCol(1, 1, strCommon + "b"));
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "8");
}

TEST_F(TabbedCombo, PicturesInTheTableAreMeasuredAndDrawn)
{
    grid().SetRowHeight(1, 2, 60);
    SetTable(1, kPictureTable, "2");
    SetTable(2, kPictureTable, "2");
    grid().SetStyleRange(CGXRange(2, 1, 2, 1),
                         CGXStyle()
                             .SetInterior(RGB(255, 255, 255))
                             .SetHorizontalAlignment(DT_RIGHT)
                             .SetVerticalAlignment(DT_BOTTOM),
                         gxOverride);
    GXExpectPictureMeasured(grid(), 1, 1);
    // An inactive cell draws the picture by the style's alignment.
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    m_w.Capture();
    const CRect rect = grid().GetSpannedCellRect(2, 1);
    EXPECT_EQ(m_w.Pixel(rect.right - 24, rect.bottom - 6), kPictureRed);
    EXPECT_NE(m_w.Pixel(rect.left + 20, rect.bottom - 6), kPictureRed);
    EXPECT_NE(m_w.Pixel(rect.right - 24, rect.top + 6), kPictureRed);
    // In the list the picture's row is as high as the picture, and the picture is drawn in
    // its column.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    m_w.Capture();
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    CGridKeyboard::Dispatch();
    CGXTabbedComboBox* pCombo = Combo();
    ASSERT_TRUE(pCombo->IsDropDownVisible());
    CListBox* pList = pCombo->GetListBox();
    ASSERT_EQ(pList->GetCount(), 2);
    EXPECT_EQ(pList->GetItemHeight(1), kPictureHeight);
    EXPECT_LT(pList->GetItemHeight(0), kPictureHeight);
    CRect rectRow;
    pList->GetItemRect(1, &rectRow);
    ASSERT_FALSE(pCombo->GetColumnRights().empty());
    const int xName = rectRow.left + pCombo->GetColumnRights()[0];
    pList->UpdateWindow();
    CClientDC dc(pList);
    EXPECT_EQ(dc.GetPixel(xName + 10, rectRow.top + 20) & 0xFFFFFF, kPictureRed);
    EXPECT_NE(dc.GetPixel(xName - 10, rectRow.top + 20) & 0xFFFFFF, kPictureRed);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}
