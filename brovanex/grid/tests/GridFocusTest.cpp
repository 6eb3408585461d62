// The grid losing and gaining the focus (the edit stored or kept, the current cell drawn
// again, the library's activation listeners told), an editing cell seeing the messages of
// the application's loop first, a grown window repainting only what it
// newly shows, and the edit window kept out of the frozen rows when its cell scrolls under
// them.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXEditControl.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
class CCountingActivation : public CGXGridActivationListener
{
public:
    explicit CCountingActivation(std::vector<CGXGridCore*>& seen) : m_seen(seen) { }
    void OnGridActivated(CGXGridCore* pGrid) override { m_seen.push_back(pGrid); }
    std::vector<CGXGridCore*>& m_seen;
};

// An edit that eats the 'q' characters posted to it while it edits.
class CNoQEdit : public CGXEditControl
{
public:
    using CGXEditControl::CGXEditControl;
    BOOL PreTranslateCellMessage(MSG* pMsg) override
    {
        m_seen.push_back(pMsg->message);
        return pMsg->message == WM_CHAR && pMsg->wParam == 'q';
    }
    std::vector<UINT> m_seen;
};

// Posts a character to the window as the system would and runs it through the loop an
// application runs: the windows from the target up pre-translate it before it is dispatched.
void PostThroughLoop(HWND hWnd, char ch)
{
    ::PostMessageA(hWnd, WM_CHAR, (BYTE)ch, 1);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
            ::DispatchMessageA(&msg);
}

// A grid that can refuse a value and records the clip boxes of its paints.
class CFocusGrid : public CGXGridWnd
{
public:
    BOOL m_bRefuse = FALSE;
    std::vector<CRect> m_paints;
    BOOL OnValidateCell(ROWCOL, ROWCOL) override { return !m_bRefuse; }
    void PaintGrid(CDC* pDC) override
    {
        CRect rect;
        pDC->GetClipBox(&rect);
        m_paints.push_back(rect);
        CGXGridWnd::PaintGrid(pDC);
    }
};

