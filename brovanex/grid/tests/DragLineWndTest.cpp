// The drag line's feedback window and a plug-in that goes before its grid window.
#include "GridTestWindow.h"
#include "core/GXDragLineWnd.h"
#include "core/GXPluginComponent.h"
#include <gtest/gtest.h>

namespace {
TEST(DragLineWnd, DrawsItsLineFromTheTopLeftCorner)
{
    CGridTestWindow w(10, 5);
    CGXDragLineWnd line(&w.Grid());
    ASSERT_TRUE(line.Create(&w.Grid()));
    EXPECT_FALSE(line.IsWindowVisible());
    EXPECT_EQ(line.GetDlgCtrlID(), 0);
    CRect rect;
    line.GetClientRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(1, 1));
    line.m_pen.SetStyle(PS_SOLID).SetWidth(1).SetColor(RGB(255, 0, 0));
    line.SetWindowPos(&CWnd::wndTop, 10, 10, 20, 20, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    line.Invalidate();
    line.UpdateWindow();
    CClientDC dc(&line);
    EXPECT_EQ(dc.GetPixel(0, 0) & 0xFFFFFF, RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(10, 10) & 0xFFFFFF, RGB(255, 0, 0));
    line.DestroyWindow();
}

TEST(PluginComponent, APluginDestroyedBeforeItsGridWindowLeavesTheWindowAttached)
{
    CGridTestWindow w(10, 5);
    HWND hGrid = w.Grid().m_hWnd;
    {
        CGXPluginComponent plugin;
        ASSERT_TRUE(plugin.AttachToWindow(&w.Grid()));
        EXPECT_EQ(plugin.m_hWnd, hGrid);
    }
    EXPECT_TRUE(::IsWindow(hGrid));
    EXPECT_EQ(CWnd::FromHandlePermanent(hGrid), &w.Grid());
    w.Grid().Invalidate();
    w.Grid().UpdateWindow(); // the grid still handles its messages
}
} // namespace
