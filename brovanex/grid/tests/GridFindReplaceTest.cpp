// Find and replace in a grid: the search runs down or up the current cell's column, compares
// with or without case, skips disabled cells, and an empty find text finds and changes
// nothing; Replace All ends whatever the replacement holds, handles texts of any length and
// is one undo step from the dialog; the dialog is answered through the framework's seam.
#include "ControlTestSupport.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXFindReplaceInfo.h"
#include "fw/commdlg.h"
#include "modal_support.h"
#include <gtest/gtest.h>

namespace {
const int IDC_FIND_WHAT = 0x480; // edt1
const int IDC_REPLACE_WITH = 0x481; // edt2
const int IDC_MATCH_CASE = 0x411; // chx2
const int IDC_REPLACE_ALL = 0x401; // psh2

// Counts the not-found notifications instead of beeping.
class CFindGrid : public CGXGridWnd
{
public:
    int m_nNotFound = 0;
    void OnTextNotFound(LPCTSTR) override { ++m_nNotFound; }
};

class FindGrid : public ::testing::Test
{
protected:
    FindGrid() : m_w((GXTestStartLibrary(), 8), 3, 640, 480, new CFindGrid)
    {
        GXImplementFindReplace(&grid());
        GXImplementUndoRedo(&grid());
        // Column 1 holds the texts searched; column 2 the same texts, never searched.
        const char* apsz[] = {"Top story", "THE LEAD STORY", "weather", "lead-in",
                              "Sports",    "Traffic",        "leader",  "end"};
        for (ROWCOL r = 1; r <= 8; ++r)
            for (ROWCOL c = 1; c <= 2; ++c)
                grid().SetValueRange(CGXRange(r, c, r, c), apsz[r - 1]);
    }
    CFindGrid& grid() { return static_cast<CFindGrid&>(m_w.Grid()); }
    ROWCOL CurrentRow()
    {
        ROWCOL r = 0, c = 0;
        return grid().GetCurrentCell(r, c) ? r : 0;
    }
    CString Value(ROWCOL r, ROWCOL c = 1) { return grid().GetValueRowCol(r, c); }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(FindGrid, FindWalksTheCurrentColumnWithOrWithoutCase)
{
    struct Case
    {
        const char* pszFind;
        BOOL bDown, bCase;
        ROWCOL nFrom, nFound; // 0: not found, the current cell stays
    } cases[] = {
        {"lead", TRUE, FALSE, 1, 2}, // case-blind: "THE LEAD STORY"
        {"lead", TRUE, TRUE, 1, 4}, // with case: "lead-in"
        {"lead", TRUE, TRUE, 4, 7}, // the current cell is not found again
        {"lead", FALSE, FALSE, 7, 4}, // up
        {"LEAD", FALSE, TRUE, 4, 2},  {"story", TRUE, FALSE, 2, 0}, // below row 2 nothing holds it
        {"end", FALSE, FALSE, 8, 0}, // above row 8 neither
        {"", TRUE, FALSE, 1, 0}, // an empty text finds nothing
    };
    for (const Case& k : cases) {
        ASSERT_TRUE(grid().SetCurrentCell(k.nFrom, 1));
        const int nNotFound = grid().m_nNotFound;
        EXPECT_EQ(k.nFound != 0, grid().Find(k.pszFind, k.bDown, k.bCase)) << k.pszFind;
        EXPECT_EQ(k.nFound != 0 ? k.nFound : k.nFrom, CurrentRow()) << k.pszFind;
        EXPECT_EQ(k.nFound != 0 ? nNotFound : nNotFound + 1, grid().m_nNotFound) << k.pszFind;
    }
}

TEST_F(FindGrid, FindSkipsDisabledCellsAndOtherColumns)
{
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), CGXStyle().SetEnabled(FALSE));
    grid().SetValueRange(CGXRange(3, 3, 3, 3), "lead");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("lead"));
    EXPECT_EQ(4u, CurrentRow());
    // Find next goes on from there; the last search is repeated.
    ASSERT_TRUE(grid().FindNext());
    EXPECT_EQ(7u, CurrentRow());
    // Column 3 holds "lead" only in row 3, above the current cell's row in its own column.
    ASSERT_TRUE(grid().SetCurrentCell(4, 3));
    EXPECT_FALSE(grid().Find("lead"));
    EXPECT_EQ(4u, CurrentRow());
}

