// The clock displays of the prompter: the countdown clock shown on breaks (with the list of
// coming entries), the stopwatch and the light/heavy break display. Each is a child window
// that draws its glyphs stretched into equal slots, mirrored when the display is.
//
// Threading: the windows are created, ticked and destroyed on the thread that owns them
// (the user-interface thread). Their one-second multimedia timers only post WM_CLOCK_TICK.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ClockGlyphs.h"
#include "SelvatraApi.h"
#include "fw/time.h"

// Posted by a display's timer to its window; the tick runs in the window's thread.
#define WM_CLOCK_TICK 0x607
// Keys forwarded to the countdown clock by the prompter.
#define WM_CLOCK_UP 0x600
#define WM_CLOCK_DOWN 0x601
#define WM_CLOCK_LEFT 0x602
#define WM_CLOCK_RIGHT 0x603
#define WM_CLOCK_C 0x604
#define WM_CLOCK_Z 0x605

class SELVATRA_API CClockWnd
{
public:
    CClockWnd(int glyphCount, COLORREF color);
    virtual ~CClockWnd();

    bool Create(HWND parent, const RECT& rect, int id, bool mirror);
    void Destroy();
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsShown() const { return m_hWnd != nullptr; }

    // Returns the previous colour; the glyphs are rebuilt only when the colour changes.
    COLORREF SetColor(COLORREF c);
    int GlyphRebuilds() const { return m_glyphs.Rebuilds(); }

    // What the slots show, one character per slot: digits, ':', ' ', letters.
    std::string SlotText() const;

    // One tick (normally from the timer's posted message).
    virtual void Tick() = 0;

protected:
    void StartTicks();
    void StopTicks();
    void ShowSlots(const std::vector<int>& glyphs);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND m_hWnd = nullptr;
    bool m_bMirror = false;
    COLORREF m_color;
    COLORREF m_back = RGB(0, 0, 0);
    CClockGlyphs m_glyphs;
    std::vector<int> m_slots;
    UINT m_nTimer = 0;

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    static void CALLBACK TimerProc(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR);
};

// The countdown clock's list of what comes next: up to three lines of text drawn into a
// memory bitmap (mirrored when the display is) and stretched over the window.
class SELVATRA_API CCloseCaptionWnd
{
public:
    CCloseCaptionWnd() = default;
    ~CCloseCaptionWnd();
    bool Create(HWND parent, const RECT& rect, bool mirror, bool reverse);
    void Destroy();
    HWND GetSafeHwnd() const { return m_hWnd; }
    // Replaces the lines (an empty list clears the window).
    void SetLines(const std::vector<std::string>& lines);
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    void DrawLine(int n, const std::string& text);
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
    HDC m_hMemDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HFONT m_hFont = nullptr;
    int m_nLineHeight = 0;
    SIZE m_size = {0, 0};
    bool m_bMirror = false;
    bool m_bReverse = false;
    std::vector<std::string> m_lines;
};

// One entry of the countdown clock's list of what comes next.
struct SELVATRA_API CUpNextEntry
{
    CTimeSpan m_time;
    std::string m_strName;
    bool m_bFixed = false; // a fixed time; the entries between fixed ones share the gap
};

class SELVATRA_API CCountDownClock : public CClockWnd
{
public:
    CCountDownClock();

    // Shows the clock over rect of parent and starts counting length down; at the end the
    // window closes itself and, with autoContinue, posts WM_PROMPTER_AUTOCONTINUE (0x606)
    // to notify.
    bool Start(HWND parent, const RECT& rect, int id, bool mirror, CTimeSpan length,
               bool autoContinue, HWND notify);
    void SetTime(CTimeSpan length);
    int SetMode(int mode);
    void SetOvertime(bool overtime) { m_bOvertime = overtime; }
    CTimeSpan Remaining() const { return m_remaining; }
    bool Finished() const { return m_bFinished; }

    // The up-next list, shown in a window under the clock.
    std::vector<CUpNextEntry> m_upNext;
    bool m_bListShown = false;
    bool m_bAlternate = false;
    void RecomputeTimes();
    std::vector<std::string> ListLines() const;
    void ShowList(bool show);
    void RedrawList();
    CCloseCaptionWnd m_listWnd;

    void Tick() override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CTimeSpan m_remaining, m_start;
    int m_nMode = 1;
    int m_nTicks = 0;
    bool m_bOvertime = false;
    bool m_bAutoContinue = false;
    bool m_bFinished = false;
    HWND m_hNotify = nullptr;
};

class SELVATRA_API CStopWatch : public CClockWnd
{
public:
    CStopWatch();
    void Start();
    void Stop();
    bool IsRunning() const { return m_nTimer != 0; }
    void SetColors(COLORREF fore, COLORREF back);
    CTimeSpan Elapsed() const { return m_elapsed; }
    void SetElapsed(CTimeSpan elapsed) { m_elapsed = elapsed; }
    void Tick() override;

private:
    CTimeSpan m_elapsed;
};

class SELVATRA_API CLtHYDisplay : public CClockWnd
{
public:
    CLtHYDisplay();
    // A text beginning with "H" is a heavy break (red), anything else light (green); the
    // time shown is read from the fourth character on.
    void SetBreak(const std::string& text, CTimeSpan length);
    bool Heavy() const { return m_bHeavy; }
    int SlotCount() const { return m_nSlots; }
    bool StartTicking()
    {
        StartTicks();
        return m_nTimer != 0;
    }
    void Tick() override;

private:
    int m_nSlots = 8;
    CTimeSpan m_shown, m_remaining;
    bool m_bHeavy = false;
};
