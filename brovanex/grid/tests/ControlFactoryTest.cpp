// The control factory, the grid's control registry and the library start-up.
#include "ControlTestSupport.h"
#include "controls/GXStatic.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"
#include "core/GXTabWnd.h"
#include <gtest/gtest.h>

namespace {
class ControlFactory : public ::testing::Test
{
protected:
    ControlFactory() : m_w((GXTestStartLibrary(), 20), 10) { }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGridTestWindow m_w;
};

// A factory that knows no id but 52513 and counts what it is asked.
class CCountingFactory : public CGXControlFactory
{
public:
    CGXControl* CreateCellControl(UINT nID, CGXGridCore* pGrid) override
    {
        ++m_nCalls;
        return nID == 52513 ? new CGXStatic(pGrid) : nullptr;
    }
    int m_nCalls = 0;
};

class CDestructionCountingFactory : public CGXControlFactory
{
public:
    explicit CDestructionCountingFactory(int* pnDeleted) : m_pnDeleted(pnDeleted) { }
    ~CDestructionCountingFactory() override { ++*m_pnDeleted; }
    int* m_pnDeleted;
};
} // namespace

TEST_F(ControlFactory, IdsGiveTheirControlsAndUnbuiltOnesTheStaticStandIn)
{
    CGXControlFactory factory;
    struct Case
    {
        UINT nID;
        const char* pszClass; // null: any class
    } cases[] = {
        {52513, "CGXStatic"}, {52520, "CGXHeader"}, {52512, nullptr}, {52517, nullptr},
        {52545, nullptr},     {52543, nullptr},     {40000, nullptr},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CGXControl> pControl(factory.CreateCellControl(c.nID, &grid()));
        ASSERT_NE(nullptr, pControl) << c.nID;
        EXPECT_EQ(&grid(), pControl->Grid());
        if (c.pszClass != nullptr) {
            EXPECT_STREQ(c.pszClass, GXControlClassName(pControl.get())) << c.nID;
        }
        // Every control is a cell control: a built class or the static stand-in.
        EXPECT_TRUE(pControl->IsKindOf(GX_CONTROL_CLASS(CGXControl)));
    }
    // An id the table does not name gets what 52512 gets.
    std::unique_ptr<CGXControl> pUnknown(factory.CreateCellControl(40000, &grid()));
    std::unique_ptr<CGXControl> pEdit(factory.CreateCellControl(52512, &grid()));
    EXPECT_STREQ(GXControlClassName(pEdit.get()), GXControlClassName(pUnknown.get()));
    // The OLE preview is only for browser grids.
    EXPECT_EQ(nullptr, factory.CreateCellControl(20132, &grid()));
}

TEST_F(ControlFactory, RegistersEveryControlIdWithANameAndTheAttributes)
{
    CGXStylesMap map;
    CGXControlFactory factory;
    factory.RegisterControlIds(&map);
    factory.RegisterControlAttributes(&map);
    EXPECT_EQ(37u, map.ControlNames().size());
    for (WORD nID : CGXControlFactory::s_anControlIds) {
        auto it = map.ControlNames().find(nID);
        ASSERT_NE(map.ControlNames().end(), it) << nID;
        EXPECT_FALSE(it->second.IsEmpty()) << nID;
    }
    for (WORD nAttr : {51011, 51012, 51013, 51022, 52792})
        EXPECT_EQ(1u, map.UserAttributeEntries().count(nAttr)) << nAttr;
    // The minimum is edited as a number, the ellipsis type from a drop-down list.
    EXPECT_EQ(1, map.UserAttributeEntries().at(51011).pDefault->GetValueType());
    EXPECT_EQ(52529, map.UserAttributeEntries().at(52792).pDefault->GetControl());
}

TEST_F(ControlFactory, GridsDrawThroughRegisteredControls)
{
    // Initialisation made the standard style's control the default.
    ASSERT_NE(nullptr, grid().GetDefaultControl());
    EXPECT_EQ(grid().GetDefaultControl(), grid().LookupControl(0));
    CGXControl* pHeader = grid().LookupControl(52520);
    EXPECT_STREQ("CGXHeader", GXControlClassName(pHeader));
    // One control per id per grid.
    EXPECT_EQ(pHeader, grid().LookupControl(52520));
    EXPECT_EQ(pHeader, grid().GetControl(0, 1));
}

TEST_F(ControlFactory, AnIdTheFactoryDoesNotKnowFallsBackToTheDefaultEachTime)
{
    CCountingFactory* pFactory = new CCountingFactory;
    CGXGridLibraryState& state = GXGetLibraryState();
    CGXControlFactory* pOld = state.m_pControlFactory;
    state.m_pControlFactory = pFactory;
    CGXControl* pDefault = grid().GetDefaultControl();
    EXPECT_EQ(pDefault, grid().LookupControl(999));
    EXPECT_EQ(pDefault, grid().LookupControl(999));
    EXPECT_EQ(2, pFactory->m_nCalls);
    state.m_pControlFactory = pOld;
    delete pFactory;
}

TEST_F(ControlFactory, ReplacingARegisteredControlDeletesTheOldOne)
{
    CGXControl* pFirst = new CGXStatic(&grid());
    grid().AddCellControl(30001, pFirst);
    EXPECT_EQ(pFirst, grid().LookupControl(30001));
    CGXControl* pSecond = new CGXHeader(&grid());
    grid().AddCellControl(30001, pSecond);
    // The cache held the first control; it now gives the second.
    EXPECT_EQ(pSecond, grid().LookupControl(30001));
}

