// The clock displays: time texts, the countdown's course and its end with auto-continue,
// ticks on the window's own thread, the stopwatch's switch to hours, the break display's
// labels, colour changes, and mirrored drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClockTime.h"
#include "ClockWindows.h"

namespace {

int g_autoContinues = 0;

LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 0x606)
        ++g_autoContinues;
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

// A plain top-level window to hold the displays, pumped by the test's thread; it counts the
// auto-continue requests (0x606) posted to it.
class HostWindow
{
public:
    HostWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ClockTestHost";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(0, "ClockTestHost", "clocks", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                                 200, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HostWindow() { DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

// Pumps messages until pred holds or timeoutMs passed; messages of id `watch` sent to the
// host are counted.
template<class Pred>
[[nodiscard]] bool PumpUntil(Pred pred, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!pred() && GetTickCount() - start < timeoutMs) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return pred();
}

bool TakeAutoContinue(HWND host)
{
    MSG msg;
    while (PeekMessageA(&msg, host, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    bool any = g_autoContinues > 0;
    g_autoContinues = 0;
    return any;
}

const RECT kRect = {0, 0, 200, 60};

// Pixels of a window (32-bit, top-down rows).
std::vector<DWORD> Grab(HWND hWnd, int& width, int& height)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    width = rc.right;
    height = rc.bottom;
    HDC dc = GetDC(hWnd);
    HDC mem = CreateCompatibleDC(dc);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> out((DWORD*)bits, (DWORD*)bits + width * height);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(hWnd, dc);
    return out;
}

} // namespace

