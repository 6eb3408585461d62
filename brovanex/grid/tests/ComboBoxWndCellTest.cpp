// Windowed combo cells in a grid window driven by real messages: the cell's button and
// Alt+Down drop the combo's list, keys and clicks in the list choose, index cells store the
// index plus their base; Delete empties a pick-only cell unless it is read-only or the grid
// vetoes it; the arrow keys leave an editable cell only at the ends of its text; an owner-drawn
// combo draws the entry its value names in the other cells through its own DrawItem.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXComboBoxWnd.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
const char* const kColours = "Red\nGreen\nBlue";

// A grid that can veto deleting a cell.
class CDeleteVetoGrid : public CGXGridWnd
{
public:
    BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol) override
    {
        return !m_bVeto && CGXGridWnd::OnDeleteCell(nRow, nCol);
    }
    BOOL m_bVeto = FALSE;
};

// An owner-drawn combo (no strings) that records what it is asked to draw and paints the
// item's rectangle in a colour of its own.
class CRecordingCombo : public CGXComboBoxWnd
{
public:
    explicit CRecordingCombo(CGXGridCore* pGrid) : CGXComboBoxWnd(pGrid) { }
    void DrawItem(LPDRAWITEMSTRUCT pDis) override
    {
        m_records.push_back(*pDis);
        if (m_bDataIsText)
            m_texts.push_back(reinterpret_cast<LPCSTR>(pDis->itemData));
        ::SetBkColor(pDis->hDC, kPaint);
        ::ExtTextOutA(pDis->hDC, 0, 0, ETO_OPAQUE, &pDis->rcItem, nullptr, 0, nullptr);
    }
    static constexpr COLORREF kPaint = RGB(0, 128, 64);
    std::vector<DRAWITEMSTRUCT> m_records;
    BOOL m_bDataIsText = FALSE; // the entries' data is text: read at each call
    std::vector<CString> m_texts;
};