TEST(GridStartup, StartingTwiceReplacesTheFactoryAndKeepsClassesAndClipboardFormat)
{
    GXTestStartLibrary();
    CGXGridLibraryState& state = GXGetLibraryState();
    const UINT nFormat = state.m_nClipboardFormat;
    EXPECT_NE(0u, nFormat);
    int nDeleted = 0;
    GXStartGridLibrary(0x600, new CDestructionCountingFactory(&nDeleted), 0, 0);
    EXPECT_EQ(0, nDeleted);
    // Registering classes that exist counts as success; the format is the same one.
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(nFormat, state.m_nClipboardFormat);
    EXPECT_TRUE(state.m_bStarted);
    WNDCLASSA wc;
    for (const char* pszClass : {"GXWND", "GXNDBLCLKSWND", "GXEDIT", "GXLISTBOX", "GXCOMBOBOX",
                                 "GxMdiFrame", "CGXGridWnd"})
        EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), pszClass, &wc)) << pszClass;
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), state.m_strDragLineClass, &wc));
    EXPECT_EQ((UINT)CS_SAVEBITS, wc.style);
    // The texts of the state came from the string table.
    EXPECT_FALSE(state.m_astrTexts[2].IsEmpty());
}

namespace {
class CCountedActivation : public CGXGridActivationListener
{
public:
    explicit CCountedActivation(int& n) : m_n(n) { }
    ~CCountedActivation() override { ++m_n; }
    void OnGridActivated(CGXGridCore*) override { }
    int& m_n;
};
class CCountedCellListener : public CGXCurrentCellListener
{
public:
    explicit CCountedCellListener(int& n) : m_n(n) { }
    ~CCountedCellListener() override { ++m_n; }
    void OnCurrentCellChanged(CGXGridCore*) override { }
    int& m_n;
};
} // namespace

TEST(GridStartup, ANewFactoryDeletesTheAuxiliaryObjectsOnceAndTheTabWindowMakesItsAgain)
{
    GXTestStartLibrary();
    CGXGridLibraryState& state = GXGetLibraryState();
    const BOOL bTabClassListed =
        state.m_gridParentClasses.Find(RUNTIME_CLASS(CGXTabWnd)) != nullptr;
    int nDeleted = 0;
    state.m_pActivationListener = new CCountedActivation(nDeleted);
    state.m_pCurrentCellListener = new CCountedCellListener(nDeleted);
    {
        CGXTabWnd tabWnd; // the first tab window makes the interface
        EXPECT_NE(nullptr, state.m_pTabWndInterface);
    }
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    EXPECT_EQ(2, nDeleted);
    EXPECT_EQ(nullptr, state.m_pActivationListener);
    EXPECT_EQ(nullptr, state.m_pCurrentCellListener);
    EXPECT_EQ(nullptr, state.m_pTabWndInterface);
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    EXPECT_EQ(2, nDeleted); // never twice
    {
        CGXTabWnd tabWnd;
        EXPECT_NE(nullptr, state.m_pTabWndInterface);
    }
    if (!bTabClassListed) // tab windows list their class as a grid parent: leave it as found
        state.m_gridParentClasses.RemoveAt(
            state.m_gridParentClasses.Find(RUNTIME_CLASS(CGXTabWnd)));
}

namespace {
class CFrameA : public CWnd
{
    DECLARE_DYNAMIC(CFrameA)
};
IMPLEMENT_DYNAMIC(CFrameA, CWnd)
class CFrameB : public CFrameA
{
    DECLARE_DYNAMIC(CFrameB)
};
IMPLEMENT_DYNAMIC(CFrameB, CFrameA)
} // namespace

TEST(GridStartup, TheGridFindsItsParentFrameThroughTheRegisteredClasses)
{
    GXTestStartLibrary();
    CFrameB frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_CHILD, CRect(0, 0, 200, 100), &frame, 7);
    CGXGridLibraryState& state = GXGetLibraryState();
    EXPECT_EQ(nullptr, pGrid->GetGridParentWindow());
    state.AddGridParentClass(RUNTIME_CLASS(CFrameA));
    state.AddGridParentClass(RUNTIME_CLASS(CFrameA));
    EXPECT_EQ(1, (int)state.m_gridParentClasses.GetCount());
    EXPECT_EQ(&frame, pGrid->GetGridParentWindow());
    EXPECT_TRUE(pGrid->IsInGridParentWindow());
    EXPECT_EQ(nullptr, state.FindGridParent(&frame));
    state.m_gridParentClasses.RemoveAll();
    pGrid->DestroyWindow();
    delete pGrid;
    frame.DestroyWindow();
}

namespace {
class CCountedControl : public CGXStatic
{
public:
    CCountedControl(CGXGridCore* pGrid, int* pnDeleted) : CGXStatic(pGrid), m_pnDeleted(pnDeleted)
    { }
    ~CCountedControl() override { ++*m_pnDeleted; }
    int* m_pnDeleted;
};
} // namespace

TEST(GridControlRegistry, AControlServingSeveralIdsIsDeletedOnce)
{
    GXTestStartLibrary();
    int nDeleted = 0;
    {
        CGridTestWindow w(5, 5);
        CGXControl* pShared = new CCountedControl(&w.Grid(), &nDeleted);
        w.Grid().AddCellControl(30010, pShared);
        w.Grid().AddCellControl(30011, pShared);
        // Replacing one of its ids keeps it for the other.
        w.Grid().AddCellControl(30010, new CGXStatic(&w.Grid()));
        EXPECT_EQ(0, nDeleted);
        EXPECT_EQ(pShared, w.Grid().LookupControl(30011));
        w.Grid().AddCellControl(30012, pShared);
    }
    EXPECT_EQ(1, nDeleted);
}
