// Prompter figures, full screen: the cost of one scroll tick, ticks delivered against ticks
// due at each speed entry, and the start of a 60-minute show to its first painted frame
// with the peak memory of that run.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <mmsystem.h>
#include <string>
#include <vector>

#include "test_host.h"

namespace {

// About 216 words a script: 50 scripts read in an hour at 180 words a minute.
std::string ScriptRtf(int script)
{
    static const char* words[] = {"tonight",   "the",   "council", "voted",     "to",
                                  "close",     "the",   "old",     "bridge",    "while",
                                  "engineers", "study", "repairs", "that",      "could",
                                  "take",      "until", "spring",  "officials", "said"};
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                      "{\\colortbl ;\\red0\\green0\\blue0;\\red200\\green0\\blue0;}\\f0\\fs24 ";
    int word = script;
    for (int sentence = 0; sentence < 18; ++sentence) {
        if (sentence % 6 == 0)
            rtf += "\\cf2\\b STORY " + std::to_string(script) + "\\b0\\cf1\\par ";
        for (int w = 0; w < 12; ++w)
            rtf += std::string(words[(word++) % 20]) + (w == 11 ? ". " : " ");
        if (sentence % 2)
            rtf += "\\par ";
    }
    rtf += "\\par }";
    return rtf;
}

double Percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size())))];
}

void KillTimer(CMarquillCmdWnd* p)
{
    if (p->m_nScrollTimer) {
        timeKillEvent(p->m_nScrollTimer);
        p->m_nScrollTimer = 0;
    }
}

double Ms(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart);
}

// The cost of each tick at an entry, ticks given at the entry's period as the timer would
// (which also wakes the line threads each period).
std::vector<double> TickCost(CMarquillCmdWnd* p, int entry)
{
    KillTimer(p);
    p->StartStop(true);
    p->PromptParagraph(p->m_lstParagraphs.GetHeadPosition());
    p->ChangeSpeed(p->m_speedKeys[entry].first);
    KillTimer(p);
    const int period = p->m_speedKeys[entry].second;
    const LONG missesBefore = p->m_nLineMisses;
    LARGE_INTEGER a, b, due;
    QueryPerformanceCounter(&due);
    std::vector<double> ms;
    for (int i = 0; i < 1000 && !p->m_bAtBottom; ++i) {
        // Waits out the period, serving messages, as the message loop would between ticks.
        for (;;) {
            MSG msg;
            while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessage(&msg);
            QueryPerformanceCounter(&a);
            const double left = period - Ms(due, a);
            if (left <= 0)
                break;
            if (left > 2)
                Sleep(1);
        }
        QueryPerformanceCounter(&due);
        p->WakeLineWorkers();
        QueryPerformanceCounter(&a);
        p->SendMessage(WM_PROMPTER_TICK);
        QueryPerformanceCounter(&b);
        ms.push_back(Ms(a, b));
    }
    const double med = Percentile(ms, 0.5), p99 = Percentile(ms, 0.99);
    printf("tick cost, entry %d (%d px / %d ms): %zu ticks, median %.3f ms, p99 %.3f ms, "
           "p99/period %.3f, lines the tick drew itself %ld\n",
           entry, p->m_speedKeys[entry].first, period, ms.size(), med, p99, p99 / period,
           long(p->m_nLineMisses - missesBefore));
    return ms;
}

