// The edit window with a 60-minute script: time to lay it out, and what one typed character
// costs (the edit, the new layout and the repaint), beside the system's RichEdit control
// typing into the same text in the same run.
#include "TextHelpers.h"
#include "richtext/TXTextControl.h"

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Types n characters into the middle of the window's text and returns the milliseconds
// each took, typing and painting (the median of five rounds).
double TypeInto(HWND wnd, int n)
{
    std::vector<double> rounds;
    for (int round = 0; round < 5; ++round) {
        auto t0 = Clock::now();
        for (int i = 0; i < n; ++i) {
            ::SendMessageA(wnd, WM_CHAR, 'x', 0);
            ::UpdateWindow(wnd);
        }
        rounds.push_back(Ms(t0, Clock::now()) / n);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

} // namespace

int main()
{
    std::string script;
    const char* words[] = {"the", "council", "voted", "tonight", "to", "close", "harbour", "road"};
    for (int w = 0; w < 10800; ++w)
        script += std::string(words[w % 8]) + (w % 40 == 39 ? "\n" : " ");
    CWnd parent;
    parent.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                    nullptr);
    CTXTextControl ctl;
    ctl.Create(&parent, 1, CRect(0, 0, 780, 560));
    const int n = 50;

    auto t0 = Clock::now();
    ctl.LoadFromMemory(script.data(), script.size(), TXFORMAT_TEXT);
    ::UpdateWindow(ctl.m_hWnd);
    auto t1 = Clock::now();
    ctl.SetSel(static_cast<long>(script.size() / 2), static_cast<long>(script.size() / 2));
    ::UpdateWindow(ctl.m_hWnd);
    const double ours = TypeInto(ctl.m_hWnd, n);

    // The system's RichEdit control, the same size, the same text, the caret in the middle.
    double system = -1;
    if (::LoadLibraryA("riched20.dll")) {
        HWND rich =
            ::CreateWindowExA(0, RICHEDIT_CLASSA, "",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0,
                              0, 780, 560, parent.m_hWnd, nullptr, nullptr, nullptr);
        if (rich) {
            ::SendMessageA(rich, EM_EXLIMITTEXT, 0, 16 * 1024 * 1024);
            ::SetWindowTextA(rich, script.c_str());
            const LPARAM middle = static_cast<LPARAM>(script.size() / 2);
            ::SendMessageA(rich, EM_SETSEL, static_cast<WPARAM>(middle), middle);
            ::UpdateWindow(rich);
            ::ShowWindow(ctl.m_hWnd, SW_HIDE);
            system = TypeInto(rich, n);
            ::DestroyWindow(rich);
            ::ShowWindow(ctl.m_hWnd, SW_SHOW);
        }
    }

    // The parts: the edit in the model alone, a new layout of one paragraph, of the whole text.
    auto t2 = Clock::now();
    for (int i = 0; i < n; ++i)
        ctl.Core().TypeChar(u'y');
    auto t3 = Clock::now();
    CTXLayout layout;
    CTXFontCache fonts;
    HDC screen = ::GetDC(ctl.m_hWnd);
    layout.Build(screen, ctl.Core().Document(), 780, fonts);
    CRichDocument::Change one;
    one.any = true;
    one.whole = false;
    one.lo = one.oldHi = one.newHi = ctl.Core().Document().Length() / 2;
    auto t4 = Clock::now();
    for (int i = 0; i < n; ++i)
        layout.Apply(screen, ctl.Core().Document(), one, fonts);
    auto t5 = Clock::now();
    for (int i = 0; i < n; ++i)
        layout.Build(screen, ctl.Core().Document(), 780, fonts);
    auto t6 = Clock::now();
    ::ReleaseDC(ctl.m_hWnd, screen);

    std::printf("60-minute script in the window: %zu characters, %zu display lines\n",
                ctl.Core().Document().Length(), ctl.Layout().Lines().size());
    std::printf("load, lay out and paint      %8.2f ms\n", Ms(t0, t1));
    std::printf("one typed character          %8.3f ms (edit, layout, repaint)\n", ours);
    if (system >= 0)
        std::printf("  the system RichEdit        %8.3f ms (ours %.2f times its cost)\n", system,
                    ours / system);
    else
        std::printf("  the system RichEdit        not available\n");
    std::printf("  of which the edit          %8.3f ms\n", Ms(t2, t3) / n);
    std::printf("  one paragraph laid out     %8.3f ms\n", Ms(t4, t5) / n);
    std::printf("  (a whole new layout        %8.3f ms)\n", Ms(t5, t6) / n);
    ctl.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
