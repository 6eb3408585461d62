// Tabbed combo cells that share their look-up tables through a list-cache id: values are shown
// and typed texts stored through one table; storing a style that changes a list frees the
// tables it touches and raises their generation, so the kept list refills.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXTabbedComboBox.h"
#include "core/GXChoiceList.h"
#include "core/GXStylesMap.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
const char* const kFruit = "Code\tName\n1\tApple\n2\tBanana";
const char* const kVegetables = "Code\tName\n1\tCarrot\n2\tLeek\n3\tBean";

class TabbedComboShared : public ::testing::Test
{
protected:
    TabbedComboShared() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 3, 120);
        grid().SetRowHeight(1, 6, 22);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~TabbedComboShared() override { CGridKeyboard::Dispatch(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXGridParam& param() { return *grid().GetParam(); }
    // A column of tabbed combo cells sharing the tables of one id.
    void SetSharedColumn(ROWCOL nCol, const char* pszChoices, int nCacheId)
    {
        CString strId;
        strId.Format("%d", nCacheId);
        grid().SetStyleRange(CGXRange().SetCols(nCol),
                             CGXStyle()
                                 .SetControl(52541)
                                 .SetChoiceList(pszChoices)
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_KEYCOL, "0")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TEXTCOL, "1")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_TITLE, "1")
                                 .SetUserAttribute(GX_IDS_UA_TABLIST_LISTCACHE, strId));
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
    CString Shown(ROWCOL nRow, ROWCOL nCol)
    {
        CString strText;
        grid()
            .GetControl(nRow, nCol)
            ->FormatDisplayText(strText, nRow, nCol, nullptr,
                                grid().GetCachedCellStyle(nRow, nCol));
        return strText;
    }
    // Opens the current cell's list and gives its entries' first fields.
    std::vector<CString> OpenList()
    {
        std::vector<CString> entries;
        m_w.Capture();
        ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        ::PostMessageA(::GetFocus(), WM_SYSKEYUP, VK_DOWN, 0xE0000001);
        CGridKeyboard::Dispatch();
        CGXTabbedComboBox* pCombo = Combo();
        if (pCombo == nullptr || !pCombo->IsDropDownVisible())
            return entries;
        CListBox* pList = pCombo->GetListBox();
        for (int i = 0; i < pList->GetCount(); ++i) {
            CString strEntry;
            pList->GetText(i, strEntry);
            entries.push_back(GXGetTabbedItem(strEntry, 0));
        }
        return entries;
    }
    void Build(int nCacheId)
    {
        param().ListKeyMap(nCacheId, kFruit, 0, TRUE);
        param().ListDisplayMap(nCacheId, kFruit, 1, TRUE);
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(TabbedComboShared, StoringAListIntoTheCurrentCellFreesItsTables)
{
    SetSharedColumn(1, kFruit, 5);
    SetSharedColumn(2, kFruit, 7);
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Build(5);
    Build(7);

    // A value alone changes no list.
    LONG nGeneration = param().GetListCacheGeneration();
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "2");
    EXPECT_NE(param().GetListKeyMap(5), nullptr);
    EXPECT_EQ(param().GetListCacheGeneration(), nGeneration);

    // A new list in the current cell: its id's tables go, the other id's stay.
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetChoiceList(kVegetables));
    EXPECT_EQ(param().GetListKeyMap(5), nullptr);
    EXPECT_EQ(param().GetListDisplayMap(5), nullptr);
    EXPECT_NE(param().GetListKeyMap(7), nullptr);
    EXPECT_GT(param().GetListCacheGeneration(), nGeneration);

    // Each of the table settings counts; the id of -1 frees every table.
    struct Case
    {
        WORD nId;
        const char* pszValue;
        int nFreed; // the id whose tables go (-1: all)
    };
    for (const Case& c :
         {Case {GX_IDS_UA_TABLIST_KEYCOL, "0", 5}, Case {GX_IDS_UA_TABLIST_COLWIDTHS, "40", 5},
          Case {GX_IDS_UA_TABLIST_SORTCOL, "-1", 5},
          Case {GX_IDS_UA_TABLIST_LISTCACHE, "-1", -1}}) {
        Build(5);
        Build(7);
        nGeneration = param().GetListCacheGeneration();
        grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetUserAttribute(c.nId, c.pszValue));
        EXPECT_EQ(param().GetListKeyMap(5), nullptr) << c.nId;
        EXPECT_EQ(param().GetListKeyMap(7) == nullptr, c.nFreed == -1) << c.nId;
        EXPECT_GT(param().GetListCacheGeneration(), nGeneration) << c.nId;
    }
}

TEST_F(TabbedComboShared, ANewListForTheColumnFreesItsTablesWhereverTheCurrentCellIs)
{
    // The current cell in another column: the column's own id still names the stale tables.
    SetSharedColumn(1, kFruit, 5);
    SetSharedColumn(2, kFruit, 7);
    ASSERT_TRUE(grid().SetCurrentCell(1, 3));
    Build(5);
    Build(7);
    grid().SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetChoiceList(kVegetables));
    EXPECT_EQ(param().GetListKeyMap(5), nullptr);
    EXPECT_NE(param().GetListKeyMap(7), nullptr);
    // So does a new list in a single cell of the other column.
    grid().SetStyleRange(CGXRange(3, 2, 3, 2), CGXStyle().SetChoiceList(kVegetables));
    EXPECT_EQ(param().GetListKeyMap(7), nullptr);
}

