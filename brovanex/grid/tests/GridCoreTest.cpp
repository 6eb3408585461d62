// The grid core's life cycle: a grid window created in code and from a dialog template by
// class name, initialisation, what the destructor frees, painting before initialisation,
// and the feature forwarders with every slot empty.
#include "GridTestWindow.h"
#include "core/GXData.h"
#include "core/GXPluginComponent.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include <gtest/gtest.h>

namespace {
struct CCounted
{
    explicit CCounted(int& n) : m_n(n) { }
    virtual ~CCounted() { ++m_n; }
    int& m_n;
};

struct CCountedPlugin : CGXPluginComponent
{
    explicit CCountedPlugin(int& n) : m_n(n) { }
    ~CCountedPlugin() override { ++m_n; }
    int& m_n;
};

// A dialog template in memory with one custom control of class "CGXGridWnd".
std::vector<WORD> GridDialogTemplate(WORD nId)
{
    std::vector<WORD> t;
    auto dword = [&](DWORD d) {
        t.push_back(LOWORD(d));
        t.push_back(HIWORD(d));
    };
    auto text = [&](const char* s) {
        for (; *s; ++s)
            t.push_back((WORD)(BYTE)*s);
        t.push_back(0);
    };
    dword(WS_POPUP | WS_VISIBLE | DS_SETFONT); // style
    dword(0); // extended style
    t.push_back(1); // one item
    t.push_back(0);
    t.push_back(0);
    t.push_back(200);
    t.push_back(150);
    t.push_back(0); // no menu
    t.push_back(0); // standard class
    text("grid dialog");
    t.push_back(8);
    text("MS Shell Dlg");
    if (t.size() % 2)
        t.push_back(0); // items start on a DWORD boundary
    dword(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    dword(0);
    t.push_back(5);
    t.push_back(5);
    t.push_back(180);
    t.push_back(120);
    t.push_back(nId);
    text(GX_GRIDWND_CLASS);
    t.push_back(0); // no title
    t.push_back(0); // no creation data
    return t;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }
} // namespace

TEST(GridCore, WindowInCodeHasCountsAndModelObjects)
{
    CGridTestWindow w(20, 10);
    CGXGridWnd& grid = w.Grid();
    EXPECT_TRUE(grid.IsInitialized());
    EXPECT_EQ(20u, grid.GetRowCount());
    EXPECT_EQ(10u, grid.GetColCount());
    ASSERT_NE(nullptr, grid.GetParam());
    EXPECT_NE(nullptr, grid.GetProperties());
    EXPECT_NE(nullptr, grid.GetStylesMap());
    EXPECT_NE(nullptr, grid.GetData());
    EXPECT_EQ(&grid, static_cast<CGXGridCore&>(grid).GetGridWnd());
    // The grid is registered under each of its four model objects.
    CGXGridLibraryState& state = GXGetLibraryState();
    for (void* p : {(void*)grid.GetParam(), (void*)grid.GetProperties(), (void*)grid.GetStylesMap(),
                    (void*)grid.GetData()}) {
        const CPtrList* pList = state.GridsOfObject(p);
        ASSERT_NE(nullptr, pList);
        EXPECT_NE(nullptr, const_cast<CPtrList*>(pList)->Find(static_cast<CGXGridCore*>(&grid)));
    }
}

TEST(GridCore, WindowFromDialogTemplateByClassNameWorksAndIsFreedWithTheDialog)
{
    GXTestEnsureGridClasses();
    const int nBefore = CGXGridWnd::GetSelfCreatedCount();
    std::vector<WORD> t = GridDialogTemplate(1234);
    HWND hDlg = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
                                             PlainDialogProc, 0);
    ASSERT_NE(nullptr, hDlg) << ::GetLastError();
    HWND hGrid = ::GetDlgItem(hDlg, 1234);
    ASSERT_NE(nullptr, hGrid);
    CGXGridWnd* pGrid = dynamic_cast<CGXGridWnd*>(CWnd::FromHandlePermanent(hGrid));
    ASSERT_NE(nullptr, pGrid);
    EXPECT_TRUE(CGXGridWnd::IsSelfCreated(pGrid));
    EXPECT_EQ(nBefore + 1, CGXGridWnd::GetSelfCreatedCount());

    pGrid->Initialize();
    pGrid->SetRowCount(20);
    pGrid->SetColCount(10);
    EXPECT_EQ(20u, pGrid->GetRowCount());
    EXPECT_EQ(GX_SBMODE_LASTUSEFUL | GX_SBMODE_AUTO, pGrid->GetScrollBarMode(SB_VERT));
    pGrid->UpdateWindow();

