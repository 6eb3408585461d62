// The edit window with a 60-minute script: time to lay it out, and what one typed
// character costs (the edit, the new layout and a paint).
#include "richtext/TXTextControl.h"

#include <chrono>
#include <cstdio>
#include <string>

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
    auto now = [] { return std::chrono::steady_clock::now(); };
    auto ms = [](auto a, auto b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    };

    auto t0 = now();
    ctl.LoadFromMemory(script.data(), script.size(), TXFORMAT_TEXT);
    ::UpdateWindow(ctl.m_hWnd);
    auto t1 = now();
    const int n = 50;
    ctl.SetSel(static_cast<long>(script.size() / 2), static_cast<long>(script.size() / 2));
    for (int i = 0; i < n; ++i) {
        ::SendMessageA(ctl.m_hWnd, WM_CHAR, 'x', 0);
        ::UpdateWindow(ctl.m_hWnd);
    }
    auto t2 = now();
    // The parts: the edit in the model alone, a new layout, a paint into memory.
    for (int i = 0; i < n; ++i)
        ctl.Core().TypeChar('y');
    auto t3 = now();
    CTXLayout layout;
    CTXFontCache fonts;
    HDC screen = ::GetDC(ctl.m_hWnd);
    for (int i = 0; i < n; ++i)
        layout.Build(screen, ctl.Core().Document(), 780, fonts);
    auto t4 = now();
    RECT rc = {0, 0, 780, 560};
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 780, 560);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    for (int i = 0; i < n; ++i)
        ctl.PaintTo(mem, rc);
    auto t5 = now();
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(ctl.m_hWnd, screen);
    std::printf("60-minute script in the window: %zu characters, %zu display lines\n",
                ctl.Core().Document().Length(), ctl.Layout().Lines().size());
    std::printf("load, lay out and paint   %8.2f ms\n", ms(t0, t1));
    std::printf("one typed character       %8.2f ms (edit, layout, paint)\n", ms(t1, t2) / n);
    std::printf("  of which the edit       %8.2f ms\n", ms(t2, t3) / n);
    std::printf("  a whole new layout      %8.2f ms\n", ms(t3, t4) / n);
    std::printf("  a paint into memory     %8.2f ms\n", ms(t4, t5) / n);
    ctl.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