TEST(ClockTime, FormatsAndParsesTimes)
{
    struct Case
    {
        long long seconds;
        bool trim;
        const char* text;
    } cases[] = {
        {5, false, "00:00:05"},  {5, true, "0:05"},        {754, true, "12:34"},
        {3723, true, "1:02:03"}, {-90, false, "00:01:30"}, {86400 + 61, false, "00:01:01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTime(CTimeSpan(c.seconds), c.trim), c.text) << c.seconds;

    struct Parse
    {
        const char* text;
        long long seconds;
    } parses[] = {{"1:02:03", 3723}, {"-0:01:30", -90}, {"00:10:00", 600}, {"2", 7200}, {"", 0}};
    for (const Parse& p : parses)
        EXPECT_EQ(ParseTime(p.text).GetTotalSeconds(), p.seconds) << p.text;
}

TEST(CountDownClock, CountsDownThenClosesAndAsksToContinue)
{
    HostWindow host;
    CCountDownClock clock;
    ASSERT_TRUE(clock.Start(host.m_hWnd, kRect, 1001, false, CTimeSpan(6), true, host.m_hWnd));
    std::vector<std::string> shown = {clock.SlotText()};
    for (int i = 0; i < 5; ++i) {
        SendMessageA(clock.GetSafeHwnd(), WM_CLOCK_TICK, 0, 0);
        shown.push_back(clock.SlotText());
    }
    // The colon blinks: shown on odd ticks.
    EXPECT_EQ(shown,
              std::vector<std::string>({" 0:05", " 0 04", " 0:03", " 0 02", " 0:01", " 0 00"}));
    EXPECT_TRUE(clock.IsShown());
    EXPECT_FALSE(TakeAutoContinue(host.m_hWnd));

    HWND hWnd = clock.GetSafeHwnd();
    SendMessageA(hWnd, WM_CLOCK_TICK, 0, 0);
    EXPECT_FALSE(clock.IsShown());
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_TRUE(clock.Finished());
    EXPECT_TRUE(TakeAutoContinue(host.m_hWnd));

    // Without auto-continue the display stays stopped.
    CCountDownClock quiet;
    ASSERT_TRUE(quiet.Start(host.m_hWnd, kRect, 1001, false, CTimeSpan(1), false, host.m_hWnd));
    SendMessageA(quiet.GetSafeHwnd(), WM_CLOCK_TICK, 0, 0);
    EXPECT_FALSE(quiet.IsShown());
    EXPECT_FALSE(TakeAutoContinue(host.m_hWnd));
}

TEST(CountDownClock, ModesLayTheTimeOutInTheirSlots)
{
    HostWindow host;
    struct Case
    {
        int mode;
        long long seconds;
        const char* text;
    } cases[] = {{0, 3723 + 1, " 1:02:03"},
                 {1, 754 + 1, "12:34"},
                 {2, 754 + 1, "  :  :34"},
                 {7, 10, "  :  "}};
    for (const Case& c : cases) {
        CCountDownClock clock;
        clock.SetMode(c.mode);
        ASSERT_TRUE(
            clock.Start(host.m_hWnd, kRect, 1001, false, CTimeSpan(c.seconds), false, nullptr));
        EXPECT_EQ(clock.SlotText(), c.text) << "mode " << c.mode;
    }
}

TEST(CountDownClock, UpNextListFollowsTheClockKeys)
{
    HostWindow host;
    CCountDownClock clock;
    ASSERT_TRUE(clock.Start(host.m_hWnd, kRect, 1001, false, CTimeSpan(30), false, nullptr));
    clock.m_upNext = {{CTimeSpan(0), "Weather", false},
                      {CTimeSpan(0), "Sport", false},
                      {CTimeSpan(90), "News", true}};
    clock.ShowList(true);
    HWND hWnd = clock.GetSafeHwnd();
    typedef std::vector<std::string> Lines;

    // Up: the times are spread from the remaining time to the next fixed entry.
    SendMessageA(hWnd, WM_CLOCK_UP, 0, 0);
    EXPECT_EQ(clock.m_listWnd.Lines(), Lines({"0:28 [Weather]", "0:59 [Sport]", "1:30 [News]"}));
    // Down: the alternate mark on the first line, and off again.
    SendMessageA(hWnd, WM_CLOCK_DOWN, 0, 0);
    EXPECT_EQ(clock.m_listWnd.Lines()[0], "P0:28 [Weather]");
    SendMessageA(hWnd, WM_CLOCK_DOWN, 0, 0);
    EXPECT_EQ(clock.m_listWnd.Lines()[0], "0:28 [Weather]");
    // Left: the first entry goes.
    SendMessageA(hWnd, WM_CLOCK_LEFT, 0, 0);
    EXPECT_EQ(clock.m_listWnd.Lines(), Lines({"0:28 [Sport]", "1:30 [News]"}));
    // The other keys do nothing.
    for (UINT m : {WM_CLOCK_RIGHT, WM_CLOCK_C, WM_CLOCK_Z})
        SendMessageA(hWnd, m, 0, 0);
    EXPECT_EQ(clock.m_listWnd.Lines(), Lines({"0:28 [Sport]", "1:30 [News]"}));
    EXPECT_EQ(clock.SlotText(), " 0:29");
}

class TickThreadClock : public CCountDownClock
{
public:
    void Tick() override
    {
        m_threads.push_back(GetCurrentThreadId());
        CCountDownClock::Tick();
    }
    std::vector<DWORD> m_threads;
};

TEST(CountDownClock, TimerTicksRunOnTheWindowsThread)
{
    HostWindow host;
    TickThreadClock clock;
    DWORD start = GetTickCount();
    ASSERT_TRUE(clock.Start(host.m_hWnd, kRect, 1001, true, CTimeSpan(2), true, host.m_hWnd));
    bool continued = false;
    ASSERT_TRUE(
        PumpUntil([&] { return continued = continued || TakeAutoContinue(host.m_hWnd); }, 10000));
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 1500u);
    EXPECT_LE(took, 8000u);
    EXPECT_FALSE(clock.IsShown());
    ASSERT_GE(clock.m_threads.size(), 3u);
    for (DWORD id : clock.m_threads)
        EXPECT_EQ(id, GetCurrentThreadId());
}

TEST(StopWatch, ShowsMinutesAndSecondsThenHoursAndMinutes)
{
    HostWindow host;
    CStopWatch watch;
    ASSERT_TRUE(watch.Create(host.m_hWnd, kRect, 1003, false));
    watch.SetElapsed(CTimeSpan(9 * 60 + 58));
    watch.Tick();
    EXPECT_EQ(watch.SlotText(), "9:59");
    watch.Tick();
    EXPECT_EQ(watch.SlotText(), "0:10");

    // Started, it ticks once a second through its window.
    watch.SetElapsed(CTimeSpan(0));
    watch.Start();
    EXPECT_TRUE(watch.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return watch.Elapsed().GetTotalSeconds() >= 1; }, 6000));
    watch.Stop();
    EXPECT_FALSE(watch.IsRunning());
    EXPECT_EQ(watch.SlotText(), "0:01");
}

