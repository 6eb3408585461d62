// Tabbed combo cells that share their look-up tables through a list-cache id: storing a style
// that changes a list frees the tables it touches and raises their generation.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXTabbedComboBox.h"
#include "core/GXChoiceList.h"
#include <gtest/gtest.h>

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
