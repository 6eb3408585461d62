// The clock displays.
#include "ClockWindows.h"

#include <mmsystem.h>

#include "ClockTime.h"

// Countdown ended with auto-continue: the prompter closes the clocks and scrolls on.
#ifndef WM_PROMPTER_AUTOCONTINUE
#define WM_PROMPTER_AUTOCONTINUE 0x606
#endif

namespace {

const char kClockClass[] = "_QEL_PROMPTER_CLOCK";
const COLORREF kClockColor = RGB(255, 255, 0);
const COLORREF kHeavyColor = RGB(255, 0, 0);
const COLORREF kLightColor = RGB(0, 255, 0);

bool RegisterClockClass()
{
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA; // replaced per window by CClockWnd::WndProc
    wc.hInstance = SelvatraModule();
    wc.lpszClassName = kClockClass;
    registered = RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered;
}

int Digit(long long value) { return (int)(value % 10); }

} // namespace

// ---- common window --------------------------------------------------------------------

CClockWnd::CClockWnd(int glyphCount, COLORREF color) : m_color(color), m_glyphs(glyphCount) { }

CClockWnd::~CClockWnd() { Destroy(); }

bool CClockWnd::Create(HWND parent, const RECT& rect, int id, bool mirror)
{
    if (m_hWnd || !RegisterClockClass())
        return false;
    m_bMirror = mirror;
    m_hWnd = CreateWindowExA(0, kClockClass, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             (HMENU)(INT_PTR)id, SelvatraModule(), nullptr);
    if (!m_hWnd)
        return false;
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)&CClockWnd::WndProc);
    m_glyphs.Build(m_color, m_back);
    return true;
}

void CClockWnd::Destroy()
{
    StopTicks();
    if (m_hWnd) {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        DestroyWindow(hWnd);
    }
}

COLORREF CClockWnd::SetColor(COLORREF c)
{
    COLORREF previous = m_color;
    if (c != m_color) {
        m_color = c;
        if (m_hWnd) {
            m_glyphs.Build(m_color, m_back);
            InvalidateRect(m_hWnd, nullptr, TRUE);
        }
    }
    return previous;
}

std::string CClockWnd::SlotText() const
{
    static const char kChars[] = "0123456789: AMLTHY";
    std::string text;
    for (int g : m_slots)
        text += g >= 0 && g < 18 ? kChars[g] : '?';
    return text;
}

void CALLBACK CClockWnd::TimerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    // The timer's thread only posts: every window operation stays on the window's thread.
    PostMessageA((HWND)user, WM_CLOCK_TICK, 0, 0);
}

void CClockWnd::StartTicks()
{
    if (m_nTimer || !m_hWnd)
        return;
    m_nTimer = timeSetEvent(1000, 10, &CClockWnd::TimerProc, (DWORD_PTR)m_hWnd,
                            TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void CClockWnd::StopTicks()
{
    if (m_nTimer)
        timeKillEvent(m_nTimer);
    m_nTimer = 0;
}

void CClockWnd::ShowSlots(const std::vector<int>& glyphs)
{
    m_slots = glyphs;
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
        UpdateWindow(m_hWnd);
    }
}

void CClockWnd::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client;
    GetClientRect(m_hWnd, &client);
    HBRUSH back = CreateSolidBrush(m_back);
    FillRect(dc, &client, back);
    DeleteObject(back);
    int count = (int)m_slots.size();
    if (count > 0) {
        int width = client.right / count;
        SIZE size = m_glyphs.GlyphSize();
        HDC mem = CreateCompatibleDC(dc);
        for (int n = 0; n < count; ++n) {
            HBITMAP glyph = m_glyphs.Glyph(m_slots[n]);
            if (!glyph)
                continue;
            HGDIOBJ old = SelectObject(mem, glyph);
            SetStretchBltMode(dc, COLORONCOLOR);
            if (m_bMirror)
                StretchBlt(dc, client.right - n * width - 1, 0, -width, client.bottom, mem, 0, 0,
                           size.cx, size.cy, SRCCOPY);
            else
                StretchBlt(dc, n * width, 0, width, client.bottom, mem, 0, 0, size.cx, size.cy,
                           SRCCOPY);
            SelectObject(mem, old);
        }
        DeleteDC(mem);
    }
    EndPaint(m_hWnd, &ps);
}