TEST(LtHYDisplay, LabelsLightAndHeavyBreaks)
{
    HostWindow host;
    struct Case
    {
        const char* text;
        bool heavy;
        const char* shown;
    } cases[] = {{"HY 0:02:30", true, "HY 2:30"},
                 {"Lt 0:00:45", false, "LT 0:45"},
                 {"Hvy1:02:03", true, "HY 1:02:03"},
                 {"x", false, "LT 0:00"}};
    for (const Case& c : cases) {
        CLtHYDisplay display;
        ASSERT_TRUE(display.Create(host.m_hWnd, kRect, 1002, false));
        display.SetBreak(c.text, CTimeSpan(2));
        EXPECT_EQ(display.Heavy(), c.heavy) << c.text;
        EXPECT_EQ(display.SetColor(RGB(1, 2, 3)), c.heavy ? RGB(255, 0, 0) : RGB(0, 255, 0));
        display.Tick();
        EXPECT_EQ(display.SlotText(), c.shown);
        display.Tick();
        EXPECT_TRUE(display.IsShown());
        display.Tick(); // the length has run out
        EXPECT_FALSE(display.IsShown()) << c.text;
    }
}

TEST(ClockDrawing, ColourChangesRebuildOnlyWhenNewAndMirroringFlipsTheDigits)
{
    HostWindow host;
    CStopWatch plain, mirrored;
    RECT right = {200, 0, 400, 60};
    ASSERT_TRUE(plain.Create(host.m_hWnd, kRect, 1003, false));
    ASSERT_TRUE(mirrored.Create(host.m_hWnd, right, 1004, true));
    int rebuilds = plain.GlyphRebuilds();
    COLORREF first = plain.SetColor(RGB(255, 255, 255));
    EXPECT_EQ(plain.GlyphRebuilds(), rebuilds + 1);
    EXPECT_EQ(plain.SetColor(RGB(255, 255, 255)), RGB(255, 255, 255));
    EXPECT_EQ(plain.GlyphRebuilds(), rebuilds + 1); // same colour: nothing rebuilt
    mirrored.SetColor(RGB(255, 255, 255));
    EXPECT_NE(first, RGB(255, 255, 255));

    plain.SetElapsed(CTimeSpan(7 * 60 + 1));
    mirrored.SetElapsed(CTimeSpan(7 * 60 + 1));
    plain.Tick();
    mirrored.Tick();
    int w1, h1, w2, h2;
    std::vector<DWORD> a = Grab(plain.GetSafeHwnd(), w1, h1);
    std::vector<DWORD> b = Grab(mirrored.GetSafeHwnd(), w2, h2);
    ASSERT_EQ(w1, w2);
    ASSERT_EQ(h1, h2);
    int lit = 0, mismatched = 0;
    for (int y = 0; y < h1; ++y)
        for (int x = 0; x < w1; ++x) {
            DWORD p = a[y * w1 + x] & 0xFFFFFF;
            lit += p == 0xFFFFFF;
            mismatched += p != (b[y * w1 + (w1 - 1 - x)] & 0xFFFFFF);
        }
    EXPECT_GT(lit, w1 * h1 / 20); // the digits are drawn in the colour
    EXPECT_LT(mismatched, w1 * h1 / 50); // and the mirrored one is their mirror image
}