class ComboBoxWndCell : public ::testing::Test
{
protected:
    ComboBoxWndCell() : m_w((GXTestStartLibrary(), 6), 3, 640, 480, new CDeleteVetoGrid)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~ComboBoxWndCell() override { CGridKeyboard::Dispatch(); }
    CDeleteVetoGrid& grid() { return static_cast<CDeleteVetoGrid&>(m_w.Grid()); }
    void SetCombo(ROWCOL nRow, ROWCOL nCol, WORD nId, const char* pszValue)
    {
        grid().SetStyleRange(CGXRange(nRow, nCol, nRow, nCol),
                             CGXStyle().SetControl(nId).SetChoiceList(kColours).SetValue(pszValue));
    }
    CGXComboBoxWnd* Combo()
    {
        return dynamic_cast<CGXComboBoxWnd*>(grid().GetCurrentCellControl());
    }
    static void Click(HWND hWnd, CPoint point)
    {
        const LPARAM lPoint = MAKELPARAM(point.x, point.y);
        ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
        CGridKeyboard::Dispatch();
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

TEST_F(ComboBoxWndCell, ButtonDropsThePickOnlyListAndKeysChoose)
{
    SetCombo(1, 1, 52529, "Green");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    EXPECT_TRUE(pCombo->IsPickOnly());
    m_w.Capture();
    const CRect rectButton = pCombo->GetButton()->GetRect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    Click(grid().m_hWnd, rectButton.CenterPoint());
    EXPECT_TRUE(pCombo->IsActive());
    ASSERT_TRUE(pCombo->IsWindowVisible());
    ASSERT_TRUE(pCombo->GetDroppedState());
    EXPECT_TRUE(grid().m_bDropDownCell);
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ(pCombo->GetCurSel(), 2);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(grid().m_bDropDownCell);
    EXPECT_TRUE(pCombo->GetModify());
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Blue");
}

TEST_F(ComboBoxWndCell, AClickInTheDroppedListStoresTheIndexPlusTheBase)
{
    SetCombo(1, 1, 52528, "2");
    CGXComboBoxWnd* pCombo = dynamic_cast<CGXComboBoxWnd*>(grid().GetControl(1, 1));
    ASSERT_NE(pCombo, nullptr);
    pCombo->m_nIndexValue = 1;
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_EQ(pCombo->GetCurSel(), 1) << "value 2 of base 1 is the second entry";
    m_w.Capture();
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    COMBOBOXINFO info = {sizeof(info)};
    ASSERT_TRUE(::GetComboBoxInfo(pCombo->m_hWnd, &info));
    CRect rectItem;
    ASSERT_NE(::SendMessageA(info.hwndList, LB_GETITEMRECT, 0, (LPARAM)&rectItem), LB_ERR);
    Click(info.hwndList, rectItem.CenterPoint());
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1");
    pCombo->m_nIndexValue = -1;
}

TEST_F(ComboBoxWndCell, DeleteEmptiesAPickOnlyCellUnlessReadOnlyOrVetoed)
{
    SetCombo(1, 1, 52529, "Green");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBoxWnd* pCombo = Combo();
    m_w.Capture();
    AltDown(); // activates the cell: the keys go to the combo window
    ASSERT_TRUE(pCombo->GetDroppedState());
    CGridKeyboard::Press(VK_RETURN, '\r'); // closes the list
    ASSERT_TRUE(pCombo->IsActive());
    ASSERT_EQ(::GetFocus(), pCombo->m_hWnd);
    // The grid vetoes deleting: nothing changes.
    grid().m_bVeto = TRUE;
    CGridKeyboard::Press(VK_DELETE, 0, pCombo->m_hWnd);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Green");
    grid().m_bVeto = FALSE;
    // A read-only cell keeps its value.
    grid().GetParam()->m_bStoreGuard = TRUE;
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetReadOnly(TRUE), gxApplyNew);
    pCombo->FreeStyle(FALSE);
    CGridKeyboard::Press(VK_DELETE, 0, pCombo->m_hWnd);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Green");
    grid().GetParam()->m_bStoreGuard = FALSE;
    pCombo->FreeStyle(FALSE);
    CGridKeyboard::Press(VK_DELETE, 0, pCombo->m_hWnd);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "");
    EXPECT_FALSE(pCombo->IsActive());
}

TEST_F(ComboBoxWndCell, EscPutsTheStoredValueBack)
{
    struct Case
    {
        WORD nId;
        const char* pszTyped; // null: Down in the dropped list instead
    } const cases[] = {{52529, nullptr}, {52528, "Re"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nId);
        SetCombo(1, 1, c.nId, "Green");
        ASSERT_TRUE(grid().SetCurrentCell(1, 1));
        CGXComboBoxWnd* pCombo = Combo();
        ASSERT_NE(pCombo, nullptr);
        m_w.Capture();
        if (c.pszTyped == nullptr) {
            AltDown();
            ASSERT_TRUE(pCombo->GetDroppedState());
            CGridKeyboard::Press(VK_DOWN);
            CGridKeyboard::Press(VK_RETURN, '\r'); // closes the list
            ASSERT_FALSE(pCombo->GetDroppedState());
            EXPECT_EQ(pCombo->GetCurSel(), 2);
        } else {
            CGridKeyboard::Type(c.pszTyped);
        }
        ASSERT_TRUE(pCombo->IsActive());
        ASSERT_TRUE(pCombo->GetModify());
        CGridKeyboard::Press(VK_ESCAPE, 0x1B);
        EXPECT_FALSE(pCombo->GetModify());
        CString strValue;
        ASSERT_TRUE(pCombo->GetValue(strValue));
        EXPECT_STREQ(strValue, "Green");
        EXPECT_EQ(pCombo->GetCurSel(), 1);
        EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Green");
        ASSERT_TRUE(grid().SetCurrentCell(2, 2));
        EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Green");
    }
}