class GridFocus : public ::testing::Test
{
protected:
    GridFocus() : m_w((GXTestStartLibrary(), 20), 6, 500, 300, new CFocusGrid)
    {
        GXGetLibraryState().m_pActivationListener = new CCountingActivation(m_activated);
        m_other.CreateEx(0, AfxRegisterWndClass(0), "elsewhere", WS_POPUP | WS_VISIBLE, 600, 0, 100,
                         100, nullptr, nullptr);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    ~GridFocus() override
    {
        m_other.DestroyWindow();
        GXGetLibraryState().ReleaseListeners();
    }
    CFocusGrid& grid() { return static_cast<CFocusGrid&>(m_w.Grid()); }
    CGXEditControl* Edit() { return dynamic_cast<CGXEditControl*>(grid().GetCurrentCellControl()); }
    CString EditText()
    {
        CString s;
        if (CGXEditControl* p = Edit())
            p->GetWindowText(s);
        return s;
    }
    // TRUE when the cell's centre waits to be painted.
    BOOL CellPending(ROWCOL nRow, ROWCOL nCol)
    {
        CGdiHandle<HRGN> rgn(::CreateRectRgn(0, 0, 0, 0));
        if (::GetUpdateRgn(grid().m_hWnd, rgn.Get(), FALSE) <= NULLREGION)
            return FALSE;
        const CPoint pt = grid().CalcRectFromRowCol(nRow, nCol).CenterPoint();
        return ::PtInRegion(rgn.Get(), pt.x, pt.y);
    }
    CGridTestWindow m_w;
    CWnd m_other;
    std::vector<CGXGridCore*> m_activated;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(GridFocus, LosingTheFocusStoresTheEditAndRedrawsTheCellGainingItTellsTheListeners)
{
    ASSERT_TRUE(grid().SetCurrentCell(3, 2));
    m_activated.clear(); // the fixture's focus gain
    CGridKeyboard::Type("abc");
    ASSERT_NE(Edit(), nullptr);
    ASSERT_TRUE(Edit()->IsActive());
    EXPECT_TRUE(m_activated.empty()) << "the focus moving into the edit is no activation";

    grid().UpdateWindow();
    m_other.SetFocus();
    EXPECT_STREQ(grid().GetValueRowCol(3, 2), "abc");
    EXPECT_FALSE(Edit()->IsActive());
    EXPECT_FALSE(Edit()->IsWindowVisible());
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(grid().GetCurrentCell(r, c));
    EXPECT_EQ(3u, r);
    EXPECT_EQ(2u, c);

    // Back from outside: the grid is activated and its current cell drawn again.
    grid().UpdateWindow();
    grid().SetFocus();
    ASSERT_EQ(1u, m_activated.size());
    EXPECT_EQ(static_cast<CGXGridCore*>(&grid()), m_activated[0]);
    EXPECT_EQ(static_cast<CGXGridCore*>(&grid()), GXGetLibraryState().m_pActiveGrid);
    EXPECT_TRUE(CellPending(3, 2));
    // Leaving an inactive cell redraws it too (drawn without the focus).
    grid().UpdateWindow();
    m_other.SetFocus();
    EXPECT_TRUE(CellPending(3, 2));
}

TEST_F(GridFocus, AnEditingCellSeesTheLoopsMessagesFirstAndMayEatThem)
{
    auto* pEdit = new CNoQEdit(&grid(), 30020);
    grid().RegisterControl(30020, pEdit, FALSE, FALSE); // a control without a name
    grid().SetStyleRange(CGXRange(2, 3, 2, 3), CGXStyle().SetControl(30020));
    ASSERT_TRUE(grid().SetCurrentCell(2, 3));
    ASSERT_EQ(pEdit, grid().GetCurrentCellControl());
    ASSERT_FALSE(pEdit->IsActive());

    // Not editing: the control is not asked, the grid's own typing starts the editing.
    PostThroughLoop(grid().m_hWnd, 'q');
    EXPECT_TRUE(pEdit->m_seen.empty());
    ASSERT_TRUE(pEdit->IsActive());
    ASSERT_EQ(pEdit->m_hWnd, ::GetFocus());
    EXPECT_STREQ(EditText(), "q");

    // Editing: the control sees what is posted to its window; what it eats never arrives.
    PostThroughLoop(pEdit->m_hWnd, 'q');
    PostThroughLoop(pEdit->m_hWnd, 'z');
    EXPECT_STREQ(EditText(), "qz");
    EXPECT_EQ(2, std::count(pEdit->m_seen.begin(), pEdit->m_seen.end(), (UINT)WM_CHAR));

    // A hidden grid passes everything on untouched.
    grid().ShowWindow(SW_HIDE);
    pEdit->m_seen.clear();
    PostThroughLoop(pEdit->m_hWnd, 'q');
    EXPECT_EQ(0, std::count(pEdit->m_seen.begin(), pEdit->m_seen.end(), (UINT)WM_CHAR));
    grid().ShowWindow(SW_SHOW);
    EXPECT_STREQ(EditText(), "qzq");
}

TEST_F(GridFocus, AValueThatMayNotBeLeftKeepsTheEditActiveWithItsText)
{
    grid().SetValueRange(CGXRange(4, 4, 4, 4), "old");
    ASSERT_TRUE(grid().SetCurrentCell(4, 4));
    CGridKeyboard::Type("new");
    ASSERT_TRUE(Edit()->IsActive());
    grid().m_bRefuse = TRUE;
    m_other.SetFocus();
    EXPECT_TRUE(Edit()->IsActive());
    EXPECT_STREQ(EditText(), "new");
    EXPECT_STREQ(grid().GetValueRowCol(4, 4), "old");
    grid().SetPendingMessage(nullptr);

    // While the library locks focus changes (a drop-down of the cell is open), losing the
    // focus ends nothing either.
    grid().m_bRefuse = FALSE;
    grid().SetFocus();
    CGridKeyboard::Dispatch();
    ASSERT_TRUE(Edit()->IsActive());
    Edit()->SetFocus();
    CGXGridLibraryState& state = GXGetLibraryState();
    state.m_bLockFocusChange = TRUE;
    m_other.SetFocus();
    state.m_bLockFocusChange = FALSE;
    EXPECT_TRUE(Edit()->IsActive());
    EXPECT_STREQ(grid().GetValueRowCol(4, 4), "old");
}

TEST_F(GridFocus, AGrownWindowRepaintsOnlyTheStripsItNewlyShows)
{
    grid().SetColWidth(1, 6, 70);
    grid().SetRowHeight(1, 20, 22);
    for (BOOL bSmart : {TRUE, FALSE}) {
        grid().GetParam()->m_bSmartResize = bSmart;
        grid().SetWindowPos(nullptr, 0, 0, 230, 150, SWP_NOMOVE | SWP_NOZORDER);
        grid().UpdateWindow();
        CRect rectOld;
        grid().GetClientRect(&rectOld);
        // The last column and row the old size showed whole end here.
        int nRight = 0, nBottom = 0;
        for (ROWCOL c = 0; c <= grid().GetColCount(); ++c) {
            const CRect rect = grid().CalcRectFromRowCol(0, c);
            if (rect.right <= rectOld.right && rect.right > nRight)
                nRight = rect.right;
        }
        for (ROWCOL r = 0; r <= grid().GetRowCount(); ++r) {
            const CRect rect = grid().CalcRectFromRowCol(r, 0);
            if (rect.bottom <= rectOld.bottom && rect.bottom > nBottom)
                nBottom = rect.bottom;
        }
        ASSERT_GT(nRight, 0);
        ASSERT_GT(nBottom, 0);

        grid().m_paints.clear();
        grid().SetWindowPos(nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER);
        grid().UpdateWindow();
        ASSERT_FALSE(grid().m_paints.empty());
        const CRect rectKept(0, 0, nRight, nBottom);
        BOOL bTouchedKept = FALSE;
        for (const CRect& rect : grid().m_paints) {
            CRect rectBoth;
            if (rectBoth.IntersectRect(&rect, &rectKept))
                bTouchedKept = TRUE;
        }
        if (bSmart)
            EXPECT_FALSE(bTouchedKept) << "what the old size showed whole is not painted again";
        else
            EXPECT_TRUE(bTouchedKept) << "without smart resizing everything is painted";
        // Whatever the window newly shows was painted.
        BOOL bRight = FALSE, bBelow = FALSE;
        for (const CRect& rect : grid().m_paints) {
            bRight |= rect.left <= nRight && rect.right >= 400;
            bBelow |= rect.top <= nBottom && rect.bottom >= 250;
        }
        EXPECT_TRUE(bRight && bBelow) << "smart " << bSmart;
    }
}

TEST_F(GridFocus, TheEditScrolledUnderFrozenRowsIsCutAtTheirEdge)
{
    grid().SetFrozenRows(2);
    grid().SetRowHeight(1, 20, 24);
    const int nFrozenBottom = grid().CalcRectFromRowCol(2, 2).bottom;
    struct Case
    {
        const char* pszWhat;
        ROWCOL nToRow; // the cell covers rows 5 to nToRow
        BOOL bPartly; // three lines down leave part of it below the frozen rows
    } cases[] = {
        {"a cell scrolled under the frozen rows", 5, FALSE},
        {"a covered block half under them", 7, TRUE},
    };
    for (const Case& c : cases) {
        if (c.nToRow > 5) {
            ASSERT_TRUE(grid().SetCoveredCells(5, 2, c.nToRow, 2)) << c.pszWhat;
        }
        ASSERT_TRUE(grid().SetCurrentCell(5, 2)) << c.pszWhat;
        CGridKeyboard::Type("x");
        ASSERT_TRUE(Edit()->IsWindowVisible()) << c.pszWhat;
        CGdiHandle<HRGN> rgn(::CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(ERROR, ::GetWindowRgn(Edit()->m_hWnd, rgn.Get())) << "not cut while in view";

        // Three lines down: row 5 goes up under the frozen rows.
        ASSERT_EQ(3u, grid().GetTopRow());
        for (int i = 0; i < 3; ++i)
            grid().SendMessage(WM_VSCROLL, SB_LINEDOWN);
        ASSERT_EQ(6u, grid().GetTopRow());
        grid().UpdateWindow();
        CRect rectWnd;
        Edit()->GetWindowRect(&rectWnd);
        grid().ScreenToClient(&rectWnd);
        ASSERT_LT(rectWnd.top, nFrozenBottom) << c.pszWhat << ": the window went with its cell";
        ASSERT_NE(ERROR, ::GetWindowRgn(Edit()->m_hWnd, rgn.Get())) << c.pszWhat;
        CRect rectShown;
        ::GetRgnBox(rgn.Get(), &rectShown);
        if (c.bPartly) {
            rectShown.OffsetRect(rectWnd.TopLeft());
            EXPECT_EQ(nFrozenBottom, rectShown.top) << c.pszWhat;
            EXPECT_EQ(rectWnd.bottom, rectShown.bottom) << c.pszWhat;
        } else {
            EXPECT_TRUE(rectShown.IsRectEmpty()) << c.pszWhat << ": nothing of it shows";
        }

        // Scrolled back, the edit shows whole again with its text.
        for (int i = 0; i < 3; ++i)
            grid().SendMessage(WM_VSCROLL, SB_LINEUP);
        ASSERT_EQ(3u, grid().GetTopRow());
        grid().UpdateWindow();
        Edit()->GetWindowRect(&rectWnd);
        grid().ScreenToClient(&rectWnd);
        EXPECT_GE(rectWnd.top, nFrozenBottom) << c.pszWhat;
        EXPECT_EQ(ERROR, ::GetWindowRgn(Edit()->m_hWnd, rgn.Get())) << c.pszWhat;
        EXPECT_STREQ(EditText(), "x") << c.pszWhat;
        CGridKeyboard::Press(VK_ESCAPE);
    }
}