TEST_F(TabbedComboShared, ABaseStyleWithAnotherListFreesEveryTable)
{
    SetSharedColumn(1, kFruit, 5);
    const WORD nStandard = grid().GetParam()->GetStylesMap()->GetStandardStyleId();
    Build(5);
    grid().ChangeBaseStyle(nStandard, CGXStyle().SetHorizontalAlignment(DT_CENTER));
    EXPECT_NE(param().GetListKeyMap(5), nullptr) << "no list changed";
    const LONG nGeneration = param().GetListCacheGeneration();
    grid().ChangeBaseStyle(nStandard, CGXStyle().SetChoiceList(kVegetables));
    EXPECT_EQ(param().GetListKeyMap(5), nullptr);
    EXPECT_GT(param().GetListCacheGeneration(), nGeneration);
    Build(5);
    grid().ChangeStylesMap(*grid().GetParam()->GetStylesMap());
    EXPECT_EQ(param().GetListKeyMap(5), nullptr) << "a new styles map may bring any list";
}

TEST_F(TabbedComboShared, TwoCellsShowAndStoreThroughOneTable)
{
    SetSharedColumn(1, kFruit, 5);
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "2");
    grid().SetValueRange(CGXRange(2, 1, 2, 1), "9");
    EXPECT_STREQ(Shown(1, 1), "Banana");
    EXPECT_STREQ(Shown(2, 1), "") << "a value without a row shows nothing";
    // A row only the shared tables know: both cells answer from them, not from their lists.
    ASSERT_NE(param().GetListKeyMap(5), nullptr) << "built by the first look-up";
    param().GetListKeyMap(5)->SetAt("9", "9\tCherry");
    param().ListDisplayMap(5, kFruit, 1, TRUE)->SetAt("Cherry", "9\tCherry");
    EXPECT_STREQ(Shown(2, 1), "Cherry");
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    EXPECT_STREQ(EditText(), "Cherry") << "the edit starts with the table's display text";
    EXPECT_TRUE(grid().SetControlTextRowCol(1, 1, "Cherry"));
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "9");

    // Typed into the edit of the other cell, the text is stored as the table's key.
    ASSERT_TRUE(grid().SetCurrentCell(3, 1));
    CGXTabbedComboBox* pCombo = Combo();
    ASSERT_NE(pCombo, nullptr);
    EXPECT_STREQ(EditText(), "");
    m_w.Capture();
    pCombo->SetActive(TRUE);
    pCombo->SetWindowText("Cherry"); // as a paste would leave it
    pCombo->SetModify(TRUE);
    CString strValue;
    EXPECT_TRUE(pCombo->GetValue(strValue));
    EXPECT_STREQ(strValue, "9");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(3, 1), "9");
    EXPECT_STREQ(EditText(), "Cherry");
}

TEST_F(TabbedComboShared, ChangingTheCurrentCellsListRefillsTheKeptList)
{
    SetSharedColumn(1, kFruit, 5);
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "2");
    grid().SetValueRange(CGXRange(2, 1, 2, 1), "3");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_EQ(OpenList(), (std::vector<CString> {"Apple", "Banana"}));
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    ASSERT_FALSE(Combo()->IsDropDownVisible());
    EXPECT_STREQ(Shown(2, 1), "");

    // The column's new list, stored with the current cell in it: the table of id 5 goes and
    // the kept list, filled for the old generation, refills.
    const LONG nGeneration = param().GetListCacheGeneration();
    grid().SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetChoiceList(kVegetables));
    EXPECT_EQ(param().GetListKeyMap(5), nullptr);
    EXPECT_GT(param().GetListCacheGeneration(), nGeneration);
    EXPECT_EQ(OpenList(), (std::vector<CString> {"Carrot", "Leek", "Bean"}));
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_STREQ(Shown(2, 1), "Bean") << "the table is built again from the new list";

    // The same for the current cell's own list.
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetChoiceList(kFruit));
    EXPECT_EQ(OpenList(), (std::vector<CString> {"Apple", "Banana"}));
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}

TEST_F(TabbedComboShared, APrefixTypedIntoOneCellValidatesThroughTheDisplayTable)
{
    SetSharedColumn(1, kFruit, 5);
    grid().SetValueRange(CGXRange(1, 1, 2, 1), "1");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Combo()->m_bAutoComplete = FALSE;
    m_w.Capture();
    CGridKeyboard::Type("ban");
    ASSERT_STREQ(EditText(), "ban");
    EXPECT_FALSE(Combo()->ValidateText("cherry"));
    EXPECT_TRUE(Combo()->ValidateText("ban"));
    CString strRow;
    ASSERT_TRUE(param().GetListDisplayMap(5)->Lookup("ban", strRow))
        << "the display table keeps the row under the typed text";
    EXPECT_STREQ(strRow, "2\tBanana");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "2");

    // The other cell takes the same text through the same table.
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    Combo()->m_bAutoComplete = FALSE;
    m_w.Capture();
    CGridKeyboard::Type("ban");
    CString strValue;
    EXPECT_TRUE(Combo()->GetValue(strValue));
    EXPECT_STREQ(strValue, "2");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(2, 1), "2");
}

TEST_F(TabbedComboShared, TypingCompletesThroughTheSharedTable)
{
    SetSharedColumn(1, kFruit, 5);
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "1");
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
    CString strRow;
    ASSERT_NE(param().GetListDisplayMap(5), nullptr);
    EXPECT_TRUE(param().GetListDisplayMap(5)->Lookup("ba", strRow)) << "completed from the table";
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "2");
}
