// The row list tells its grid window to rebuild after numbering, times, deletion and
// moves; without a window it tells nobody. Windows only: natively there are no windows.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ShowBuilder.h"

namespace {
std::vector<std::pair<WPARAM, LPARAM>> g_received;

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == RUNDOWN_GRID_MESSAGE) {
        g_received.emplace_back(wParam, lParam);
        return 1;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

class GridNotify : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "RundownNotifyRecorder";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                 wc.hInstance, NULL);
        ASSERT_NE(window, (HWND)NULL);
        g_received.clear();
    }
    void TearDown() override
    {
        if (window)
            DestroyWindow(window);
    }
    HWND window = NULL;
};
} // namespace

TEST_F(GridNotify, EachChangeAsksTheGridToRebuildOnce)
{
    TestShow show("SSBSE");
    show.list.SetMessageHWnd(window);
    const std::pair<WPARAM, LPARAM> rebuild(1, 0);

    const struct
    {
        const char* name;
        void (*change)(TestShow&);
        size_t messages;
    } cases[] = {
        {"CalcCummTime", [](TestShow& s) { s.list.CalcCummTime(); }, 1},
        {"IntReNum", [](TestShow& s) { s.list.IntReNum(); }, 1},
        {"SegReNum", [](TestShow& s) { s.list.SegReNum(); }, 1},
        {"UpdatePosition", [](TestShow& s) { s.list.UpdatePosition(); }, 0},
        {"DeleteSelectedScript",
         [](TestShow& s) { s.list.DeleteSelectedScript(s.Rows()[0]->RecNo); }, 1},
        {"MoveRows",
         [](TestShow& s) {
             CDWordArray positions;
             positions.Add(1);
             s.list.MoveRows(&positions, 3);
         },
         1},
        {"AddEOS", [](TestShow& s) { s.list.AddEOS(); }, 0},
    };
    for (const auto& c : cases) {
        g_received.clear();
        c.change(show);
        ASSERT_EQ(g_received.size(), c.messages) << c.name;
        for (const auto& message : g_received)
            EXPECT_EQ(message, rebuild) << c.name;
    }
}

TEST_F(GridNotify, NoWindowStoredSendsNothing)
{
    TestShow show("SBE");
    show.list.SetMessageHWnd(window);
    show.list.SetMessageHWnd(NULL);
    show.list.CalcCummTime();
    show.list.SegReNum();
    show.list.DeleteSelectedScript(12345);
    EXPECT_TRUE(g_received.empty());
}