// One bare copy of a full window's worth of pixels from a memory image to the window.
double BareFullWindowCopy(CMarquillCmdWnd* p)
{
    RECT rc;
    ::GetClientRect(p->GetSafeHwnd(), &rc);
    BYTE* bits = nullptr;
    HBITMAP image = NewRowBitmap(rc.right, rc.bottom, &bits);
    HDC window = ::GetDC(p->GetSafeHwnd());
    HDC mem = CreateCompatibleDC(window);
    HGDIOBJ old = SelectObject(mem, image);
    PatBlt(mem, 0, 0, rc.right, rc.bottom, WHITENESS);
    std::vector<double> ms;
    LARGE_INTEGER a, b;
    for (int i = 0; i < 300; ++i) {
        QueryPerformanceCounter(&a);
        BitBlt(window, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
        GdiFlush();
        QueryPerformanceCounter(&b);
        ms.push_back(Ms(a, b));
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ::ReleaseDC(p->GetSafeHwnd(), window);
    DeleteObject(image);
    p->Invalidate(FALSE);
    p->UpdateWindow();
    return Percentile(ms, 0.5);
}

} // namespace

int main()
{
    TestHost host;
    const int scripts = 50;
    for (int i = 1; i <= scripts; ++i) {
        host.show.push_back({i, 0, "Story " + std::to_string(i), 0});
        host.scripts[i] = ScriptRtf(i);
    }
    host.show.push_back({999, 2, "", 0});

    TestPrompter* p = host.NewPrompter(true);
    // Marquill's own settings for a show.
    p->m_bKeepAllLines = 1;
    p->m_bTrackParagraph = 1;
    p->m_bBookmarks = 1;
    p->m_bScriptHeaders = 1;
    p->m_nPointerPosition = 3;
    p->m_logFont.lfHeight = -48;
    host.CreateFullScreen(p, 1920, 1080);

    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    p->OnPromptShow(1); // lays out, renders and paints the first frame
    QueryPerformanceCounter(&b);
    int lines = 0;
    for (POSITION pos = p->m_lstParagraphs.GetHeadPosition(); pos;)
        lines += p->m_lstParagraphs.GetNext(pos)->m_nLines;
    printf(
        "OnPromptShow of a %d-script show (%d paragraphs, %d lines) to the first frame: %.1f ms\n",
        scripts, int(p->m_lstParagraphs.GetCount()), lines,
        double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart));
    PROCESS_MEMORY_COUNTERS pmc;
    pmc.cb = sizeof(pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
    printf("peak memory after the start: working set %.1f MB, private %.1f MB\n",
           double(pmc.PeakWorkingSetSize) / 1048576.0, double(pmc.PeakPagefileUsage) / 1048576.0);

    const std::vector<double> normal = TickCost(p, ps_normal);
    const std::vector<double> fastest = TickCost(p, ps_max);
    const double bare = BareFullWindowCopy(p);
    printf("median tick: normal %.3f ms, maximum %.3f ms; one bare full-window copy %.3f ms\n",
           Percentile(normal, 0.5), Percentile(fastest, 0.5), bare);

    // For comparison: repainting the whole window from the off-screen bitmap, nothing moved.
    {
        std::vector<double> ms;
        for (int i = 0; i < 500; ++i) {
            QueryPerformanceCounter(&a);
            p->Invalidate(TRUE);
            p->UpdateWindow();
            QueryPerformanceCounter(&b);
            ms.push_back(double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart));
        }
        printf("repaint only: median %.3f ms, p99 %.3f ms\n", Percentile(ms, 0.5),
               Percentile(ms, 0.99));
    }

    // Ticks delivered against ticks due, 10 s at each entry under the multimedia timer.
    for (int entry = 0; entry < SPEED_ENTRIES; ++entry) {
        p->StartStop(true);
        p->PromptParagraph(p->m_lstParagraphs.GetHeadPosition());
        const SpeedPair speed = p->m_speedKeys[entry];
        CMarquillCmdWnd::m_sDelay = -1; // makes ChangeSpeed start the entry's timer
        p->ChangeSpeed(speed);
        const LONG ticks = p->m_nTicksMoved;
        const LONG waits = p->m_nLineMisses;
        TestHost::PumpFor(10000);
        const LONG got = p->m_nTicksMoved - ticks;
        const double due = 10000.0 / speed.second;
        printf("entry %2d (%2d px / %2d ms): %ld ticks of %.0f due (%.1f%%), %ld lines the "
               "tick drew itself%s\n",
               entry, speed.first, speed.second, long(got), due, 100.0 * got / due,
               long(p->m_nLineMisses - waits), p->m_bAtBottom ? " (reached the end)" : "");
        p->StartStop(true);
    }
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
    printf("peak memory of the run: working set %.1f MB, private %.1f MB\n",
           double(pmc.PeakWorkingSetSize) / 1048576.0, double(pmc.PeakPagefileUsage) / 1048576.0);
    p->SendMessage(WM_CLOSE);
    if (!TestHost::PumpUntil([&] { return !host.prompter; }, 10000))
        std::printf("the prompter did not close within 10 seconds\n");
    return 0;
}
