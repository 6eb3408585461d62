// Selecting with the mouse and the keys, through real messages to a grid window: a drag,
// Shift+click, Ctrl+click and Shift+arrows give the ranges they should, headers select whole
// rows and columns, the selection flags limit what a click selects, and only the cells whose
// selected state changed are drawn again, leaving the screen as a full repaint would.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridUserSelectRangeImp.h"
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
// Records the cells the selection draws inverted outside the paint pass.
class CInvertRecordingGrid : public CGXGridWnd
{
public:
    std::set<std::pair<ROWCOL, ROWCOL>> m_inverted;
    BOOL m_bInPaint = FALSE;
    void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, CRect rectItem) override
    {
        if (GetPaintPass() == nullptr)
            m_inverted.insert({nRow, nCol});
        CGXGridWnd::DrawInvertCell(pDC, nRow, nCol, rectItem);
    }
};

class GridSelect : public ::testing::Test
{
protected:
    GridSelect() : m_w((GXTestStartLibrary(), 30), 10, 640, 480, new CInvertRecordingGrid)
    {
        GXImplementUserSelectRange(&Grid());
        Grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~GridSelect() override { CGridKeyboard::Hold(FALSE, FALSE); }
    CInvertRecordingGrid& Grid() { return static_cast<CInvertRecordingGrid&>(m_w.Grid()); }
    CGXRangeList& Sel() { return Grid().GetParam()->m_selRects; }

    // The list as text: "c2,2-4,3" cells, "r3-5" rows, "k2-4" columns, "t" the table.
    std::string Ranges()
    {
        std::string s;
        for (POSITION pos = Sel().GetHeadPosition(); pos != nullptr;) {
            const CGXRange* p = Sel().GetNextRange(pos);
            char sz[64];
            if (p->IsTable())
                snprintf(sz, sizeof sz, "t");
            else if (p->IsRows())
                snprintf(sz, sizeof sz, "r%lu-%lu", p->top, p->bottom);
            else if (p->IsCols())
                snprintf(sz, sizeof sz, "k%lu-%lu", p->left, p->right);
            else
                snprintf(sz, sizeof sz, "c%lu,%lu-%lu,%lu", p->top, p->left, p->bottom, p->right);
            s += s.empty() ? sz : std::string(" ") + sz;
        }
        return s;
    }
    void Send(UINT nMessage, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
    {
        const CPoint pt = Grid().CalcRectFromRowCol(nRow, nCol).CenterPoint();
        Grid().SendMessage(nMessage, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    // Mouse steps: 'd' button down, 'm' move with the button held, 'u' release; the key
    // flags (MK_CONTROL, MK_SHIFT) go with the down and stay held until the release.
    struct Step
    {
        char cWhat;
        ROWCOL nRow, nCol;
        UINT nKeys;
    };
    void Mouse(const std::vector<Step>& steps)
    {
        for (const Step& s : steps) {
            // The key state agrees with the message's key flags, as with a real keyboard.
            CGridKeyboard::Hold((s.nKeys & MK_CONTROL) != 0, (s.nKeys & MK_SHIFT) != 0);
            if (s.cWhat == 'd')
                Send(WM_LBUTTONDOWN, s.nRow, s.nCol, MK_LBUTTON | s.nKeys);
            else if (s.cWhat == 'm')
                Send(WM_MOUSEMOVE, s.nRow, s.nCol, MK_LBUTTON | s.nKeys);
            else
                Send(WM_LBUTTONUP, s.nRow, s.nCol, s.nKeys);
        }
        CGridKeyboard::Hold(FALSE, FALSE);
        CGridKeyboard::Dispatch();
    }
    void ExpectInverted(std::set<std::pair<ROWCOL, ROWCOL>> cells, const char* pszWhat)
    {
        EXPECT_EQ(cells, Grid().m_inverted) << pszWhat;
        Grid().m_inverted.clear();
    }
    // The grid's pixels as they are on the screen now (no repaint first).
    std::vector<COLORREF> Screen()
    {
        CRect rect;
        Grid().GetClientRect(&rect);
        CClientDC dc(&Grid());
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
        CBitmap* pOld = mem.SelectObject(&bmp);
        mem.BitBlt(0, 0, rect.Width(), rect.Height(), &dc, 0, 0, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 200; y += 2)
            for (int x = 0; x < rect.Width(); x += 3)
                pixels.push_back(mem.GetPixel(x, y));
        mem.SelectObject(pOld);
        return pixels;
    }

    CGridTestWindow m_w;
};
} // namespace

TEST_F(GridSelect, MouseClicksAndDragsGiveTheirRanges)
{
    struct Case
    {
        const char* pszName;
        ROWCOL nCurRow, nCurCol;
        BOOL bKeepSingle;
        std::vector<Step> steps;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"drag over cells",
         1,
         1,
         FALSE,
         {{'d', 2, 2, 0}, {'m', 4, 3, 0}, {'u', 4, 3, 0}},
         "c2,2-4,3"},
        {"drag upwards and left",
         1,
         1,
         FALSE,
         {{'d', 5, 5, 0}, {'m', 3, 2, 0}, {'u', 3, 2, 0}},
         "c3,2-5,5"},
        {"a click leaves nothing selected", 1, 1, FALSE, {{'d', 2, 2, 0}, {'u', 2, 2, 0}}, ""},
        {"a click with keep-single-cell", 1, 1, TRUE, {{'d', 2, 2, 0}, {'u', 2, 2, 0}}, "c2,2-2,2"},
        {"shift+click from the current cell",
         2,
         2,
         FALSE,
         {{'d', 4, 5, MK_SHIFT}, {'u', 4, 5, MK_SHIFT}},
         "c2,2-4,5"},
        {"ctrl+drag keeps the current cell",
         1,
         1,
         FALSE,
         {{'d', 3, 3, MK_CONTROL}, {'m', 4, 3, MK_CONTROL}, {'u', 4, 3, MK_CONTROL}},
         "c1,1-1,1 c3,3-4,3"},
        {"ctrl+click selects the clicked cell too",
         1,
         1,
         FALSE,
         {{'d', 3, 3, MK_CONTROL}, {'u', 3, 3, MK_CONTROL}},
         "c1,1-1,1 c3,3-3,3"},
        {"a second range with ctrl",
         1,
         1,
         FALSE,
         {{'d', 2, 2, 0},
          {'m', 3, 3, 0},
          {'u', 3, 3, 0},
          {'d', 6, 6, MK_CONTROL},
          {'m', 7, 6, MK_CONTROL},
          {'u', 7, 6, MK_CONTROL}},
         "c2,2-3,3 c6,6-7,6"},
        {"a press without ctrl clears",
         1,
         1,
         FALSE,
         {{'d', 2, 2, 0},
          {'m', 3, 3, 0},
          {'u', 3, 3, 0},
          {'d', 6, 6, 0},
          {'m', 6, 7, 0},
          {'u', 6, 7, 0}},
         "c6,6-6,7"},
        {"shift+click extends the dragged range from its anchor",
         1,
         1,
         FALSE,
         {{'d', 4, 4, 0},
          {'m', 5, 5, 0},
          {'u', 5, 5, 0},
          {'d', 2, 3, MK_SHIFT},
          {'u', 2, 3, MK_SHIFT}},
         "c2,3-4,4"},
        {"row headers", 1, 1, FALSE, {{'d', 3, 0, 0}, {'m', 5, 2, 0}, {'u', 5, 2, 0}}, "r3-5"},
        {"column headers", 1, 1, FALSE, {{'d', 0, 2, 0}, {'m', 9, 4, 0}, {'u', 9, 4, 0}}, "k2-4"},
        {"the corner selects the table", 1, 1, FALSE, {{'d', 0, 0, 0}, {'u', 0, 0, 0}}, "t"},
        {"shift+click on a row header",
         2,
         2,
         FALSE,
         {{'d', 5, 0, MK_SHIFT}, {'u', 5, 0, MK_SHIFT}},
         "r2-5"},
        {"ctrl+click on a selected column header deselects it",
         1,
         1,
         FALSE,
         {{'d', 0, 2, 0},
          {'m', 0, 4, 0},
          {'u', 0, 4, 0},
          {'d', 0, 3, MK_CONTROL},
          {'u', 0, 3, MK_CONTROL}},
         "k2-2 k4-4"},
        {"ctrl+click on another column header adds it",
         1,
         1,
         FALSE,
         {{'d', 0, 2, 0}, {'u', 0, 2, 0}, {'d', 0, 5, MK_CONTROL}, {'u', 0, 5, MK_CONTROL}},
         "k2-2 k5-5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Grid().SetSelection(nullptr);
        ASSERT_TRUE(Grid().SetCurrentCell(c.nCurRow, c.nCurCol));
        Grid().GetParam()->m_bKeepSingleCell = c.bKeepSingle;
        Mouse(c.steps);
        EXPECT_EQ(c.pszExpected, Ranges());
    }
}

TEST_F(GridSelect, SelectionFlagsAndRowModeLimitWhatAClickSelects)
{
    CGXGridParam* pParam = Grid().GetParam();
    pParam->EnableSelection(121); // rows, cells, ctrl, shift, keys: as the rundown sets them
    ASSERT_TRUE(Grid().SetCurrentCell(1, 1));
    Mouse({{'d', 0, 3, 0}, {'u', 0, 3, 0}});
    EXPECT_EQ("", Ranges()) << "a column header";
    Mouse({{'d', 0, 0, 0}, {'u', 0, 0, 0}});
    EXPECT_EQ("", Ranges()) << "the corner";
    Mouse({{'d', 4, 0, 0}, {'u', 4, 0, 0}});
    EXPECT_EQ("r4-4", Ranges()) << "a row header";

    // Without any flag a press does nothing at all: the selection stays.
    pParam->EnableSelection(0);
    Mouse({{'d', 5, 5, 0}, {'m', 6, 6, 0}, {'u', 6, 6, 0}});
    EXPECT_EQ("r4-4", Ranges()) << "nothing may be selected";

    // Whole rows, several at a time: a cell drag selects rows, Shift and Ctrl act without
    // their flags.
    pParam->EnableSelection(8);
    pParam->SetRowSelectionMode(2);
    Mouse({{'d', 3, 4, 0}, {'m', 5, 2, 0}, {'u', 5, 2, 0}});
    EXPECT_EQ("r3-5", Ranges());
    Mouse({{'d', 8, 2, MK_CONTROL}, {'u', 8, 2, MK_CONTROL}});
    EXPECT_EQ("r3-5 r8-8", Ranges());
    // One row at a time: the row under the mouse.
    pParam->SetRowSelectionMode(1);
    Mouse({{'d', 3, 4, MK_CONTROL}, {'m', 6, 2, MK_CONTROL}, {'u', 6, 2, MK_CONTROL}});
    EXPECT_EQ("r6-6", Ranges());
}

TEST_F(GridSelect, ShiftArrowsGrowTheRangeFromTheCurrentCell)
{
    ASSERT_TRUE(Grid().SetCurrentCell(3, 3));
    CGridKeyboard::Hold(FALSE, TRUE);
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ("c3,3-5,3", Ranges());
    CGridKeyboard::Press(VK_LEFT);
    EXPECT_EQ("c3,2-5,3", Ranges());
    CGridKeyboard::Press(VK_UP);
    CGridKeyboard::Press(VK_UP);
    CGridKeyboard::Press(VK_UP);
    EXPECT_EQ("c2,2-3,3", Ranges()) << "up past the anchor";
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(Grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);

    // A plain arrow moves the cell; the next Shift+arrow starts a new range there.
    CGridKeyboard::Hold(FALSE, FALSE);
    CGridKeyboard::Press(VK_RIGHT);
    EXPECT_EQ("c2,2-3,3", Ranges());
    CGridKeyboard::Hold(FALSE, TRUE);
    CGridKeyboard::Press(VK_RIGHT);
    EXPECT_EQ("c2,3-2,4", Ranges());

    // Without the keyboard flag Shift+arrows only move the cell.
    Grid().GetParam()->EnableSelection(0xFF & ~64);
    Grid().SetSelection(nullptr);
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ("", Ranges());
    ASSERT_TRUE(Grid().GetCurrentCell(nRow, nCol));
    EXPECT_EQ(3u, nRow);
}

TEST_F(GridSelect, OnlyCellsWhoseSelectionChangedAreDrawn)
{
    ASSERT_TRUE(Grid().SetCurrentCell(1, 1));
    Grid().UpdateWindow();
    Grid().m_inverted.clear();
    Mouse({{'d', 2, 2, 0}, {'m', 3, 3, 0}});
    ExpectInverted({{2, 2}, {2, 3}, {3, 2}, {3, 3}}, "the first block");
    Mouse({{'m', 4, 3, 0}});
    ExpectInverted({{4, 2}, {4, 3}}, "row 4 joins");
    Mouse({{'m', 4, 2, 0}});
    ExpectInverted({{2, 3}, {3, 3}, {4, 3}}, "column 3 leaves");
    Mouse({{'u', 4, 2, 0}});
    ExpectInverted({}, "the release changes nothing");

    // The screen is what a full repaint draws.
    const std::vector<COLORREF> incremental = Screen();
    Grid().Invalidate();
    Grid().UpdateWindow();
    EXPECT_TRUE(incremental == Screen());

    Mouse({{'d', 0, 2, MK_CONTROL}, {'u', 0, 2, MK_CONTROL}});
    EXPECT_EQ("c2,2-4,2 k2-2", Ranges());
    std::set<std::pair<ROWCOL, ROWCOL>> column2;
    for (ROWCOL r = 1; r <= Grid().GetLastVisibleRow() && r <= Grid().GetRowCount(); ++r)
        if (r < 2 || r > 4)
            column2.insert({r, 2});
    ExpectInverted(column2, "a whole column: only the visible cells not yet selected");
    const std::vector<COLORREF> afterColumn = Screen();
    Grid().Invalidate();
    Grid().UpdateWindow();
    EXPECT_TRUE(afterColumn == Screen());

    // With updates locked the list changes and nothing is drawn.
    Grid().m_inverted.clear();
    const CPoint ptFrom = Grid().CalcRectFromRowCol(7, 4).CenterPoint();
    const CPoint ptTo = Grid().CalcRectFromRowCol(8, 5).CenterPoint();
    Grid().GetParam()->m_bLockUpdate = TRUE;
    Grid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
    Grid().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
    Grid().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTo.x, ptTo.y));
    EXPECT_EQ("c7,4-8,5", Ranges());
    ExpectInverted({}, "updates locked");
    Grid().GetParam()->m_bLockUpdate = FALSE;
}

TEST_F(GridSelect, RemovingPartOfARangeLeavesWhatIsAroundIt)
{
    Sel().AddRange(CGXRange(2, 2, 6, 6));
    CGXGridUserSelectRangeImp::AddOrRemoveRange(&Grid(), CGXRange(3, 3, 4, 4), FALSE);
    EXPECT_EQ("c2,2-2,6 c5,2-6,6 c2,2-6,2 c2,5-6,6", Ranges());

    Sel().DeleteAreas();
    Sel().AddRange(CGXRange().SetCols(2, 5));
    Sel().AddRange(CGXRange(1, 1, 2, 2));
    CGXGridUserSelectRangeImp::AddOrRemoveRange(&Grid(), CGXRange().SetCols(3), FALSE);
    EXPECT_EQ("c1,1-2,2 k2-2 k4-5", Ranges()) << "untouched entries stay, columns stay columns";

    Sel().DeleteAreas();
    Sel().AddRange(CGXRange().SetTable());
    CGXGridUserSelectRangeImp::AddOrRemoveRange(&Grid(), CGXRange().SetRows(1, 2), FALSE);
    EXPECT_EQ("r3-30", Ranges()) << "rows removed from the table";
}

TEST_F(GridSelect, ArrowsInWholeRowModesSelectRows)
{
    // Several rows at a time (the rundown's mode): an arrow selects the new current row,
    // Shift+arrows extend from the anchor row.
    Grid().GetParam()->SetRowSelectionMode(2);
    ASSERT_TRUE(Grid().SetCurrentCell(3, 2));
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ("r4-4", Ranges());
    CGridKeyboard::Hold(FALSE, TRUE);
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ("r4-6", Ranges());
    CGridKeyboard::Press(VK_UP);
    EXPECT_EQ("r4-5", Ranges());
    CGridKeyboard::Hold(FALSE, FALSE);
    CGridKeyboard::Press(VK_UP);
    EXPECT_EQ("r4-4", Ranges());

    // One row at a time: Shift changes nothing.
    Grid().GetParam()->SetRowSelectionMode(1);
    CGridKeyboard::Hold(FALSE, TRUE);
    CGridKeyboard::Press(VK_DOWN);
    CGridKeyboard::Press(VK_DOWN);
    EXPECT_EQ("r6-6", Ranges());
}
