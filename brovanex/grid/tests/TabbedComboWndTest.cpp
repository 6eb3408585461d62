// Windowed tabbed combo cells in a grid window driven by real messages: the cell and the
// combo show the display column of the row whose key is the value, a click in the dropped
// list or a key choice stores the row's key, typing completes from the display column, Esc
// puts the old value back, and text set into the edit keeps only its first field however
// long it is. The dropped list draws its rows' columns side by side, is widened to them and
// has the title header against it; the cell's button opens it; a read-only cell's combo is
// disabled but its edit is not; pictures named in the table are measured and drawn.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "TabbedComboTestSupport.h"
#include "controls/GXTabbedComboBoxWnd.h"
#include "core/GXChoiceList.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
const char* const kFruit = "Code\tName\n1\tApple\n2\tBanana\n3\tCherry";
const char* const kColours =
    "Code\tName\tColour\n1\tApple\tRed\n2\tBanana\tYellow\n3\tCherry\tDark red";
const COLORREF kGrey = RGB(192, 192, 192);

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
    void SetTable(ROWCOL nRow, WORD nId, const char* pszValue, const char* pszChoices = kFruit)
    {
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                             CGXStyle()
                                 .SetControl(nId)
                                 .SetChoiceList(pszChoices)
                                 .SetValue(pszValue)
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, "0")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TITLE, "1"));
    }
    // The three-column table in row 1 on white, its columns 30, 90 and 90 pixels wide.
    void SetColourTable(WORD nId, const char* pszValue)
    {
        SetTable(1, nId, pszValue, kColours);
        grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                             CGXStyle()
                                 .SetInterior(RGB(255, 255, 255))
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_COLWIDTHS, "30 90 90"),
                             gxOverride);
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
    static void Click(HWND hWnd, CPoint point)
    {
        const LPARAM lPoint = MAKELPARAM(point.x, point.y);
        ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
    }
    static HWND DropList(CGXTabbedComboBoxWnd* pCombo)
    {
        COMBOBOXINFO info = {sizeof(info)};
        return ::GetComboBoxInfo(pCombo->m_hWnd, &info) ? info.hwndList : nullptr;
    }
    // Opens the current cell's list with Alt+Down: its window, null when it did not drop.
    HWND OpenList(CGXTabbedComboBoxWnd* pCombo)
    {
        m_w.Capture();
        AltDown();
        if (!pCombo->GetDroppedState())
            return nullptr;
        CGridKeyboard::Dispatch();
        return DropList(pCombo);
    }
    static CRect ScreenRect(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        return rect;
    }
    // A pixel of a window as it is painted now.
    static COLORREF WindowPixel(HWND hWnd, int x, int y)
    {
        ::UpdateWindow(hWnd);
        HDC hDC = ::GetDC(hWnd);
        const COLORREF cr = ::GetPixel(hDC, x, y) & 0xFFFFFF;
        ::ReleaseDC(hWnd, hDC);
        return cr;
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

TEST_F(TabbedComboWnd, TheDroppedListDrawsTheColumnsUnderItsHeaderAndKeysChoose)
{
    SetColourTable(52539, "2");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->GetStyle() & (CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS),
              DWORD(CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS));
    EXPECT_EQ(pCombo->GetColumnRights(), (std::vector<int> {30, 120, 210}));
    EXPECT_EQ(pCombo->GetTotalWidth(), 210 + ::GetSystemMetrics(SM_CXVSCROLL));
    // Each row was measured: a line of the cell's font.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pCombo->GetItemHeight(i), pCombo->RowHeight(i)) << i;
        EXPECT_GE(pCombo->GetItemHeight(i), 10) << i;
    }
    const HWND hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    ::UpdateWindow(hList);
    const CRect rectField = ScreenRect(pCombo->m_hWnd);
    const CRect rectList = ScreenRect(hList);
    // Wider than the cell: as wide as the columns, from the field's left edge.
    EXPECT_EQ(rectList.Width(), pCombo->GetTotalWidth());
    EXPECT_EQ(rectList.left, rectField.left);
    // The header right under the field, the list right under the header.
    CGXTabbedLBoxHeader* pHeader = pCombo->GetHeader();
    ASSERT_NE(pHeader, nullptr);
    ASSERT_TRUE(pHeader->IsWindowVisible());
    const CRect rectHeader = ScreenRect(pHeader->m_hWnd);
    EXPECT_EQ(rectHeader.bottom, rectList.top);
    EXPECT_EQ(rectHeader.left, rectList.left);
    EXPECT_EQ(rectHeader.Width(), rectList.Width());
    EXPECT_EQ(rectHeader.top, rectField.bottom);
    EXPECT_STREQ(GXGetTabbedItem(pHeader->GetTitles(), 2), "Name");
    // Owner-drawn rows: a grey separator 2 pixels left of each column's right edge, in the
    // plain rows and in the chosen one, with the row's background beside it.
    CRect rectRow0, rectRow1;
    ASSERT_NE(::SendMessageA(hList, LB_GETITEMRECT, 0, (LPARAM)&rectRow0), LB_ERR);
    ASSERT_NE(::SendMessageA(hList, LB_GETITEMRECT, 1, (LPARAM)&rectRow1), LB_ERR);
    const int yRow0 = rectRow0.top + 1, yRow1 = rectRow1.top + 1;
    for (int nRight : {30, 120}) {
        EXPECT_EQ(WindowPixel(hList, rectRow0.left + nRight - 2, yRow0), kGrey) << nRight;
        EXPECT_EQ(WindowPixel(hList, rectRow1.left + nRight - 2, yRow1), kGrey) << nRight;
        EXPECT_EQ(WindowPixel(hList, rectRow0.left + nRight - 4, yRow0), RGB(255, 255, 255));
    }
    EXPECT_EQ(WindowPixel(hList, rectRow1.left + 24, yRow1),
              ::GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF)
        << "the chosen row in the highlight colour";
    // A moved list is placed again, once.
    ::SetWindowPos(hList, nullptr, rectList.left + 7, rectList.top, 50, rectList.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hList, nullptr, TRUE);
    ::UpdateWindow(hList);
    EXPECT_EQ(ScreenRect(hList), rectList);
    // Keys choose: the next row, Enter closes the list (the header goes with it) and stores.
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(pHeader->IsWindowVisible());
    CString strText;
    ASSERT_TRUE(pCombo->GetEditText(strText));
    EXPECT_STREQ(strText, "Cherry");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "3");
    EXPECT_STREQ(Shown(1), "Cherry");
}