TEST_F(FindGrid, ReplaceAllChangesTheColumnFromTheCurrentRowDown)
{
    struct Case
    {
        const char *pszFind, *pszReplace;
        BOOL bCase;
        ROWCOL nFrom;
        const char* pszColumn; // rows 1 to 8 afterwards, "|" between them
    } cases[] = {
        {"lead", "LEDE", FALSE, 1,
         "Top story|THE LEDE STORY|weather|LEDE-in|Sports|Traffic|LEDEer|end"},
        {"lead", "LEDE", TRUE, 1,
         "Top story|THE LEAD STORY|weather|LEDE-in|Sports|Traffic|LEDEer|end"},
        {"lead", "x", FALSE, 5, "Top story|THE LEAD STORY|weather|lead-in|Sports|Traffic|xer|end"},
        // The whole text of a cell.
        {"Sports", "Weather", TRUE, 1,
         "Top story|THE LEAD STORY|weather|lead-in|Weather|Traffic|leader|end"},
        // A replacement that holds the find text: each occurrence once, and the loop ends.
        {"e", "ee", TRUE, 6,
         "Top story|THE LEAD STORY|weather|lead-in|Sports|Traffic|leeadeer|eend"},
        // An empty find text changes nothing.
        {"", "x", FALSE, 1, "Top story|THE LEAD STORY|weather|lead-in|Sports|Traffic|leader|end"},
    };
    const CString strOriginal =
        "Top story|THE LEAD STORY|weather|lead-in|Sports|Traffic|leader|end";
    for (const Case& k : cases) {
        for (ROWCOL r = 1; r <= 8; ++r) {
            CString s = strOriginal;
            for (ROWCOL i = 1; i < r; ++i)
                s = s.Mid(s.Find('|') + 1);
            grid().SetValueRange(CGXRange(r, 1, r, 1), s.Find('|') >= 0 ? s.Left(s.Find('|')) : s);
        }
        ASSERT_TRUE(grid().SetCurrentCell(k.nFrom, 1));
        const BOOL bReplaced = grid().ReplaceAll(k.pszFind, k.pszReplace, k.bCase);
        CString strColumn;
        for (ROWCOL r = 1; r <= 8; ++r)
            strColumn += (r > 1 ? "|" : "") + Value(r);
        EXPECT_STREQ(k.pszColumn, strColumn) << k.pszFind;
        EXPECT_EQ(strColumn != strOriginal, bReplaced) << k.pszFind;
        EXPECT_STREQ("leader", Value(7, 2)) << "another column";
    }
}

TEST_F(FindGrid, ReplaceAllHandlesTextsOfAnyLength)
{
    CString strLong, strExpected;
    for (int i = 0; i < 700; ++i) {
        strLong += "ab";
        strExpected += "a-b-";
    }
    grid().SetValueRange(CGXRange(3, 1, 3, 1), strLong);
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll("b", "-b-"));
    EXPECT_EQ(2800, Value(3).GetLength());
    EXPECT_STREQ(strExpected, Value(3));
    // A find text longer than the dialog could hold.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll(strExpected, "short"));
    EXPECT_STREQ("short", Value(3));
}

TEST_F(FindGrid, ReplaceAllByAProgramRecordsEachCell)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll("lead", "x"));
    EXPECT_STREQ("xer", Value(7));
    ASSERT_TRUE(grid().Undo());
    EXPECT_STREQ("leader", Value(7));
    EXPECT_STREQ("x-in", Value(4)) << "one cell per step";
}

TEST_F(FindGrid, TheReplaceDialogReplacesAllAsOneUndoStep)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CModalReplies modal;
    modal.Script([&](CWnd* pDlg) {
        EXPECT_STREQ("Top story", DlgItemText(pDlg, IDC_FIND_WHAT)) << "the current cell's text";
        pDlg->SetDlgItemText(IDC_FIND_WHAT, "LEAD");
        pDlg->SetDlgItemText(IDC_REPLACE_WITH, "lede");
        pDlg->CheckDlgButton(IDC_MATCH_CASE, 1);
        PressButton(pDlg, IDC_REPLACE_ALL);
    });
    grid().ShowFindReplaceDialog(FALSE);
    ASSERT_EQ(1u, modal.Count());
    EXPECT_STREQ("THE lede STORY", Value(2));
    EXPECT_STREQ("lead-in", Value(4)) << "match case";
    // A second replacement; undo takes back the dialog's as one step.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll("o", "0"));
    ASSERT_TRUE(grid().Undo());
    ASSERT_TRUE(grid().Undo());
    ASSERT_TRUE(grid().Undo());
    EXPECT_STREQ("THE lede STORY", Value(2));
    EXPECT_STREQ("Top story", Value(1));
    ASSERT_TRUE(grid().Undo()) << "the dialog's Replace All";
    EXPECT_STREQ("THE LEAD STORY", Value(2));
}

TEST_F(FindGrid, OpeningReplaceClosesFindAndFindNextMovesTheCurrentCell)
{
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "");
    CModalReplies modal;
    HWND hFind = nullptr;
    modal.Script([&](CWnd* pDlg) {
        hFind = pDlg->m_hWnd;
        EXPECT_STREQ("end", DlgItemText(pDlg, IDC_FIND_WHAT)) << "the last search's text";
        pDlg->SetDlgItemText(IDC_FIND_WHAT, "traffic");
        PressButton(pDlg, IDOK); // Find Next
    });
    grid().Find("end");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    grid().ShowFindReplaceDialog(TRUE);
    ASSERT_TRUE(::IsWindow(hFind));
    EXPECT_EQ(6u, CurrentRow());

    HWND hReplace = nullptr;
    modal.Script([&](CWnd* pDlg) { hReplace = pDlg->m_hWnd; });
    grid().ShowFindReplaceDialog(FALSE);
    CGridTestWindow::Pump();
    EXPECT_FALSE(::IsWindow(hFind)) << "Find closed";
    ASSERT_TRUE(::IsWindow(hReplace));
    // The same kind again only comes to the front.
    grid().ShowFindReplaceDialog(FALSE);
    EXPECT_EQ(2u, modal.Count());
    ::SendMessage(hReplace, WM_CLOSE, 0, 0);
    CGridTestWindow::Pump();
    EXPECT_FALSE(::IsWindow(hReplace));
}