    ::DestroyWindow(hDlg);
    EXPECT_EQ(nBefore, CGXGridWnd::GetSelfCreatedCount());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hGrid));
}

TEST(GridCore, PaintBeforeInitialisationValidatesAndReturns)
{
    GXTestEnsureGridClasses();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                    nullptr);
    CGXGridWnd grid;
    ASSERT_TRUE(grid.Create(WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1));
    grid.Invalidate();
    grid.UpdateWindow(); // no exception leaves the window procedure
    CRect rectUpdate;
    EXPECT_FALSE(grid.GetUpdateRect(&rectUpdate)); // validated: no paint storm follows
    EXPECT_FALSE(grid.IsInitialized());
    grid.DestroyWindow();
    parent.DestroyWindow();
}

TEST(GridCore, InitialisationMovesTopRowBelowFrozenRowsAndKeepsCallersParam)
{
    GXTestEnsureGridClasses();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                    nullptr);
    CGXGridParam param;
    param.m_nFrozenRows = 3;
    {
        CGXGridWnd grid;
        grid.AttachParam(&param, FALSE);
        grid.Create(WS_VISIBLE, CRect(0, 0, 250, 250), &parent, 1);
        grid.Initialize();
        EXPECT_EQ(&param, grid.GetParam());
        EXPECT_EQ(4u, grid.GetTopRow());
    }
    // The caller's parameter object outlives the grid; its owned parts are intact.
    EXPECT_NE(nullptr, param.GetStylesMap());
    EXPECT_EQ(nullptr, GXGetLibraryState().GridsOfObject(&param));
    parent.DestroyWindow();
}

TEST(GridCore, DestructorFreesEachOwnedObjectOnce)
{
    int nDeleted = 0, nPlugins = 0;
    {
        CGridTestWindow w(5, 5);
        CGXGridWnd& grid = w.Grid();
        CCounted* p = new CCounted(nDeleted);
        grid.AddToDeleteList(p);
        grid.AddToDeleteList(p); // listed twice: still freed once
        grid.AddToDeleteList(new CCounted(nDeleted));
        // A plug-in on the delete list as well as on the plug-in list is freed once.
        CCountedPlugin* pPlugin = new CCountedPlugin(nPlugins);
        grid.AddToDeleteList(pPlugin);
        grid.AddPlugin(pPlugin);
        grid.AddToDeleteList(pPlugin);
        EXPECT_FALSE(grid.IsOnDeleteList(pPlugin));
    }
    EXPECT_EQ(2, nDeleted);
    EXPECT_EQ(1, nPlugins);
}

TEST(GridCore, GridRegisteredTwiceUnderOneObjectIsRemovedFromEveryEntry)
{
    CGXGridLibraryState& state = GXGetLibraryState();
    int nObject = 0;
    {
        CGridTestWindow w(2, 2);
        state.RegisterGridOfObject(&nObject, &w.Grid());
        state.RegisterGridOfObject(&nObject, &w.Grid());
        ASSERT_NE(nullptr, state.GridsOfObject(&nObject));
        EXPECT_EQ(2, state.GridsOfObject(&nObject)->GetCount());
    }
    EXPECT_EQ(nullptr, state.GridsOfObject(&nObject));
}

TEST(GridCore, ForwardersAnswerOffWithEveryFeatureSlotEmpty)
{
    CGridTestWindow w(10, 5);
    CGXGridWnd& grid = w.Grid();
    for (int i = 0; i < gxFeatureSlotCount; ++i)
        ASSERT_EQ(nullptr, grid.GetFeature(i)) << i;
    CGXRange range(1, 1, 2, 2), out;
    CString strText = "stale";
    EXPECT_FALSE(grid.GetRangeText(strText, range));
    EXPECT_TRUE(strText.IsEmpty()); // empty, never left as it was
    EXPECT_FALSE(grid.QueryRowHidden(3));
    EXPECT_FALSE(grid.QueryColHidden(3));
    EXPECT_EQ(nullptr, grid.GetCoveredBlock(1, 1, out));
    EXPECT_EQ(nullptr, grid.GetSpanningBlock(1, 1, out));
    EXPECT_FALSE(grid.MoveRows(1, 2, 5));
    EXPECT_FALSE(grid.Undo());
    EXPECT_FALSE(grid.CanCopy());
    EXPECT_FALSE(grid.CanUserResizeCols());
    EXPECT_FALSE(grid.FindInGrid(TRUE));
    EXPECT_FALSE(grid.SwitchRecording(TRUE));
    EXPECT_EQ(nullptr, grid.TakePendingState());
    // The grid still stores and draws.
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2, 2, 2), "x"));
    EXPECT_STREQ("x", grid.GetCellValueText(2, 2));
    grid.UpdateWindow();
}