TEST_F(TabbedComboWnd, TheSelectionFieldShowsOnlyTheChosenRowsFirstField)
{
    SetColourTable(52540, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    CString strText;
    ASSERT_TRUE(grid().GetCurrentCellControl()->GetValue(strText));
    EXPECT_STREQ(strText, "1");
    // The field and a list row drawn into a bitmap: the row has its separators, the field
    // (its item flagged as the combo's edit) has none.
    CClientDC dcScreen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcScreen, 240, 20);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    for (BOOL bField : {FALSE, TRUE}) {
        SCOPED_TRACE(bField);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = 0;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = bField ? ODS_COMBOBOXEDIT : 0;
        dis.hDC = dc.GetSafeHdc();
        dis.rcItem = CRect(0, 0, 240, 20);
        pCombo->DrawItem(&dis);
        EXPECT_EQ(dc.GetPixel(28, 1) & 0xFFFFFF, bField ? RGB(255, 255, 255) : kGrey);
        EXPECT_EQ(dc.GetPixel(118, 1) & 0xFFFFFF, bField ? RGB(255, 255, 255) : kGrey);
    }
    dc.SelectObject(pOld);
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
}

TEST_F(TabbedComboWnd, TheButtonOpensTheListAndEscGivesTheFocusBack)
{
    SetTable(1, 52540, "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    m_w.Capture();
    ASSERT_FALSE(pCombo->IsActive());
    const CRect rectButton = pCombo->GetButton()->GetRect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    Click(grid().m_hWnd, rectButton.CenterPoint());
    EXPECT_TRUE(pCombo->IsActive());
    ASSERT_TRUE(pCombo->GetDroppedState());
    ASSERT_NE(pCombo->GetHeader(), nullptr);
    EXPECT_TRUE(pCombo->GetHeader()->IsWindowVisible());
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B); // closes the list
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(pCombo->GetHeader()->IsWindowVisible());
    EXPECT_TRUE(pCombo->GetModify());
    CGridKeyboard::Press(VK_ESCAPE, 0x1B); // drops the change
    EXPECT_FALSE(pCombo->GetModify());
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    EXPECT_EQ(::GetFocus(), grid().m_hWnd);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
}