LRESULT CClockWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CLOCK_TICK:
        Tick();
        return 0;
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CClockWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CClockWnd* self = reinterpret_cast<CClockWnd*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!self || self->m_hWnd != hWnd) {
        // A tick still queued for a display that has gone is dropped.
        return message == WM_CLOCK_TICK ? 0 : DefWindowProcA(hWnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

// ---- countdown clock ------------------------------------------------------------------

CCountDownClock::CCountDownClock() : CClockWnd(12, kClockColor) { }

bool CCountDownClock::Start(HWND parent, const RECT& rect, int id, bool mirror, CTimeSpan length,
                            bool autoContinue, HWND notify)
{
    if (!Create(parent, rect, id, mirror))
        return false;
    m_bAutoContinue = autoContinue;
    m_hNotify = notify;
    m_bFinished = false;
    m_nTicks = 0;
    SetTime(length);
    Tick(); // show the time at once, then once a second
    if (IsShown())
        StartTicks();
    return true;
}

void CCountDownClock::SetTime(CTimeSpan length)
{
    m_start = length;
    m_remaining = length - CTimeSpan(1);
}

int CCountDownClock::SetMode(int mode)
{
    int previous = m_nMode;
    m_nMode = mode;
    return previous;
}

void CCountDownClock::Tick()
{
    if (!m_hWnd)
        return;
    if (m_remaining < CTimeSpan(0)) {
        MessageBeep(MB_OK);
        m_bFinished = true;
        HWND notify = m_hNotify;
        bool autoContinue = m_bAutoContinue;
        m_listWnd.Destroy();
        Destroy();
        if (autoContinue && notify)
            PostMessageA(notify, WM_PROMPTER_AUTOCONTINUE, 0, 0);
        return;
    }
    if (!m_upNext.empty() && m_upNext[0].m_time > m_remaining && !m_bAlternate && m_bListShown)
        RedrawList();
    ++m_nTicks;
    long long s = m_remaining.GetTotalSeconds();
    int hours = (int)(s / 3600 % 24), minutes = (int)(s / 60 % 60), seconds = (int)(s % 60);
    const int B = GLYPH_BLANK, C = GLYPH_COLON;
    std::vector<int> g;
    switch (m_nMode) {
    case 0:
    case 3:
        g = {hours / 10 ? hours / 10 : B,
             Digit(hours),
             C,
             minutes / 10,
             Digit(minutes),
             C,
             seconds / 10,
             Digit(seconds)};
        break;
    case 1:
        g = {minutes / 10 ? minutes / 10 : B, Digit(minutes), C, seconds / 10, Digit(seconds)};
        break;
    case 2:
        g = {B, B, C, B, B, C, seconds / 10, Digit(seconds)};
        break;
    default:
        g = {B, B, C, B, B};
        break;
    }
    // The colon in slot 2 blinks; overtime flashes the whole display instead.
    if (m_bOvertime) {
        MessageBeep(MB_OK);
        if (m_nTicks % 2 == 1)
            for (int& x : g)
                x = B;
    } else if (m_nTicks % 2 == 0)
        g[2] = B;
    ShowSlots(g);
    m_remaining -= CTimeSpan(1);
}

void CCountDownClock::RecomputeTimes()
{
    if (m_upNext.empty())
        return;
    // The first entry starts when the countdown ends; the entries between two fixed times
    // share the gap in equal whole seconds (at least one each).
    m_upNext[0].m_time = m_remaining;
    size_t from = 0;
    for (size_t i = 1; i <= m_upNext.size(); ++i) {
        if (i < m_upNext.size() && !m_upNext[i].m_bFixed)
            continue;
        size_t run = i - from - 1;
        long long gap = i < m_upNext.size()
            ? (m_upNext[i].m_time - m_upNext[from].m_time).GetTotalSeconds()
            : (long long)run;
        long long part = run ? gap / (long long)(run + 1) : 0;
        if (part < 1)
            part = 1;
        for (size_t k = from + 1; k < i; ++k)
            m_upNext[k].m_time = m_upNext[k - 1].m_time + CTimeSpan(part);
        from = i;
    }
}

std::vector<std::string> CCountDownClock::ListLines() const
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < m_upNext.size() && i < 3; ++i) {
        std::string line = (i == 0 && m_bAlternate) ? "P" : "";
        line += FormatTime(m_upNext[i].m_time, true) + " [" + m_upNext[i].m_strName + "]";
        lines.push_back(line);
    }
    return lines;
}

LRESULT CCountDownClock::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOCK_UP:
        if (m_bListShown && !m_upNext.empty()) {
            RecomputeTimes();
            RedrawList();
        }
        return 0;
    case WM_CLOCK_DOWN:
        if (m_bAlternate && !m_upNext.empty() && m_upNext[0].m_time > m_remaining)
            RecomputeTimes();
        m_bAlternate = !m_bAlternate;
        RedrawList();
        return 0;
    case WM_CLOCK_LEFT:
        if (m_bListShown && !m_upNext.empty()) {
            m_upNext.erase(m_upNext.begin());
            RecomputeTimes();
            RedrawList();
        }
        return 0;
    case WM_CLOCK_RIGHT:
    case WM_CLOCK_C:
    case WM_CLOCK_Z:
        return 0;
    }
    return CClockWnd::OnMessage(message, wParam, lParam);
}