TEST_F(ComboBoxWndCell, TypingInAPickOnlyCellStepsThroughTheEntriesItBegins)
{
    grid().SetStyleRange(
        CGXRange(1, 1, 1, 1),
        CGXStyle().SetControl(52529).SetChoiceList("Red\nBlue\nBrown\nGreen").SetValue("Red"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBoxWnd* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    m_w.Capture();
    struct Step
    {
        const char* pszTyped;
        int nSel;
    } const steps[] = {{"b", 1}, {"b", 2}, {"b", 1}, {"g", 3}, {"x", 3}, {"R", 0}};
    for (const Step& step : steps) {
        CGridKeyboard::Type(step.pszTyped);
        EXPECT_EQ(pCombo->GetCurSel(), step.nSel) << step.pszTyped;
    }
    CGridKeyboard::Type("b");
    ASSERT_TRUE(pCombo->IsActive());
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Blue");
}

TEST_F(ComboBoxWndCell, ArrowsLeaveAnEditableCellOnlyAtTheEndsOfItsText)
{
    SetCombo(1, 1, 52528, "Green");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBoxWnd* pCombo = Combo();
    m_w.Capture();
    CGridKeyboard::Type("Re");
    ASSERT_TRUE(pCombo->IsActive());
    m_w.Capture();
    CEdit* pEdit = pCombo->GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    ASSERT_EQ(::GetFocus(), pEdit->m_hWnd);
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "Re");
    // In the middle the caret moves; Delete deletes a character.
    CGridKeyboard::Press(VK_LEFT);
    CGridKeyboard::Press(VK_DELETE);
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "R");
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nCol, 1u);
    // At the end, Right moves to the next cell and the text is stored.
    CGridKeyboard::Press(VK_RIGHT);
    ASSERT_TRUE(grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nCol, 2u);
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "R");
}

TEST_F(ComboBoxWndCell, AnOwnerDrawnComboDrawsTheEntryOfTheValueThroughDrawItem)
{
    const WORD kOwnerDrawn = 30001;
    auto* pCombo = new CRecordingCombo(&grid());
    ASSERT_TRUE(
        pCombo->CreateControl(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, kOwnerDrawn));
    EXPECT_FALSE(pCombo->m_bHasStrings);
    pCombo->m_bFillWithChoiceList = FALSE;
    pCombo->m_bDrawButtonAlways = TRUE;
    grid().RegisterControl(kOwnerDrawn, pCombo, FALSE, FALSE);
    for (LPARAM lData = 0x1000; lData < 0x1003; ++lData)
        ASSERT_NE(pCombo->SendMessage(CB_ADDSTRING, 0, lData), CB_ERR);
    ASSERT_TRUE(grid().SetCurrentCell(6, 3)); // away from the cells drawn
    // The value is the entry's index, plus the base with one; empty, or past the entries: none.
    const struct
    {
        const char* pszValue;
        int nIndexValue;
        int nEntry; // -1: nothing drawn
    } cases[] = {{"0", -1, 0}, {"2", -1, 2}, {"2", 0, 2},   {"2", 1, 1}, {"1", 1, 0},
                 {"", -1, -1}, {"", 1, -1},  {"3", -1, -1}, {"0", 1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "value \"" << c.pszValue << "\" base " << c.nIndexValue);
        pCombo->m_nIndexValue = c.nIndexValue;
        grid().SetStyleRange(CGXRange(2, 2, 2, 2),
                             CGXStyle().SetControl(kOwnerDrawn).SetValue(c.pszValue));
        pCombo->m_records.clear();
        m_w.Capture();
        const CRect rectCell = grid().CalcRectFromRowColEx(2, 2);
        if (c.nEntry < 0) {
            EXPECT_TRUE(pCombo->m_records.empty());
            continue;
        }
        ASSERT_EQ(pCombo->m_records.size(), 1u);
        const DRAWITEMSTRUCT& dis = pCombo->m_records[0];
        EXPECT_EQ(dis.CtlType, (UINT)ODT_COMBOBOX);
        EXPECT_EQ(dis.CtlID, (UINT)kOwnerDrawn);
        EXPECT_EQ(dis.itemAction, (UINT)ODA_DRAWENTIRE);
        EXPECT_EQ(dis.itemID, (UINT)c.nEntry);
        EXPECT_EQ(dis.itemData, (ULONG_PTR)(0x1000 + c.nEntry));
        EXPECT_EQ(dis.hwndItem, pCombo->m_hWnd);
        EXPECT_NE(dis.hDC, nullptr);
        // The text rectangle: the cell less the button's room on the right.
        const CRect rectItem(dis.rcItem);
        EXPECT_EQ(CRect(pCombo->GetCellRect(2, 2, &rectCell)), rectItem);
        EXPECT_LE(rectItem.right, rectCell.right - 15);
        EXPECT_GE(rectItem.left, rectCell.left);
        // What DrawItem painted is what the cell shows.
        EXPECT_EQ(m_w.Pixel(rectItem.CenterPoint().x, rectItem.CenterPoint().y),
                  CRecordingCombo::kPaint);
    }
    pCombo->m_nIndexValue = -1;
}

