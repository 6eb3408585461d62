// Brovanex's start-up call: its copy of the grid library registers the window classes the
// grids need and Brovanex's resources are on the program's resource chain.
#include "BrovanexModule.h"
#include "fw/app.h"
#include "fw/resource_chain.h"
#include <gtest/gtest.h>

TEST(BrovanexStartup, GridInitRegistersTheGridClassesAndJoinsTheResources)
{
    WNDCLASSA wc;
    ASSERT_FALSE(::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc));
    GridInit();
    for (const char* pszClass : {"GXWND", "GXNDBLCLKSWND", "GXEDIT", "GXLISTBOX", "GXCOMBOBOX",
                                 "GxMdiFrame", "CGXGridWnd"})
        EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), pszClass, &wc)) << pszClass;
    // A second start (as the program's own copy makes) registers nothing twice and fails
    // nothing.
    GridInit();
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc));
    // The grid's check-box images and texts are found along the chain, in Brovanex.
    HMODULE hBrovanex = ::GetModuleHandleA("Brovanex.dll");
    ASSERT_NE(nullptr, hBrovanex);
    EXPECT_EQ(hBrovanex, AfxFindResourceHandle(MAKEINTRESOURCE(20026), RT_BITMAP));
    char sz[64] = {};
    EXPECT_GT(AfxLoadString(52513, sz, sizeof sz), 0);
}