void CCountDownClock::ShowList(bool show)
{
    m_bListShown = show;
    if (!show) {
        m_listWnd.Destroy();
        return;
    }
    if (!m_hWnd || m_listWnd.GetSafeHwnd())
        return;
    // Three lines under the clock, as wide as the clock's parent allows.
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    HWND parent = GetParent(m_hWnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    RECT client;
    GetClientRect(parent, &client);
    int height = rc.bottom - rc.top;
    RECT list = {rc.left, rc.bottom, rc.left + 3 * (rc.right - rc.left), rc.bottom + height};
    if (m_bMirror)
        list = {rc.right - 3 * (rc.right - rc.left), rc.bottom, rc.right, rc.bottom + height};
    m_listWnd.Create(parent, list, m_bMirror, false);
    RedrawList();
}

void CCountDownClock::RedrawList()
{
    if (m_listWnd.GetSafeHwnd())
        m_listWnd.SetLines(m_upNext.empty() ? std::vector<std::string>() : ListLines());
}

// ---- up-next list window ---------------------------------------------------------------

namespace {
const char kListClass[] = "_QEL_PROMPTER_UPNEXT";
}

CCloseCaptionWnd::~CCloseCaptionWnd() { Destroy(); }

bool CCloseCaptionWnd::Create(HWND parent, const RECT& rect, bool mirror, bool reverse)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CCloseCaptionWnd::WndProc;
        wc.hInstance = SelvatraModule();
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = kListClass;
        registered = RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    m_bMirror = mirror;
    m_bReverse = reverse;
    m_hWnd = CreateWindowExA(0, kListClass, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             SelvatraModule(), nullptr);
    if (!m_hWnd)
        return false;
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    m_size = {rect.right - rect.left, rect.bottom - rect.top};
    m_nLineHeight = m_size.cy / 3 > 0 ? m_size.cy / 3 : 1;
    HDC dc = GetDC(m_hWnd);
    m_hMemDC = CreateCompatibleDC(dc);
    m_hBitmap = CreateCompatibleBitmap(dc, m_size.cx, m_size.cy);
    ReleaseDC(m_hWnd, dc);
    m_hOldBitmap = SelectObject(m_hMemDC, m_hBitmap);
    m_hFont =
        CreateFontA(-m_nLineHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    RECT all = {0, 0, m_size.cx, m_size.cy};
    FillRect(m_hMemDC, &all, (HBRUSH)GetStockObject(m_bReverse ? WHITE_BRUSH : BLACK_BRUSH));
    return true;
}

void CCloseCaptionWnd::Destroy()
{
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
    if (m_hMemDC) {
        SelectObject(m_hMemDC, m_hOldBitmap);
        DeleteDC(m_hMemDC);
        m_hMemDC = nullptr;
    }
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hBitmap = nullptr;
    m_hFont = nullptr;
}

void CCloseCaptionWnd::SetLines(const std::vector<std::string>& lines)
{
    m_lines.assign(lines.begin(), lines.begin() + (lines.size() < 3 ? lines.size() : 3));
    if (!m_hWnd)
        return;
    for (int n = 0; n < 3; ++n)
        DrawLine(n, n < (int)m_lines.size() ? m_lines[n] : std::string());
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateWindow(m_hWnd);
}

void CCloseCaptionWnd::DrawLine(int n, const std::string& text)
{
    // The line's band is cleared, then the text drawn opaque; mirrored, it is drawn into a
    // scratch bitmap and copied flipped left to right.
    RECT band = {0, n * m_nLineHeight, m_size.cx, (n + 1) * m_nLineHeight};
    FillRect(m_hMemDC, &band, (HBRUSH)GetStockObject(m_bReverse ? WHITE_BRUSH : BLACK_BRUSH));
    const COLORREF fore = m_bReverse ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const COLORREF back = m_bReverse ? RGB(255, 255, 255) : RGB(0, 0, 0);
    if (!m_bMirror) {
        HGDIOBJ old = SelectObject(m_hMemDC, m_hFont);
        SetTextColor(m_hMemDC, fore);
        SetBkColor(m_hMemDC, back);
        SetBkMode(m_hMemDC, OPAQUE);
        TextOutA(m_hMemDC, 0, band.top, text.c_str(), (int)text.size());
        SelectObject(m_hMemDC, old);
        return;
    }
    HDC scratch = CreateCompatibleDC(m_hMemDC);
    HBITMAP bitmap = CreateCompatibleBitmap(m_hMemDC, m_size.cx, m_nLineHeight);
    HGDIOBJ oldBitmap = SelectObject(scratch, bitmap);
    RECT all = {0, 0, m_size.cx, m_nLineHeight};
    FillRect(scratch, &all, (HBRUSH)GetStockObject(m_bReverse ? WHITE_BRUSH : BLACK_BRUSH));
    HGDIOBJ oldFont = SelectObject(scratch, m_hFont);
    SetTextColor(scratch, fore);
    SetBkColor(scratch, back);
    SetBkMode(scratch, OPAQUE);
    TextOutA(scratch, 0, 0, text.c_str(), (int)text.size());
    StretchBlt(m_hMemDC, m_size.cx - 1, band.top, -m_size.cx, m_nLineHeight, scratch, 0, 0,
               m_size.cx, m_nLineHeight, SRCCOPY);
    SelectObject(scratch, oldFont);
    SelectObject(scratch, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(scratch);
}

LRESULT CALLBACK CCloseCaptionWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CCloseCaptionWnd* self =
        reinterpret_cast<CCloseCaptionWnd*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self && message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        RECT rc;
        GetClientRect(hWnd, &rc);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, rc.right, rc.bottom, self->m_hMemDC, 0, 0, self->m_size.cx,
                   self->m_size.cy, SRCCOPY);
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

// ---- stopwatch ------------------------------------------------------------------------

CStopWatch::CStopWatch() : CClockWnd(12, kClockColor) { }

void CStopWatch::Start() { StartTicks(); }

void CStopWatch::Stop() { StopTicks(); }

void CStopWatch::SetColors(COLORREF fore, COLORREF back)
{
    m_back = back;
    m_color = CLR_INVALID;
    SetColor(fore);
}

void CStopWatch::Tick()
{
    m_elapsed += CTimeSpan(1);
    long long s = m_elapsed.GetTotalSeconds();
    int hours = (int)(s / 3600 % 24), minutes = (int)(s / 60 % 60), seconds = (int)(s % 60);
    if (s < 600)
        ShowSlots({Digit(minutes), GLYPH_COLON, seconds / 10, Digit(seconds)});
    else
        ShowSlots({Digit(hours), GLYPH_COLON, minutes / 10, Digit(minutes)});
}

// ---- break display ---------------------------------------------------------------------

CLtHYDisplay::CLtHYDisplay() : CClockWnd(18, kLightColor) { }

void CLtHYDisplay::SetBreak(const std::string& text, CTimeSpan length)
{
    m_bHeavy = !text.empty() && text[0] == 'H';
    SetColor(m_bHeavy ? kHeavyColor : kLightColor);
    m_shown = ParseTime(text.size() > 3 ? text.substr(3) : std::string());
    m_remaining = length - CTimeSpan(1);
    long long s = m_shown.GetTotalSeconds();
    if (s < 0)
        s = -s;
    int digits = s >= 36000 ? 6 : s >= 3600 ? 5 : s >= 600 ? 4 : 3;
    m_nSlots = 3 + digits + (s >= 3600 ? 2 : 1); // label, blank, digits and colons
}

void CLtHYDisplay::Tick()
{
    long long s = m_shown.GetTotalSeconds();
    if (s < 0)
        s = -s;
    int hours = (int)(s / 3600 % 24), minutes = (int)(s / 60 % 60), seconds = (int)(s % 60);
    // Right-aligned, built from the right.
    std::vector<int> r = {Digit(seconds), seconds / 10, GLYPH_COLON, Digit(minutes)};
    if (hours) {
        r.push_back(minutes / 10);
        r.push_back(GLYPH_COLON);
        r.push_back(Digit(hours));
        if (hours / 10)
            r.push_back(hours / 10);
    } else if (minutes / 10)
        r.push_back(minutes / 10);
    r.push_back(GLYPH_BLANK);
    r.push_back(m_bHeavy ? GLYPH_HEAVY2 : GLYPH_LIGHT2);
    r.push_back(m_bHeavy ? GLYPH_HEAVY1 : GLYPH_LIGHT1);
    while ((int)r.size() < m_nSlots)
        r.push_back(GLYPH_BLANK);
    ShowSlots(std::vector<int>(r.rbegin(), r.rend()));
    if (m_remaining < CTimeSpan(0)) {
        Destroy();
        return;
    }
    m_remaining -= CTimeSpan(1);
}