TEST_F(ComboBoxWndCell, AnOwnerDrawnComboFilledFromTheChoiceListKeepsTheLinesItsEntriesPointAt)
{
    const WORD kOwnerDrawn = 30002;
    auto* pCombo = new CRecordingCombo(&grid());
    ASSERT_TRUE(
        pCombo->CreateControl(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, kOwnerDrawn));
    ASSERT_TRUE(pCombo->m_bFillWithChoiceList);
    pCombo->m_bDataIsText = TRUE;
    grid().RegisterControl(kOwnerDrawn, pCombo, FALSE, FALSE);
    const char* apszValues[] = {"0", "2", "1"};
    for (ROWCOL r = 1; r <= 3; ++r)
        grid().SetStyleRange(CGXRange(r, 2, r, 2),
                             CGXStyle()
                                 .SetControl(kOwnerDrawn)
                                 .SetChoiceList("alpha\nbeta\ngamma")
                                 .SetValue(apszValues[r - 1]));
    ASSERT_TRUE(grid().SetCurrentCell(1, 2)); // fills the list from the choice list
    ASSERT_EQ(pCombo->CComboBox::GetCount(), 3);
    pCombo->m_records.clear();
    m_w.Capture();
    ASSERT_EQ(pCombo->m_records.size(), 3u);
    const char* apszLines[] = {"alpha", "beta", "gamma"};
    for (size_t i = 0; i < pCombo->m_records.size(); ++i) {
        const UINT nEntry = pCombo->m_records[i].itemID;
        ASSERT_LT(nEntry, 3u);
        EXPECT_STREQ(pCombo->m_texts[i], apszLines[nEntry]);
    }
}

TEST_F(ComboBoxWndCell, CutCopyAndPasteWorkOnTheSelectionOfAnEditedCombo)
{
    SetCombo(1, 1, 52528, "Green");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXComboBoxWnd* pCombo = Combo();
    pCombo->SetActive(TRUE);
    CEdit* pEdit = pCombo->GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    auto text = [&] {
        CString str;
        pEdit->GetWindowText(str);
        return str;
    };
    auto clipboard = [&] {
        CString str;
        if (::OpenClipboard(grid().m_hWnd)) {
            if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
                str = static_cast<LPCSTR>(::GlobalLock(h));
                ::GlobalUnlock(h);
            }
            ::CloseClipboard();
        }
        return str;
    };
    pEdit->SetSel(1, 3);
    ASSERT_TRUE(pCombo->Copy());
    EXPECT_STREQ(clipboard(), "re");
    EXPECT_STREQ(text(), "Green");
    pEdit->SetSel(3, 5);
    ASSERT_TRUE(pCombo->Cut());
    EXPECT_STREQ(clipboard(), "en");
    EXPECT_STREQ(text(), "Gre");
    // Pasted in place of the selection, which then holds what came in.
    pEdit->SetSel(0, 1);
    ASSERT_TRUE(pCombo->Paste());
    EXPECT_STREQ(text(), "enre");
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 2);
    EXPECT_TRUE(pCombo->GetModify());
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "enre");
}