TEST_F(TabbedComboWnd, AReadOnlyCellDisablesTheComboButNotItsEdit)
{
    SetTable(1, 52539, "2");
    SetTable(2, 52539, "2");
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetReadOnly(TRUE), gxOverride);
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(pCombo->IsActive());
    ASSERT_TRUE(pCombo->IsWindowVisible());
    EXPECT_FALSE(pCombo->IsWindowEnabled());
    CEdit* pEdit = pCombo->GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_TRUE(pEdit->IsWindowEnabled());
    EXPECT_NE(pEdit->GetStyle() & ES_READONLY, 0u);
    EXPECT_EQ(::GetFocus(), grid().m_hWnd) << "a disabled combo keeps no focus: the grid has it";
    CGridKeyboard::Type("c");
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "Banana");
    EXPECT_TRUE(pCombo->IsActive());
    // The next cell is not read-only: its combo is enabled again.
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(pCombo->IsActive());
    EXPECT_TRUE(pCombo->IsWindowEnabled());
    EXPECT_EQ(pEdit->GetStyle() & ES_READONLY, 0u);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    ASSERT_TRUE(grid().SetCurrentCell(3, 2));
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "2");
}

TEST_F(TabbedComboWnd, PicturesInTheTableAreMeasuredAndDrawn)
{
    struct Case
    {
        ROWCOL nRow;
        UINT nHorz, nVert;
    } const cases[] = {{2, DT_RIGHT, DT_BOTTOM}, {3, DT_LEFT, DT_TOP}};
    grid().SetRowHeight(1, 3, 60);
    for (ROWCOL nRow = 1; nRow <= 3; ++nRow)
        SetTable(nRow, 52539, "2", kPictureTable);
    for (const Case& c : cases)
        grid().SetStyleRange(CGXRange(c.nRow, 1, c.nRow, 1),
                             CGXStyle()
                                 .SetInterior(RGB(255, 255, 255))
                                 .SetHorizontalAlignment(c.nHorz)
                                 .SetVerticalAlignment(c.nVert),
                             gxOverride);
    EXPECT_STREQ(Shown(2), kTabbedPicture);
    GXExpectPictureMeasured(grid(), 1, 1);
    // Inactive cells draw the picture by the style's alignment.
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    m_w.Capture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nRow);
        const CRect rect = grid().GetSpannedCellRect(c.nRow, 1);
        // A point inside the picture, and the same point moved to the other side across and
        // down the cell.
        const BOOL bRight = c.nHorz == DT_RIGHT;
        const int xIn = bRight ? rect.right - 24 : rect.left + 20;
        const int xOut = bRight ? rect.left + 20 : rect.right - 24;
        const int yIn = bRight ? rect.bottom - 6 : rect.top + 6;
        const int yOut = bRight ? rect.top + 6 : rect.bottom - 6;
        EXPECT_EQ(m_w.Pixel(xIn, yIn), kPictureRed);
        EXPECT_NE(m_w.Pixel(xOut, yIn), kPictureRed);
        EXPECT_NE(m_w.Pixel(xIn, yOut), kPictureRed);
    }
    // In the list the picture's row is as high as the picture, and the picture is drawn in
    // its column.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->GetItemHeight(1), kPictureHeight);
    EXPECT_LT(pCombo->GetItemHeight(0), kPictureHeight);
    const HWND hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    CRect rectRow;
    ASSERT_NE(::SendMessageA(hList, LB_GETITEMRECT, 1, (LPARAM)&rectRow), LB_ERR);
    ASSERT_FALSE(pCombo->GetColumnRights().empty());
    const int xName = rectRow.left + pCombo->GetColumnRights()[0];
    EXPECT_EQ(WindowPixel(hList, xName + 10, rectRow.top + 20), kPictureRed);
    EXPECT_NE(WindowPixel(hList, xName - 10, rectRow.top + 20), kPictureRed);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}

TEST_F(TabbedComboWnd, NearTheDesktopsCornerTheListStaysOnItWithTheHeaderAbove)
{
    SetColourTable(52539, "2");
    CRect rectDesk;
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    // The grid's window moved so that cell (1, 1) ends 30 pixels left of the desktop's right
    // edge and 20 pixels above its bottom.
    CWnd* pTop = grid().GetParent();
    CRect rectCell = grid().GetSpannedCellRect(1, 1), rectTop;
    grid().ClientToScreen(&rectCell);
    pTop->GetWindowRect(&rectTop);
    pTop->SetWindowPos(nullptr, rectTop.left + (rectDesk.right - 30) - rectCell.right,
                       rectTop.top + (rectDesk.bottom - 20) - rectCell.bottom, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    const HWND hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    ::UpdateWindow(hList);
    const CRect rectField = ScreenRect(pCombo->m_hWnd);
    const CRect rectList = ScreenRect(hList);
    ASSERT_GT(pCombo->GetTotalWidth(), rectField.Width());
    EXPECT_EQ(rectList.Width(), pCombo->GetTotalWidth());
    EXPECT_EQ(rectList.right, rectField.right) << "moved left onto the desktop";
    EXPECT_LE(rectList.bottom, rectField.top) << "above the field";
    ASSERT_NE(pCombo->GetHeader(), nullptr);
    ASSERT_TRUE(pCombo->GetHeader()->IsWindowVisible());
    const CRect rectHeader = ScreenRect(pCombo->GetHeader()->m_hWnd);
    EXPECT_EQ(rectHeader.bottom, rectList.top) << "the header right above the list";
    EXPECT_EQ(rectHeader.right, rectList.right);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->GetHeader()->IsWindowVisible());
}

TEST_F(TabbedComboWnd, AHeaderTitleNamingAPictureShowsItAndOnlyTenColumnsGetWidths)
{
    // Twelve fields a line: the title's second field names the picture.
    CString strTitle = "Code\t", strRow = "1\t";
    strTitle += kTabbedPicture;
    strRow += "Apple";
    for (int i = 2; i < 12; ++i) {
        strTitle += "\tT";
        strRow += "\tf";
    }
    SetTable(1, 52539, "1", strTitle + "\n" + strRow);
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    ASSERT_EQ(pCombo->GetColumnRights().size(), 10u);
    EXPECT_GE(pCombo->GetColumnRights()[1] - pCombo->GetColumnRights()[0], kPictureWidth + 4);
    const HWND hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    ::UpdateWindow(hList);
    CGXTabbedLBoxHeader* pHeader = pCombo->GetHeader();
    ASSERT_NE(pHeader, nullptr);
    ASSERT_TRUE(pHeader->IsWindowVisible());
    CRect rectHeader;
    pHeader->GetClientRect(&rectHeader);
    EXPECT_EQ(rectHeader.Height(), kPictureHeight + 4);
    const int xPicture = pCombo->GetColumnRights()[0] + 10;
    EXPECT_EQ(WindowPixel(pHeader->m_hWnd, xPicture, rectHeader.Height() / 2), kPictureRed);
    EXPECT_NE(WindowPixel(pHeader->m_hWnd, xPicture - 20, rectHeader.Height() / 2), kPictureRed);
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}

TEST_F(TabbedComboWnd, AListThatFitsUnderTheCellOnlyWithoutItsHeaderOpensAboveIt)
{
    SetColourTable(52539, "2");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXTabbedComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    // Opened where there is room: the header under the field and the list under it.
    HWND hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    ::UpdateWindow(hList);
    CRect rectField = ScreenRect(pCombo->m_hWnd);
    CRect rectList = ScreenRect(hList);
    ASSERT_NE(pCombo->GetHeader(), nullptr);
    CRect rectHeader = ScreenRect(pCombo->GetHeader()->m_hWnd);
    ASSERT_EQ(rectHeader.top, rectField.bottom);
    ASSERT_EQ(rectList.top, rectHeader.bottom);
    const int nList = rectList.Height(), nHeader = rectHeader.Height();
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    ASSERT_FALSE(pCombo->GetDroppedState());
    // The grid's window moved so that under the field there is room for the list and half
    // the header.
    CRect rectDesk, rectTop;
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    CWnd* pTop = grid().GetParent();
    pTop->GetWindowRect(&rectTop);
    const int dy = (rectDesk.bottom - nList - nHeader / 2) - rectField.bottom;
    pTop->SetWindowPos(nullptr, rectTop.left, rectTop.top + dy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CGridKeyboard::Dispatch();
    hList = OpenList(pCombo);
    ASSERT_NE(hList, nullptr);
    ::UpdateWindow(hList);
    rectField = ScreenRect(pCombo->m_hWnd);
    ASSERT_LE(rectField.bottom + nList, rectDesk.bottom) << "the list alone fits under the field";
    ASSERT_GT(rectField.bottom + nHeader + nList, rectDesk.bottom);
    rectList = ScreenRect(hList);
    EXPECT_EQ(rectList.Height(), nList);
    EXPECT_EQ(rectList.bottom, rectField.top) << "the list right above the field";
    ASSERT_TRUE(pCombo->GetHeader()->IsWindowVisible());
    rectHeader = ScreenRect(pCombo->GetHeader()->m_hWnd);
    EXPECT_EQ(rectHeader.bottom, rectList.top) << "the header right above the list";
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(pCombo->GetHeader()->IsWindowVisible());
}
